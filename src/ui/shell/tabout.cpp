#include "ui/shell/tabout.h"

#include "core/app/programme.h"
#include "ui/common/icones.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TAbout::TAbout(const QString& dossier, const QString& repertoireReglages, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos"));
    auto* image = new QLabel;
    image->setPixmap(imageProgramme(64));
    image->setAlignment(Qt::AlignTop);

    auto* nom = new QLabel(QStringLiteral("Tarvinel"));
    QFont gras(QStringLiteral("Arial"));
    gras.setPointSize(16);
    gras.setBold(true);
    nom->setFont(gras);
    auto* version = new QLabel(QStringLiteral("Version ") + Programme::version());
    auto* objet = new QLabel(QStringLiteral("Gestion des locations immobilières"));

    auto* boutons = new QDialogButtonBox;
    QPushButton* ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* disposition = new QGridLayout(this);
    disposition->setHorizontalSpacing(20);
    disposition->addWidget(image, 0, 0, 3, 1);
    disposition->addWidget(nom, 0, 1);
    disposition->addWidget(version, 1, 1);
    disposition->addWidget(objet, 2, 1);
    // The licence and the paths, each value named by its label for a screen reader; the
    // paths can be selected and copied.
    auto* details = new QGridLayout;
    details->setHorizontalSpacing(10);
    int rang = 0;
    for (const Programme::TLigne& ligne : Programme::aPropos(dossier, repertoireReglages)) {
        auto* libelle = new QLabel(ligne.libelle + QStringLiteral(" :"));
        auto* valeur = new QLabel(ligne.valeur);
        valeur->setAccessibleName(ligne.libelle);
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        libelle->setBuddy(valeur);
        details->addWidget(libelle, rang, 0, Qt::AlignTop);
        details->addWidget(valeur, rang, 1);
        ++rang;
    }
    disposition->addLayout(details, 3, 1);
    disposition->addWidget(boutons, 4, 0, 1, 2);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
}
