#include "ui/printing/tmpage.h"

#include "ui/common/boutonsdialogue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A radio group: a titled box of exclusive choices, the first one chosen.
QButtonGroup* groupe(const QString& titre, const QStringList& elements, QVBoxLayout* page,
                     QWidget* parent) {
    auto* boite = new QGroupBox(titre);
    auto* colonne = new QVBoxLayout(boite);
    auto* choix = new QButtonGroup(parent);
    for (int i = 0; i < elements.size(); ++i) {
        auto* bouton = new QRadioButton(elements[i]);
        choix->addButton(bouton, i);
        colonne->addWidget(bouton);
    }
    choix->button(0)->setChecked(true);
    boite->setAccessibleName(titre);
    page->addWidget(boite);
    return choix;
}

} // namespace

TMPage::TMPage(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Mise en page"));
    auto* page = new QVBoxLayout(this);
    m_papier =
        groupe(QStringLiteral("Type de papier"),
               {QStringLiteral("Papier blanc"), QStringLiteral("Papier à en-tête")}, page, this);
    m_orientation = groupe(QStringLiteral("Orientation enveloppe"),
                           {QStringLiteral("Portrait"), QStringLiteral("Paysage")}, page, this);
    m_guide = new QCheckBox(QStringLiteral("Guide enveloppe à droite"));
    page->addWidget(m_guide);
    page->addSpacing(8);
    page->addLayout(boutonsAnnulerOk(this));
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void TMPage::Init(const TMiseEnPage& m) {
    m_papier->button(m.typePapier)->setChecked(true);
    m_orientation->button(m.orientation)->setChecked(true);
    m_guide->setChecked(m.guide);
}

TMiseEnPage TMPage::Result() const {
    if (result() != QDialog::Accepted)
        return {m_papier->checkedId(), -1, m_guide->isChecked()};
    return {m_papier->checkedId(), m_orientation->checkedId(), m_guide->isChecked()};
}
