#include "ui/store/tdialoguetri.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TDialogueTri::TDialogueTri(const QStringList& criteres, QWidget* parent)
    : QDialog(parent), m_groupe(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Trier"));
    auto* groupe = new QGroupBox(QStringLiteral("Trier par"));
    auto* choix = new QVBoxLayout(groupe);
    for (int rang = 0; rang < criteres.size(); ++rang) {
        auto* bouton = new QRadioButton(criteres[rang]);
        m_groupe->addButton(bouton, rang);
        choix->addWidget(bouton);
    }

    auto* anuler = new QPushButton(QStringLiteral("Anuler"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(anuler, &QPushButton::clicked, this, [this] {
        m_ok = false;
        reject();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_ok = true;
        accept();
    });
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(anuler);
    boutons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupe);
    layout->addLayout(boutons);
    setMinimumWidth(220);
}

int TDialogueTri::Result() const {
    return m_ok ? m_groupe->checkedId() : -1;
}
