#include "tabout.h"

#include "icones.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos"));
    auto* image = new QLabel;
    image->setPixmap(imageProgramme(64));
    image->setAlignment(Qt::AlignTop);

    auto* nom = new QLabel(QStringLiteral("Tarvinel"));
    QFont gras(QStringLiteral("Arial"));
    gras.setPointSize(16);
    gras.setBold(true);
    nom->setFont(gras);
    auto* version = new QLabel(QStringLiteral("Version 1.0"));
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
    disposition->addWidget(boutons, 3, 0, 1, 2);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
}
