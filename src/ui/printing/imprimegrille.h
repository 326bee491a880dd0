#pragma once

#include <QString>

class QTableView;

// Prints the rows 1 to `nbLignes` of a grid window's table (ImpGrille) under its column titles,
// its columns as wide as on screen; the job is titled `titre` and its pages headed by
// `entete` and the day's date.
void ImprimeGrille(const QTableView& vue, const QString& titre, const QString& entete,
                   int nbLignes);
