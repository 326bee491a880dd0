#pragma once

#include <QList>
#include <QStringList>

class TListeBase;
struct TDescriptionListe;

// One row of a list dialog: the key of the block it shows and its cells (one for a list box).
struct TLigneListe {
    int cle;
    QStringList cellules;
};

// The rows a list dialog shows of a base:
// - a grid: one row per opening line, in list order: the key as four digits, the row's number
//   from 1, then the lines of its columns, blank where the block ends first;
// - a code list: "code name" for each block holding the lines it needs, in list order;
// - a document list: the blocks of keys 0, 1, 2... up to the first key missing, each as its
//   number without the tag, then its other lines, two blanks before each.
QList<TLigneListe> lignesListe(const TDescriptionListe& description, const TListeBase& base);
