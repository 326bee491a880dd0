#include "ui/accounting/vuegrille.h"

#include "core/accounting/tgrilletexte.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

QTableView* creeVueGrille(TGrilleTexte* modele, const QList<int>& largeurs) {
    auto* table = new QTableView;
    table->setModel(modele);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int colonne = 0; colonne < largeurs.size(); ++colonne)
        table->setColumnWidth(colonne, largeurs[colonne]);
    return table;
}

namespace {

// How often the window is painted again during a run, in milliseconds.
constexpr qint64 Intervalle = 100;

QElapsedTimer& horloge() {
    static QElapsedTimer h;
    if (!h.isValid())
        h.start();
    return h;
}

} // namespace

Progression::Progression(QLabel* panneau) : m_panneau(panneau) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

Progression::~Progression() {
    if (m_panneau)
        m_panneau->clear();
    QApplication::restoreOverrideCursor();
}

void Progression::operator()(const QString& texte) {
    if (!m_panneau)
        return;
    m_panneau->setText(texte);
    const qint64 maintenant = horloge().elapsed();
    if (m_dernier < 0 || maintenant - m_dernier >= Intervalle) {
        m_dernier = maintenant;
        // Painting only: no command may start while the run goes.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
