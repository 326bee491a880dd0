#include "ui/gestion/tdialoguerevision.h"

#include "core/app/tfiche.h"
#include "core/gestion/revisionloyers.h"
#include "ui/common/questions.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TDialogueRevision::TDialogueRevision(TFiche& fiche, TRevisionLoyers& revision, QWidget* parent)
    : QDialog(parent), m_fiche(fiche), m_revision(revision), m_indice(new QLineEdit(this)),
      m_vue(new QTableView(this)) {
    setWindowTitle(QStringLiteral("Révision des loyers"));
    auto* explication = new QLabel(
        QStringLiteral("Loyer révisé = Loyer départ × Ind. actuel ÷ Ind. départ, arrondi au "
                       "centime.\nLaissez le nouvel indice vide pour garder l'indice actuel de "
                       "chaque fiche."),
        this);
    auto* libelle = new QLabel(QStringLiteral("&Nouvel indice pour tous"), this);
    libelle->setBuddy(m_indice);
    m_indice->setAccessibleName(QStringLiteral("Nouvel indice pour tous"));
    m_indice->setMaximumWidth(120);
    connect(m_indice, &QLineEdit::editingFinished, this, [this] {
        if (!execute([this] { m_revision.setNouvelIndice(m_indice->text()); }))
            m_indice->setText(m_revision.nouvelIndice());
    });
    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelle, m_indice);

    m_vue->setModel(&m_revision);
    m_vue->setAccessibleName(windowTitle());
    m_vue->verticalHeader()->hide();
    m_vue->resizeColumnsToContents();
    m_vue->horizontalHeader()->setStretchLastSection(true);

    auto* tout = new QPushButton(QStringLiteral("&Tout cocher"), this);
    auto* appliquer = new QPushButton(QStringLiteral("&Appliquer"), this);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(tout, &QPushButton::clicked, this, [this] { m_revision.cocheTout(true); });
    connect(appliquer, &QPushButton::clicked, this, &TDialogueRevision::Applique);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(tout);
    boutons->addStretch();
    boutons->addWidget(appliquer);
    boutons->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addLayout(formulaire);
    colonne->addWidget(m_vue);
    colonne->addLayout(boutons);
    resize(820, 420);
}

void TDialogueRevision::Applique() {
    execute([this] {
        m_revision.setNouvelIndice(m_indice->text());
        const TRevisionLoyers::TResultat r = m_revision.Applique(m_fiche);
        QString texte = QStringLiteral("%1 loyer(s) révisé(s).").arg(r.revises.size());
        if (!r.refus.isEmpty())
            texte += QStringLiteral("\nNon révisés :\n") + r.refus.join(u'\n');
        Questions::instance().message(texte);
    });
}
