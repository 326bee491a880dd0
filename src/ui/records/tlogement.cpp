#include "ui/records/tlogement.h"

#include "core/store/selections.h"
#include "ui/common/boutonsdialogue.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

TLogement::TLogement(QWidget* parent) : QDialog(parent), m_types(new QComboBox) {
    setWindowTitle(QStringLiteral("Type de lot"));
    const QString libelle = QStringLiteral("Chauffeur");
    auto* etiquette = new QLabel(libelle);
    etiquette->setBuddy(m_types);
    m_types->setEditable(true);
    m_types->setInsertPolicy(QComboBox::NoInsert);
    m_types->setAccessibleName(libelle);
    m_types->setMinimumWidth(220);

    auto* page = new QVBoxLayout(this);
    page->addWidget(etiquette);
    page->addWidget(m_types);
    page->addLayout(boutonsAnnulerOk(this));
}

void TLogement::Init(const QStringList& types, const QString& courant) {
    m_types->clear();
    m_types->addItems(types);
    m_types->setCurrentText(courant);
    setResult(Rejected);
}

std::optional<QString> TLogement::Result() const {
    if (result() != Accepted)
        return std::nullopt;
    return majusculesAscii(m_types->currentText());
}
