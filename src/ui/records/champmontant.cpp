#include "ui/records/champmontant.h"

#include "core/common/montants.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

// Pasted or dropped text goes through the rule of the typed keys; the edit refuses the change
// when a character of it would be discarded.
class ValidateurMontant : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        const QString garde = filtreTexteMontant(texte);
        if (garde.isNull())
            return Invalid;
        texte = garde;
        return Acceptable;
    }
};

} // namespace

void FiltreMontant::installe(QLineEdit* edit) {
    edit->installEventFilter(new FiltreMontant(edit));
    edit->setValidator(new ValidateurMontant(edit));
}

bool FiltreMontant::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar kept = filtreMontant(text[0]);
    if (kept.isNull())
        return true;
    if (kept != text[0]) {
        static_cast<QLineEdit*>(watched)->insert(QString(kept));
        return true;
    }
    return false;
}
