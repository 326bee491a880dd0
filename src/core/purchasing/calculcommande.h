#pragma once

#include "core/common/montants.h"
#include "core/documents/calculdocument.h"
#include "core/documents/tgrilledocument.h"
#include <QList>
#include <QStringList>
#include <array>

// The columns of an order's line grid.
namespace ColonneCommande {
enum : int { Ref, Designation, Quantite, PrixUnitaire, Remise, Montant, Tva, NbColonnes };
}

// Computes an order (Calculec): each row with a quantity gets its quantity right-aligned,
// its unit price formatted, its VAT code ("1" when empty) and its amount, quantity × price
// less the discount in percent; a row without quantity is left as it is. The amounts go into
// three buckets by VAT code (a code outside 1 to 3 counts as 1) and the VAT is computed once
// per bucket: on the amounts before tax, or taken out of the amounts tax included. Every
// intermediate value passes through the 6-byte real. A number that does not read ends the
// reading of its row; what was not read counts as zero, and a row whose VAT code was not
// read adds to no bucket. Each row holds the seven cells of ColonneCommande.
TTotauxDocument CalculeCommande(QList<QStringList>& lignes, const TParametresCalcul& p);

// The widths in pixels that quantities and amounts are right-aligned to.
constexpr int AlignementQuantite = 80;
constexpr int AlignementMontantCommande = 90;

// The order's grid, the longest cells such that a stored row, amounts aligned with blanks,
// stays within what a tagged line of a block holds. Enter gives a row without VAT code the
// code "1".
QList<TColonneGrille> ColonnesCommande();
