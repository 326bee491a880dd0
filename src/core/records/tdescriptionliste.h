#pragma once

#include "core/store/bases.h"

#include <QList>
#include <QStringList>

// The three kinds of list dialogs that show a base and hand back the record picked.
enum class SorteListe {
    Fiches,    // a grid: the block key (hidden), the row's number, then seven fields
    Codes,     // a list box of "code name" items, "Annuler" and "OK" below
    Documents, // a list box of the blocks of keys 0, 1, 2..., arrows and "Fermer" above
};

// What one list dialog shows of its base.
struct TDescriptionListe {
    SorteListe sorte;
    Base base;
    QString titre;
    // The block lines shown, counted from 1 after the opening line: the seven columns of a
    // grid, the code and the name of a code list, the fields of a document list (the first
    // one, the document number, without its four-letter tag).
    QList<int> lignes;
    QStringList entetes = {}; // grids: the headers of the seven field columns
    QList<int> largeurs = {}; // grids: the widths of the seven field columns
    int lignesMin = 0;        // code lists: the lines a block needs after its opening line
};

// The record tables of the tenants, the suppliers and the lots.
extern const TDescriptionListe TFListe;
extern const TDescriptionListe TFListe2;
extern const TDescriptionListe TFListe3;
// The code lists of the tenants and the suppliers.
extern const TDescriptionListe TListeLoc;
extern const TDescriptionListe TListeFour;
// The document lists.
extern const TDescriptionListe TQuitListe;
extern const TDescriptionListe TAvisListe;
extern const TDescriptionListe TCmdListe;
extern const TDescriptionListe TFactListe;

// The list of a kind that shows a base, or none when that base has no such list.
const TDescriptionListe* descriptionListe(SorteListe sorte, Base base);

// The widths of the nine columns of a grid: the hidden key, the row's number, the fields.
QList<int> largeursColonnes(const TDescriptionListe& description);
