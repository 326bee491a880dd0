#include "ui/documents/panneautotaux.h"

#include "core/documents/tpagedocument.h"
#include "ui/documents/elementsdocument.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont gras(const QWidget* widget) {
    QFont police = widget->font();
    police.setBold(true);
    return police;
}

} // namespace

TPanneauTotaux::TPanneauTotaux(const TDescriptionDocument& description, QWidget* parent)
    : QWidget(parent) {
    if (description.tva)
        creeTotauxTVA();
    else
        creeTotauxLoyer(description);
}

void TPanneauTotaux::creeTotauxLoyer(const TDescriptionDocument& description) {
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    auto* totaux = new QFormLayout;
    totaux->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_euros = totalAffiche(QStringLiteral("TOTAL Euros"));
    m_francs = totalAffiche(QStringLiteral("Francs"));
    for (QLabel* total : {m_euros, m_francs})
        totaux->addRow(total->accessibleName(), total);
    colonne->addLayout(totaux);
    if (description.enLettres) {
        m_enLettres = valeurAffichee(QStringLiteral("Somme en lettres"), Qt::AlignLeft);
        m_enLettres->setWordWrap(true);
        colonne->addWidget(m_enLettres);
    }
    if (description.validation())
        colonne->addWidget(creeStatut());
    colonne->addStretch();
    m_boutons = colonne;
}

void TPanneauTotaux::creeTotauxTVA() {
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setVerticalSpacing(3);
    m_totalHT = totalAffiche(QStringLiteral("Total H.T."));
    m_totalTVA = totalAffiche(QStringLiteral("Total TVA"));
    m_euros = totalAffiche(QStringLiteral("TOTAL TTC Euros"));
    m_francs = totalAffiche(QStringLiteral("TOTAL TTC Francs"));
    grille->addWidget(new QLabel(QStringLiteral("Total H.T.")), 0, 0);
    grille->addWidget(m_totalHT, 0, 1);
    grille->addWidget(new QLabel(QStringLiteral("Total TVA")), 1, 0);
    grille->addWidget(m_totalTVA, 1, 1);
    auto* ttc = new QLabel(QStringLiteral("TOTAL TTC"));
    ttc->setFont(gras(ttc));
    grille->addWidget(ttc, 0, 2, Qt::AlignRight);
    grille->addWidget(new QLabel(QStringLiteral("Euros")), 1, 2, Qt::AlignRight);
    grille->addWidget(m_euros, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Francs")), 2, 2, Qt::AlignRight);
    grille->addWidget(m_francs, 2, 3);
    grille->addWidget(creeStatut(), 3, 0, 1, 4);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    grille->addLayout(boutons, 4, 0, 1, 4);
    grille->setRowStretch(5, 1);
    m_boutons = boutons;
    m_enLigne = true;
}

QLabel* TPanneauTotaux::creeStatut() {
    m_statut = valeurAffichee(QStringLiteral("Statut"), Qt::AlignLeft);
    m_statut->setFont(gras(m_statut));
    return m_statut;
}

void TPanneauTotaux::ajouteBouton(QPushButton* bouton) {
    bouton->setAutoDefault(false);
    if (m_enLigne)
        m_boutons->insertWidget(m_boutons->count() - 1, bouton);
    else
        m_boutons->addWidget(bouton, 0, Qt::AlignLeft);
}

void TPanneauTotaux::afficheTotaux(const TPageDocument& page) {
    const TTotauxDocument& t = page.totaux();
    if (m_totalHT) {
        m_totalHT->setText(t.texteHT);
        m_totalTVA->setText(t.texteTVA);
    }
    m_euros->setText(t.texteTTC);
    m_francs->setText(t.texteFrancs);
    if (m_enLettres)
        m_enLettres->setText(page.enLettres());
}

void TPanneauTotaux::afficheStatut(const QString& statut) {
    if (m_statut)
        m_statut->setText(statut);
}
