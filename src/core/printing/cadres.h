#pragma once

#include "core/printing/tfeuille.h"

// The ruled frames of the documents, with their column titles: the lines zone from 90 to
// 245 mm, the totals band below it down to 270 mm.

// Rent receipts and due notices (Dessin), payment receipts (Dessin7, the same frame).
void Dessin(TFeuille& feuille);
void Dessin7(TFeuille& feuille);
// Orders (Dessin6): seven columns, the amount titled after the pricing mode, and the three
// totals captions. The column rules end at `basColonnes` mm: 245, or above the memo, which
// spans the columns.
void Dessin6(TFeuille& feuille, bool ttc, int basColonnes = 245);
