#pragma once

#include "core/printing/tcanevas.h"

#include <QDate>
#include <QList>
#include <QStringList>

// A grid as its window shows it: the texts of its rows, the first holding the column titles,
// the width of each column and of the whole grid in screen pixels, and its font.
struct TGrilleImprimee {
    QList<QStringList> cellules;
    QList<int> largeurs;
    int largeurControle = 0;
    QString police;
    int taille = 8; // points
};

// Prints grid rows 1 to `nbLignes` as a ruled table under a header of the page heading and
// "Imprimé le " + the day's date, and of row 0 in a silver band; the columns are as wide as on
// screen, scaled to the page; a page full down to its bottom margin goes on to the next, its
// header again. All in printer pixels: margins of a 25th of the page.
void ImpGrille(TCanevas& canevas, const TGrilleImprimee& grille, const QString& entete,
               int nbLignes, const QDate& jour);
TTravailImpression travailGrille(const TGrilleImprimee& grille, const QString& titre,
                                 const QString& entete, int nbLignes, const QDate& jour);
