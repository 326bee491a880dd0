#pragma once

#include "core/store/tlistebase.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTest>

// The button of a view by its text.
inline QPushButton* bouton(QWidget* vue, const QString& texte) {
    for (QPushButton* b : vue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

inline QString cellule(QTableView* grille, int ligne, int colonne) {
    return grille->model()->index(ligne, colonne).data().toString().trimmed();
}

// Types into the cell of the grid as a user would: the first key opens the cell's editor,
// the others go to the editor.
inline void tapeCellule(QTableView* grille, int ligne, int colonne, const QString& texte) {
    grille->setFocus();
    grille->setCurrentIndex(grille->model()->index(ligne, colonne));
    QTest::keyClick(grille, char(texte[0].unicode()));
    for (QChar c : texte.mid(1))
        QTest::keyClick(QApplication::focusWidget(), char(c.unicode()));
}

// The block of a base file between its opening and closing lines, both included.
inline QStringList bloc(const QStringList& lignes, int cle) {
    const qsizetype debut = lignes.indexOf(TListeBase::openingLine(cle));
    const qsizetype fin = lignes.indexOf(TListeBase::closingLine(cle));
    return debut < 0 || fin < debut ? QStringList() : lignes.mid(debut, fin - debut + 1);
}
