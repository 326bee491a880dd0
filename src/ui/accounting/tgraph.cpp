#include "ui/accounting/tgraph.h"

#include "core/accounting/graphique.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The chart's canvas: a white frame, the two axes and the blue bars.
class Diagramme : public QWidget {
public:
    explicit Diagramme(const QList<qint64>& valeurs) : m_valeurs(valeurs) {
        setFixedSize(Graphique::Largeur, Graphique::Hauteur);
        setAccessibleName(QStringLiteral("Graphique"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        using namespace Graphique;
        QPainter p(this);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(0, 0, Largeur - 1, Hauteur - 1);
        p.drawLine(Origine, Axe, FinAxeX, Axe);
        p.drawLine(Origine, Axe, Origine, Origine);
        p.setBrush(QColor(0, 0, 255));
        for (const QRect& barre : Barres(m_valeurs))
            p.drawRect(barre);
    }

private:
    const QList<qint64>& m_valeurs;
};

} // namespace

TGraph::TGraph(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Graphique"));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* panneau = new QWidget;
    panneau->setFixedHeight(33);
    auto* haut = new QHBoxLayout(panneau);
    haut->setContentsMargins(8, 4, 8, 4);
    haut->addWidget(fermer);
    haut->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(panneau);
    page->addWidget(new Diagramme(m_valeurs));
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void TGraph::Init(const QStringList& montants) {
    m_valeurs = Graphique::Valeurs(montants);
    update();
}
