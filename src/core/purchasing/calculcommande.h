#pragma once

#include "core/common/montants.h"

#include <QList>
#include <QStringList>

#include <array>

// The columns of an order's line grid.
namespace ColonneCommande {
enum : int { Ref, Designation, Quantite, PrixUnitaire, Remise, Montant, Tva, NbColonnes };
}

// What an order's computation needs: the pricing mode, the three VAT rates in percent, the
// francs per euro and the amount format with the text measure of the window's font.
struct TParametresCommande {
    bool ttc = false; // prices tax included
    std::array<double, 3> tauxTVA{};
    double tauxEuro = 6.55957;
    QString fmtMontant = QStringLiteral("0.00");
    TMesureTexte mesure;
};

// The four totals of an order, as values and as the texts shown (formatted, not aligned).
struct TTotauxCommande {
    double ht = 0;
    double tva = 0;
    double ttc = 0;
    double francs = 0;
    QString texteHT;
    QString texteTVA;
    QString texteTTC;
    QString texteFrancs;
};

// Computes an order (Calculec): each row with a quantity gets its quantity right-aligned,
// its unit price formatted, its VAT code ("1" when empty) and its amount, quantity × price
// less the discount in percent; a row without quantity is left as it is. The amounts go into
// three buckets by VAT code (a code outside 1 to 3 counts as 1) and the VAT is computed once
// per bucket: on the amounts before tax, or taken out of the amounts tax included. Every
// intermediate value passes through the 6-byte real. A number that does not read ends the
// reading of its row; what was not read counts as zero, and a row whose VAT code was not
// read adds to no bucket. Each row holds the seven cells of ColonneCommande.
TTotauxCommande CalculeCommande(QList<QStringList>& lignes, const TParametresCommande& p);

// The widths in pixels that quantities and amounts are right-aligned to.
constexpr int AlignementQuantite = 80;
constexpr int AlignementMontantCommande = 90;
