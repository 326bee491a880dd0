#include "ui/charges/tdialogueregularisation.h"

#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/charges/impcharges.h"
#include "core/charges/reporter.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/records/locataire.h"
#include "ui/common/questions.h"
#include "ui/printing/exportpdf.h"
#include "ui/printing/imprimante.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

TDialogueRegularisation::TDialogueRegularisation(TFiche& fiche, QWidget* parent)
    : QDialog(parent), m_fiche(fiche), m_lot(new QComboBox(this)), m_annee(new QSpinBox(this)),
      m_vue(new QTableView(this)), m_modele(this) {
    setWindowTitle(QStringLiteral("Régularisation des charges"));
    m_lot->addItem(QStringLiteral("Tous les lots"));
    m_lot->addItems(Locataire::listeLots(fiche.base(Base::Lots)));
    m_lot->setAccessibleName(QStringLiteral("Lot"));
    m_annee->setRange(1900, 9999);
    m_annee->setValue(Clock::today().year() - 1);
    m_annee->setAccessibleName(QStringLiteral("Année"));
    auto* libelleLot = new QLabel(QStringLiteral("&Lot"), this);
    libelleLot->setBuddy(m_lot);
    auto* libelleAnnee = new QLabel(QStringLiteral("&Année"), this);
    libelleAnnee->setBuddy(m_annee);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelleAnnee, m_annee);
    formulaire->addRow(libelleLot, m_lot);

    m_vue->setModel(&m_modele);
    m_vue->setAccessibleName(windowTitle());
    m_vue->verticalHeader()->hide();
    m_vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_vue->horizontalHeader()->setStretchLastSection(true);

    auto* imprimer = new QPushButton(QStringLiteral("&Imprimer"), this);
    imprimer->setToolTip(QStringLiteral("Aperçu du décompte de charges, puis impression"));
    auto* pdf = new QPushButton(QStringLiteral("&PDF..."), this);
    auto* reporter = new QPushButton(QStringLiteral("&Reporter"), this);
    reporter->setToolTip(
        QStringLiteral("Ajoute le solde à la prochaine quittance du locataire choisi"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(imprimer, &QPushButton::clicked, this, &TDialogueRegularisation::Imprime);
    connect(pdf, &QPushButton::clicked, this, &TDialogueRegularisation::Pdf);
    connect(reporter, &QPushButton::clicked, this, &TDialogueRegularisation::Reporte);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(imprimer);
    boutons->addWidget(pdf);
    boutons->addWidget(reporter);
    boutons->addStretch();
    boutons->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(m_vue);
    colonne->addLayout(boutons);
    connect(m_lot, &QComboBox::currentIndexChanged, this, &TDialogueRegularisation::Calcule);
    connect(m_annee, &QSpinBox::valueChanged, this, &TDialogueRegularisation::Calcule);
    Calcule();
    resize(900, 420);
}

void TDialogueRegularisation::Calcule() {
    const QString lot = m_lot->currentIndex() > 0 ? m_lot->currentText().section(u' ', 0, 0) : "";
    m_resultats = Regularisation::Calcule(m_fiche.base(Base::Locataires), m_fiche.base(Base::Lots),
                                          m_fiche.base(Base::Quittances),
                                          m_fiche.annexe(Annexe::Charges), m_annee->value(), lot);
    m_modele.setTableau(Regularisation::Tableau(m_resultats));
    m_vue->resizeColumnsToContents();
}

QList<TRegularisation> TDialogueRegularisation::choisis() const {
    QList<TRegularisation> choix;
    const QModelIndexList lignes = m_vue->selectionModel()->selectedRows();
    if (lignes.isEmpty())
        return m_resultats;
    for (const TRegularisation& r : m_resultats)
        for (const QModelIndex& index : lignes)
            if (m_modele.index(index.row(), 0).data().toString() == r.locataire)
                choix.append(r);
    return choix;
}

void TDialogueRegularisation::Imprime() {
    const QList<TRegularisation> choix = choisis();
    if (choix.isEmpty())
        return;
    execute([&] {
        Imprimante::instance().imprime(travailDecomptes(
            choix, proprietaire(m_fiche.reglages().lignesProprio), Clock::today()));
    });
}

void TDialogueRegularisation::Pdf() {
    const QList<TRegularisation> choix = choisis();
    if (!choix.isEmpty())
        ExportePdf(travailDecomptes(choix, proprietaire(m_fiche.reglages().lignesProprio),
                                    Clock::today()));
}

void TDialogueRegularisation::Reporte() {
    const QList<TRegularisation> choix = choisis();
    if (choix.size() != 1) {
        Questions::instance().message(QStringLiteral("Choisissez le locataire dans la liste"));
        return;
    }
    if (execute([&] { Reporter(m_fiche, choix.first()); }))
        Questions::instance().message(
            QStringLiteral("%1 (%2) reportée sur la quittance du "
                           "locataire %3")
                .arg(choix.first().libelle())
                .arg(FormatFloat(QStringLiteral("0.00"), choix.first().solde()))
                .arg(choix.first().locataire));
}
