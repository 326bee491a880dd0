#include "ui/charges/tdialoguechargesreelles.h"

#include "core/app/tfiche.h"
#include "core/charges/chargesreelles.h"
#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/documentlu.h"
#include "core/records/locataire.h"
#include "ui/common/questions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int LignesLibres = 4;

} // namespace

TDialogueChargesReelles::TDialogueChargesReelles(TFiche& fiche, QWidget* parent)
    : QDialog(parent), m_fiche(fiche), m_lot(new QComboBox(this)), m_annee(new QSpinBox(this)),
      m_grille(new QTableWidget(0, 2, this)) {
    setWindowTitle(QStringLiteral("Charges réelles"));
    m_lot->addItems(Locataire::listeLots(fiche.base(Base::Lots)));
    m_lot->setAccessibleName(QStringLiteral("Lot"));
    m_annee->setRange(1900, 9999);
    m_annee->setValue(Clock::today().year() - 1);
    m_annee->setAccessibleName(QStringLiteral("Année"));
    auto* formulaire = new QFormLayout;
    auto* libelleLot = new QLabel(QStringLiteral("&Lot"), this);
    libelleLot->setBuddy(m_lot);
    auto* libelleAnnee = new QLabel(QStringLiteral("&Année"), this);
    libelleAnnee->setBuddy(m_annee);
    formulaire->addRow(libelleLot, m_lot);
    formulaire->addRow(libelleAnnee, m_annee);

    m_grille->setHorizontalHeaderLabels({QStringLiteral("Catégorie"), QStringLiteral("Montant")});
    m_grille->setAccessibleName(QStringLiteral("Charges réelles"));
    m_grille->verticalHeader()->hide();
    m_grille->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grille->setColumnWidth(1, 110);

    auto* enregistrer = new QPushButton(QStringLiteral("&Enregistrer"), this);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(enregistrer, &QPushButton::clicked, this, &TDialogueChargesReelles::Enregistre);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(enregistrer);
    boutons->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(m_grille);
    colonne->addLayout(boutons);
    connect(m_lot, &QComboBox::currentIndexChanged, this, &TDialogueChargesReelles::relit);
    connect(m_annee, &QSpinBox::valueChanged, this, &TDialogueChargesReelles::relit);
    relit();
    resize(520, 420);
}

QString TDialogueChargesReelles::numeroLot() const {
    return m_lot->currentText().section(u' ', 0, 0);
}

void TDialogueChargesReelles::relit() {
    QList<TCharge> charges;
    for (const QString& categorie : m_fiche.reglages().liste(ListeValeurs::CategoriesCharges))
        charges.append({categorie, QString()});
    if (const std::optional<TChargesLot> lu =
            ChargesReelles::Lit(m_fiche.annexe(Annexe::Charges), numeroLot(), m_annee->value()))
        for (const TCharge& charge : lu->charges) {
            auto deja = std::find_if(charges.begin(), charges.end(), [&](const TCharge& c) {
                return c.categorie == charge.categorie;
            });
            if (deja != charges.end())
                deja->montant = charge.montant;
            else
                charges.append(charge);
        }
    m_grille->setRowCount(int(charges.size()) + LignesLibres);
    for (int i = 0; i < m_grille->rowCount(); ++i) {
        const TCharge c = charges.value(i);
        m_grille->setItem(i, 0, new QTableWidgetItem(c.categorie));
        auto* montant = new QTableWidgetItem(c.montant);
        montant->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grille->setItem(i, 1, montant);
    }
}

bool TDialogueChargesReelles::Enregistre() {
    if (numeroLot().isEmpty()) {
        Questions::instance().message(QStringLiteral("Aucun lot n'est choisi"));
        return false;
    }
    TChargesLot lot{numeroLot(), m_annee->value(), {}};
    for (int i = 0; i < m_grille->rowCount(); ++i) {
        const QString categorie =
            m_grille->item(i, 0) ? m_grille->item(i, 0)->text().trimmed() : "";
        const QString montant = m_grille->item(i, 1) ? m_grille->item(i, 1)->text().trimmed() : "";
        if (!categorie.isEmpty())
            lot.charges.append({categorie, montant});
    }
    return execute([&] {
        for (const TCharge& charge : std::as_const(lot.charges))
            if (!charge.montant.isEmpty() && !ValeurMontant(charge.montant))
                throw UserError(
                    QStringLiteral("'%1' n'est pas un montant correct").arg(charge.montant));
        ChargesReelles::Ecrit(m_fiche.annexe(Annexe::Charges), lot);
        m_fiche.SetSauve();
    });
}
