#include "ui/gestion/tdialoguequittancesmois.h"

#include "ui/common/boutonsdialogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

TDialogueQuittancesMois::TDialogueQuittancesMois(const QStringList& mois, const QString& courant,
                                                 QWidget* parent)
    : QDialog(parent), m_mois(new QComboBox(this)),
      m_valider(new QCheckBox(QStringLiteral("&Valider les quittances créées"), this)),
      m_pdf(new QCheckBox(QStringLiteral("Écrire un fichier &PDF (une quittance par page)"), this)),
      m_courriel(new QCheckBox(QStringLiteral("&Envoyer chaque quittance par e-mail"), this)) {
    setWindowTitle(QStringLiteral("Quittances du mois"));
    m_mois->addItems(mois);
    if (const int i = int(mois.indexOf(courant)); i >= 0)
        m_mois->setCurrentIndex(i);
    auto* explication = new QLabel(
        QStringLiteral("Une quittance est créée pour chaque locataire présent le premier jour du "
                       "mois,\nsauf s'il a déjà une quittance pour ce mois. Rien n'est écrit sur "
                       "le disque\navant « Enregistrer »."),
        this);
    auto* formulaire = new QFormLayout;
    auto* libelle = new QLabel(QStringLiteral("&Mois"), this);
    libelle->setBuddy(m_mois);
    m_mois->setAccessibleName(QStringLiteral("Mois"));
    formulaire->addRow(libelle, m_mois);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addLayout(formulaire);
    colonne->addWidget(m_valider);
    colonne->addWidget(m_pdf);
    colonne->addWidget(m_courriel);
    colonne->addLayout(boutonsAnnulerOk(this));
}

TDialogueQuittancesMois::TChoix TDialogueQuittancesMois::Result() const {
    return {m_mois->currentText(), m_valider->isChecked(), m_pdf->isChecked(),
            m_courriel->isChecked()};
}
