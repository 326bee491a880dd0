#pragma once

#include "core/gestion/ttableau.h"

class TFiche;

// "Revenus fonciers de l'année...": for the year `annee`, per lot (through the tenant's
// "N° lot"), the rows "Loyer mensuel" (Loyers), "Provision pour charges" (Charges) and the
// other rows (Autres) of the validated receipts dated in that year. The "APL" rows count
// nothing: the allowance is part of the rent received, which the rent row holds whole. Then
// the validated orders dated in that year, tax included, as expenses; then, one row each,
// the receipts whose tenant cannot be found, has no lot or a lot that cannot be found; last
// the totals. Net = Loyers + Charges + Autres -
// Dépenses. The order page is read through and left on the order it showed.
TTableau RevenusFonciers(TFiche& fiche, int annee);
