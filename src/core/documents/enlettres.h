#pragma once

#include <QString>

// A signed integer in French words, in the wording printed on the receipts: every word is
// preceded by one blank (" zéro", " dix sept", " quatre-vingts", " deux cents", " mille",
// " deux millions"), a negative value starts with "moins".
QString EnLettres(int value);

// The amount in words of a document total: "Mille deux cent trente quatre Euros -  cinquante
// Cts". Euros and cents are both taken from the total rounded to the cent, so the words always
// say the amount that the total field shows. Throws UserError when the euros do not fit the
// words (two thousand million and more).
QString MontantEnLettres(double total);
