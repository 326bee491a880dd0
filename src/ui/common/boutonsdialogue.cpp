#include "ui/common/boutonsdialogue.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* boutonsAnnulerOk(QDialog* dialogue) {
    auto* annuler = new QPushButton(QStringLiteral("Annuler"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(annuler, &QPushButton::clicked, dialogue, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, dialogue, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(annuler);
    boutons->addWidget(ok);
    return boutons;
}
