#include "ui/accounting/tstats.h"

#include "core/accounting/statistiques.h"
#include "core/accounting/tgrilletexte.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "ui/accounting/tgraph.h"
#include "ui/accounting/vuegrille.h"
#include "ui/common/questions.h"
#include "ui/printing/imprimegrille.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The font of the statistics and journal windows.
QFont policeFenetre() {
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(13);
    return police;
}

TMesureTexte mesureDe(const QWidget& fenetre) {
    return [metriques = fenetre.fontMetrics()](const QString& texte) {
        return metriques.horizontalAdvance(texte);
    };
}

QToolButton* boutonOutil(const QString& texte, const QString& bulle, QStyle::StandardPixmap icone,
                         const QWidget& fenetre) {
    auto* bouton = new QToolButton;
    bouton->setIcon(fenetre.style()->standardIcon(icone));
    bouton->setText(texte);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setAutoRaise(true);
    bouton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return bouton;
}

} // namespace

TStats::TStats(SorteStats sorte, QWidget* parent)
    : QDialog(parent), m_description(descriptionStats(sorte)) {
    setObjectName(m_description.classe);
    setWindowTitle(m_description.titre);
    setFont(policeFenetre());
    m_grille = new TGrilleTexte(EntetesStats(m_description, mesureDe(*this)), this);

    QToolButton* imprimer = boutonOutil(QStringLiteral("Imprimer"), QStringLiteral("Imprimer"),
                                        QStyle::SP_FileDialogDetailedView, *this);
    QToolButton* graphique = boutonOutil(QStringLiteral("Graphique"), QStringLiteral("Graphique"),
                                         QStyle::SP_FileDialogInfoView, *this);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setAutoDefault(false);
    connect(imprimer, &QToolButton::clicked, this, &TStats::Imprime);
    connect(graphique, &QToolButton::clicked, this, &TStats::Graphique);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* haut = new QHBoxLayout;
    haut->addWidget(imprimer);
    haut->addWidget(graphique);
    haut->addStretch();
    haut->addWidget(fermer);
    m_vue = creeVueGrille(m_grille, m_description.largeurs);
    m_vue->setAccessibleName(m_description.titre);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addLayout(haut);
    page->addWidget(m_vue);
    setFixedSize(m_description.largeur, m_description.hauteur);
}

void TStats::Init(const TCumul& cumul) {
    m_grille->remplit(LignesStats(m_description, cumul, mesureDe(*this)));
}

void TStats::Imprime() {
    ImprimeGrille(*m_vue, m_description.titreImpression + DateToStr(Clock::today()), QString(),
                  m_grille->nbLignes());
}

void TStats::Graphique() {
    TGraph graphique(this);
    if (execute(
            [&] { graphique.Init(m_grille->colonneJusquAuVide(m_description.colonneMontant)); }))
        graphique.exec();
}
