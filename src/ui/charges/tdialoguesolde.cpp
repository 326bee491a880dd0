#include "ui/charges/tdialoguesolde.h"

#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/charges/impcharges.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "ui/common/questions.h"
#include "ui/printing/exportpdf.h"
#include "ui/printing/imprimante.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString euros(double valeur) {
    return FormatFloat(QStringLiteral("0.00"), valeur) + QStringLiteral(" €");
}

// A value line of the form, its label the value's accessible name.
QLabel* valeur(QFormLayout* formulaire, const QString& libelle, const QString& texte,
               QWidget* parent) {
    auto* etiquette = new QLabel(libelle, parent);
    auto* champ = new QLabel(texte, parent);
    champ->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    champ->setFocusPolicy(Qt::StrongFocus);
    champ->setAccessibleName(libelle);
    champ->setWordWrap(true);
    etiquette->setBuddy(champ);
    formulaire->addRow(etiquette, champ);
    return champ;
}

} // namespace

TDialogueSolde::TDialogueSolde(TFiche& fiche, const TSoldeToutCompte& solde, QWidget* parent)
    : QDialog(parent), m_fiche(fiche), m_solde(solde), m_deductions(new QTableWidget(6, 2, this)),
      m_conformes(new QCheckBox(
          QStringLiteral("L'état des lieux de &sortie est conforme à celui d'entrée"), this)),
      m_resultat(nullptr) {
    setWindowTitle(QStringLiteral("Solde de tout compte"));
    auto* formulaire = new QFormLayout;
    valeur(formulaire, QStringLiteral("Locataire"), solde.locataire + u' ' + solde.nom, this);
    valeur(formulaire, QStringLiteral("Date de sortie"),
           solde.sortie.toString(QStringLiteral("dd/MM/yyyy")), this);
    valeur(formulaire, QStringLiteral("Dépôt de garantie reçu"), euros(solde.caution), this);
    valeur(formulaire, QStringLiteral("Loyers impayés"),
           solde.moisImpayes.isEmpty() ? QStringLiteral("Aucun")
                                       : solde.moisImpayes.join(QStringLiteral(", ")) +
                                             QStringLiteral(" : ") + euros(solde.impayes()),
           this);
    valeur(formulaire, QStringLiteral("Régularisation des charges"),
           solde.charges ? euros(solde.charges->solde()) : QStringLiteral("Non réglée"), this);

    m_deductions->setHorizontalHeaderLabels(
        {QStringLiteral("Déduction (réparations, nettoyage...)"), QStringLiteral("Montant")});
    m_deductions->setAccessibleName(QStringLiteral("Déductions"));
    m_deductions->verticalHeader()->hide();
    m_deductions->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_deductions->setColumnWidth(1, 110);
    m_conformes->setChecked(solde.etatsConformes);
    auto* libelleDeductions = new QLabel(QStringLiteral("&Déductions"), this);
    libelleDeductions->setBuddy(m_deductions);

    auto* pied = new QFormLayout;
    m_resultat = valeur(pied, QStringLiteral("Montant"), QString(), this);
    QFont gras = m_resultat->font();
    gras.setBold(true);
    m_resultat->setFont(gras);

    auto* imprimer = new QPushButton(QStringLiteral("&Imprimer"), this);
    imprimer->setToolTip(QStringLiteral("Aperçu du solde de tout compte, puis impression"));
    auto* pdf = new QPushButton(QStringLiteral("&PDF..."), this);
    auto* valider = new QPushButton(QStringLiteral("&Valider"), this);
    valider->setToolTip(QStringLiteral("Porte le solde dans l'historique du locataire"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(imprimer, &QPushButton::clicked, this, &TDialogueSolde::Imprime);
    connect(pdf, &QPushButton::clicked, this, &TDialogueSolde::Pdf);
    connect(valider, &QPushButton::clicked, this, &TDialogueSolde::Valide);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(imprimer);
    boutons->addWidget(pdf);
    boutons->addStretch();
    boutons->addWidget(valider);
    boutons->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(libelleDeductions);
    colonne->addWidget(m_deductions);
    colonne->addWidget(m_conformes);
    colonne->addLayout(pied);
    colonne->addLayout(boutons);
    connect(m_deductions, &QTableWidget::itemChanged, this, &TDialogueSolde::recalcule);
    connect(m_conformes, &QCheckBox::toggled, this, &TDialogueSolde::recalcule);
    recalcule();
    resize(620, 520);
}

TSoldeToutCompte TDialogueSolde::solde() const {
    TSoldeToutCompte s = m_solde;
    s.deductions.clear();
    for (int i = 0; i < m_deductions->rowCount(); ++i) {
        const QTableWidgetItem* designation = m_deductions->item(i, 0);
        const QTableWidgetItem* montant = m_deductions->item(i, 1);
        const TDeduction d{designation ? designation->text().trimmed() : QString(),
                           montant ? montant->text().trimmed() : QString()};
        if (!d.designation.isEmpty() || !d.montant.isEmpty())
            s.deductions.append(d);
    }
    s.etatsConformes = m_conformes->isChecked();
    return s;
}

void TDialogueSolde::recalcule() {
    const TSoldeToutCompte s = solde();
    m_resultat->setText((s.solde() >= 0 ? QStringLiteral("À restituer au locataire : ")
                                        : QStringLiteral("À réclamer au locataire : ")) +
                        euros(qAbs(s.solde())) + QStringLiteral("\nRestitution au plus tard le ") +
                        s.echeance().toString(QStringLiteral("dd/MM/yyyy")));
}

void TDialogueSolde::Imprime() {
    execute([&] {
        Imprimante::instance().imprime(
            travailSolde(solde(), proprietaire(m_fiche.reglages().lignesProprio), Clock::today()));
    });
}

void TDialogueSolde::Pdf() {
    ExportePdf(
        travailSolde(solde(), proprietaire(m_fiche.reglages().lignesProprio), Clock::today()));
}

void TDialogueSolde::Valide() {
    if (execute([&] { SoldeToutCompte::Poste(m_fiche, solde()); }))
        accept();
}
