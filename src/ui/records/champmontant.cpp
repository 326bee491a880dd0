#include "champmontant.h"

#include "common/montants.h"

#include <QKeyEvent>
#include <QLineEdit>

void FiltreMontant::installe(QLineEdit* edit) {
    edit->installEventFilter(new FiltreMontant(edit));
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
