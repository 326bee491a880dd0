#include "ui/accounting/tparamc.h"

#include "ui/common/boutonsdialogue.h"
#include "ui/common/questions.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TParamc::TParamc(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Paramètres de la commande"));

    auto* groupeTaux = new QGroupBox(QStringLiteral("Taux de TVA"));
    auto* formeTaux = new QFormLayout(groupeTaux);
    for (int i = 0; i < int(m_taux.size()); ++i) {
        const QString libelle = QStringLiteral("Taux %1").arg(i + 1);
        m_taux[i] = new QLineEdit;
        m_taux[i]->setAccessibleName(libelle);
        m_taux[i]->setFixedWidth(m_taux[i]->fontMetrics().horizontalAdvance(u'0') * 8 + 12);
        m_taux[i]->installEventFilter(this);
        formeTaux->addRow(libelle, m_taux[i]);
    }

    auto* formeMontants = new QFormLayout;
    formeMontants->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_decimales = new QSpinBox;
    m_decimales->setRange(0, 2);
    m_decimales->setAccessibleName(QStringLiteral("Décimales"));
    formeMontants->addRow(QStringLiteral("Décimales"), m_decimales);
    auto* devise = new QLabel(QStringLiteral("Euro, 1 € = 6,55957 F"));
    devise->setAccessibleName(QStringLiteral("Devise"));
    formeMontants->addRow(QStringLiteral("Devise"), devise);

    auto* groupeConditions = new QGroupBox(QStringLiteral("Conditions de paiement"));
    auto* lignesConditions = new QVBoxLayout(groupeConditions);
    for (int i = 0; i < NbConditions; ++i) {
        m_conditions[i] = new QLineEdit;
        m_conditions[i]->setAccessibleName(QStringLiteral("Condition %1").arg(i + 1));
        m_conditions[i]->setMinimumWidth(m_conditions[i]->fontMetrics().horizontalAdvance(u'x') *
                                         36);
        lignesConditions->addWidget(m_conditions[i]);
    }

    auto* page = new QVBoxLayout(this);
    page->addWidget(groupeTaux);
    page->addLayout(formeMontants);
    page->addWidget(groupeConditions);
    page->addSpacing(8);
    page->addLayout(boutonsAnnulerOk(this));
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void TParamc::Init(const TParametresCommandes& parametres) {
    for (std::size_t i = 0; i < m_taux.size(); ++i)
        m_taux[i]->setText(TexteTaux(parametres.tauxTVA[i]));
    for (int i = 0; i < NbConditions; ++i)
        m_conditions[i]->setText(parametres.reglements.value(i));
    m_decimales->setValue(parametres.nbDecimales);
}

void TParamc::accept() {
    std::array<QString, 3> taux;
    for (std::size_t i = 0; i < taux.size(); ++i)
        taux[i] = m_taux[i]->text();
    std::array<QString, NbConditions> conditions;
    for (int i = 0; i < NbConditions; ++i)
        conditions[i] = m_conditions[i]->text();
    if (execute([&] { m_resultat = LitParametres(taux, m_decimales->value(), conditions); }))
        QDialog::accept();
}

bool TParamc::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, evenement);
    auto* edit = qobject_cast<QLineEdit*>(objet);
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if (!edit)
        return false;
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        accept();
        return true;
    }
    // Backspace, Tab, the moves and the shortcuts pass; a text typed goes through the filter.
    if (touche->text().isEmpty() || !touche->text().front().isPrint())
        return false;
    for (QChar typee : touche->text())
        if (const QChar c = filtreTaux(typee); !c.isNull())
            edit->insert(c);
    return true;
}
