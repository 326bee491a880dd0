#include "ui/store/tdialoguesaisie.h"

#include "core/store/saisies.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Pasted text goes through the rule of the typed keys: refused when a character of it would be.
class ValidateurSaisie : public QValidator {
public:
    ValidateurSaisie(const TSaisieDef& def, QObject* parent) : QValidator(parent), m_def(def) {}
    State validate(QString& texte, int&) const override {
        for (QChar c : std::as_const(texte))
            if (!m_def.accepte(c))
                return Invalid;
        return Acceptable;
    }

private:
    const TSaisieDef& m_def;
};

} // namespace

TDialogueSaisie::TDialogueSaisie(const TSaisieDef& def, QWidget* parent)
    : QDialog(parent), m_def(def), m_edit(new QLineEdit) {
    setWindowTitle(def.titre);
    auto* libelle = new QLabel(def.libelle);
    libelle->setBuddy(m_edit);
    m_edit->setAccessibleName(def.libelle);
    m_edit->setMinimumWidth(180);
    m_edit->installEventFilter(this);
    m_edit->setValidator(new ValidateurSaisie(def, m_edit));

    auto* annuler = new QPushButton(QStringLiteral("Annuler"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    annuler->setAutoDefault(false);
    ok->setAutoDefault(false);
    connect(annuler, &QPushButton::clicked, this, [this] {
        m_ok = false;
        reject();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_ok = true;
        accept();
    });

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(annuler);
    boutons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(libelle);
    layout->addWidget(m_edit);
    layout->addLayout(boutons);
}

void TDialogueSaisie::Init(const QString& texte) {
    m_edit->setText(texte);
}

std::optional<QString> TDialogueSaisie::Result() const {
    if (!m_ok)
        return std::nullopt;
    return m_def.resultat(m_edit->text());
}

void TDialogueSaisie::showEvent(QShowEvent* event) {
    m_ok = false;
    m_edit->setFocus();
    m_edit->selectAll();
    QDialog::showEvent(event);
}

bool TDialogueSaisie::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        m_ok = true;
        accept();
        return true;
    }
    const QString text = key->text();
    if (text.size() == 1 && text[0].isPrint() && !m_def.accepte(text[0]))
        return true;
    return QDialog::eventFilter(watched, event);
}
