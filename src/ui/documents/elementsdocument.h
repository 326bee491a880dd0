#pragma once

#include <Qt>

class DelegueGrille;
class QLabel;
class QPlainTextEdit;
class QString;
class QTableView;
class QWidget;
class TGrilleDocument;

// The pieces that the document pages (rent documents and orders) build alike.

// A read-only value: a total, the status, the amount in words; its accessible name is `nom`.
QLabel* valeurAffichee(const QString& nom, Qt::Alignment alignement);
// A total in its sunken frame, wide enough for 14 digits.
QLabel* totalAffiche(const QString& nom);

// The view of a line grid, with the keys its columns declare; `delegue` receives the grid's
// delegate, whose finSaisie the page answers.
QTableView* vueGrille(TGrilleDocument& grille, DelegueGrille*& delegue);

// The memo below a page, captioned `libelle`, four lines high, in `panneau`.
QWidget* panneauMemo(const QString& libelle, QPlainTextEdit*& memo);
