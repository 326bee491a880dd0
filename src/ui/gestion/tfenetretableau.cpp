#include "ui/gestion/tfenetretableau.h"

#include "ui/common/questions.h"
#include "ui/printing/imprimegrille.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A column of long texts does not push the others out of the window.
constexpr int LargeurMaxi = 320;

} // namespace

TFenetreTableau::TFenetreTableau(const QString& titre, const TTableau& tableau,
                                 const QString& nomExport, bool triable, QWidget* parent)
    : QDialog(parent), m_entete(new QLabel(this)), m_vue(new QTableView(this)),
      m_nomExport(nomExport) {
    m_entete->setWordWrap(true);
    m_entete->setTextFormat(Qt::PlainText);
    m_entete->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_entete->hide();
    setWindowTitle(titre);
    m_modele.setTableau(tableau);
    m_vue->setModel(&m_modele);
    m_vue->setAccessibleName(titre);
    m_vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_vue->verticalHeader()->hide();
    // The rows keep their order until a column title is clicked.
    m_vue->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_vue->setSortingEnabled(triable);
    m_vue->resizeColumnsToContents();
    for (int c = 0; c < m_modele.columnCount(); ++c)
        m_vue->setColumnWidth(c, std::min(m_vue->columnWidth(c), LargeurMaxi));
    m_vue->horizontalHeader()->setStretchLastSection(true);

    auto* imprimer = new QPushButton(QStringLiteral("&Imprimer"), this);
    auto* exporter = new QPushButton(QStringLiteral("&Exporter..."), this);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(imprimer, &QPushButton::clicked, this, &TFenetreTableau::Imprime);
    connect(exporter, &QPushButton::clicked, this, &TFenetreTableau::Exporte);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(imprimer);
    boutons->addWidget(exporter);
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_entete);
    colonne->addWidget(m_vue);
    colonne->addLayout(boutons);
    resize(820, 420);
}

void TFenetreTableau::setEntete(const QString& texte) {
    m_entete->setText(texte);
    m_entete->setVisible(!texte.isEmpty());
}

void TFenetreTableau::Imprime() {
    execute([this] { ImprimeGrille(*m_vue, windowTitle(), windowTitle(), m_modele.rowCount()); });
}

void TFenetreTableau::Exporte() {
    const QString chemin = Questions::instance().fichierAEnregistrer(
        QStringLiteral("Fichier texte (*.txt)"), m_nomExport);
    if (!chemin.isEmpty())
        execute([&] { ExporteTableau(m_modele.tableau(), chemin); });
}
