#pragma once

#include "core/common/montants.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// What a document's computation needs: the pricing mode of an order, the three VAT rates in
// percent, the francs per euro and the amount format with the text measure of the window's
// font (none when no cell is shown: the cells are then only trimmed).
struct TParametresCalcul {
    bool ttc = false; // prices tax included
    std::array<double, 3> tauxTVA{};
    double tauxEuro = 6.55957;
    QString fmtMontant = QStringLiteral("0.00");
    TMesureTexte mesure = {};
};

// The totals of a document, as values and as the texts shown (formatted, not aligned). A rent
// document has neither VAT nor prices before tax: its total is both the total before tax and
// the total with tax.
struct TTotauxDocument {
    double ht = 0;
    double tva = 0;
    double ttc = 0;
    double francs = 0;
    QString texteHT;
    QString texteTVA;
    QString texteTTC;
    QString texteFrancs;
};

// The computation of a kind of document: formats the cells of its rows as the page shows them
// and gives the totals. The page and the runs over a whole base (statistics, journal) call the
// same one, so that a total is computed in one place.
using TCalculDocument = TTotauxDocument (*)(QList<QStringList>& lignes, const TParametresCalcul& p);

// The Rset width of a rent document's amounts.
constexpr int AlignementMontant = 90;

// The computation of the rent documents (Calculeq and its kin): each amount that reads is
// formatted and right-aligned, and the total adds the amounts as shown; an amount that does not
// read is left as typed and counts nothing. Rows hold the cells of TGrilleDocument.
TTotauxDocument CalculeLoyers(QList<QStringList>& lignes, const TParametresCalcul& p);

// The totals texts of computed values.
void FormateTotaux(TTotauxDocument& totaux, const TParametresCalcul& p);

// An amount cell as the documents count it, through the 6-byte real; nothing for a text that
// does not read as an amount (LitMontant), which counts nothing.
std::optional<double> ValeurMontant(const QString& texte);
