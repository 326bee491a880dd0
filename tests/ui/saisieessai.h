#pragma once

#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QWidget>

// The `rang`-th widget of a kind whose accessible name is `nom`: fields are found by their
// label, as a screen reader finds them.
template <typename W = QLineEdit> W* champ(QWidget* vue, const QString& nom, int rang = 0) {
    QList<W*> trouves;
    for (W* w : vue->findChildren<W*>())
        if (w->accessibleName() == nom)
            trouves << w;
    return trouves.value(rang);
}

// Types into a field reached with Tab, as a user would, accented letters included.
inline void tape(QWidget* widget, const QString& texte) {
    widget->setFocus(Qt::TabFocusReason);
    for (QChar c : texte) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}
