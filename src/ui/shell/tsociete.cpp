#include "ui/shell/tsociete.h"

#include "core/app/fichiersreglages.h"
#include "ui/common/questions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSociete::TSociete(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Société"));
    auto* entete = new QLabel(QStringLiteral("Lignes constituant l'en-tête de la société"));

    auto* grille = new QGridLayout;
    const QStringList libelles = {QStringLiteral("Nom/Société"), QStringLiteral("Adresse"),
                                  QStringLiteral("Adresse"),     QStringLiteral("CP Ville"),
                                  QStringLiteral("Téléphone"),   QStringLiteral("Sirect"),
                                  QStringLiteral("R.C."),        QStringLiteral("Logo")};
    for (int ligne = 0; ligne < 8; ++ligne) {
        auto* libelle = new QLabel(libelles[ligne]);
        m_edits[ligne] = new QLineEdit;
        m_edits[ligne]->setMinimumWidth(320);
        m_edits[ligne]->setAccessibleName(libelles[ligne]);
        libelle->setBuddy(m_edits[ligne]);
        grille->addWidget(libelle, ligne, 0);
        grille->addWidget(m_edits[ligne], ligne, 1);
        if (ligne == 7) {
            libelle->hide();
            m_edits[ligne]->hide();
        }
    }
    auto* parcourir = new QPushButton(QStringLiteral("..."));
    parcourir->setAutoDefault(false);
    parcourir->setAccessibleName(QStringLiteral("..."));
    parcourir->hide();
    grille->addWidget(parcourir, 7, 2);
    connect(parcourir, &QPushButton::clicked, this, &TSociete::choisitLogo);

    auto* annuler = new QPushButton(QStringLiteral("Annuler"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &TSociete::valide);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(annuler);
    boutons->addWidget(ok);

    auto* page = new QVBoxLayout(this);
    page->addWidget(entete);
    page->addLayout(grille);
    page->addSpacing(8);
    page->addLayout(boutons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void TSociete::Init(const LignesProprio& lignes) {
    for (int ligne = 0; ligne < 8; ++ligne)
        m_edits[ligne]->setText(lignes[ligne]);
}

LignesProprio TSociete::Result() const {
    LignesProprio lignes;
    if (result() == QDialog::Accepted)
        for (int ligne = 0; ligne < 8; ++ligne)
            lignes[ligne] = m_edits[ligne]->text();
    return lignes;
}

void TSociete::valide() {
    // A line that could not be written to the owner file is refused here, while the user can
    // still correct it.
    for (QLineEdit* edit : m_edits) {
        const QString refus = FichiersReglages::refusLigne(edit->text(), FichiersReglages::NomSoc);
        if (!refus.isEmpty()) {
            Questions::instance().message(refus);
            edit->setFocus();
            return;
        }
    }
    accept();
}

void TSociete::choisitLogo() {
    const QString chemin =
        Questions::instance().fichierAOuvrir(QStringLiteral("Fichiers logo (*.bmp)"));
    if (!chemin.isEmpty())
        m_edits[7]->setText(chemin);
}
