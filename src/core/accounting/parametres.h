#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>

// The six account numbers of the journal, in the order of the settings file: clients, rents,
// charges, VAT, tax, housing allowance.
using Comptes = std::array<QString, 6>;

// An account number as its field keeps it on leaving: trimmed, "00000" added, the first six
// characters kept ("411" gives "411000", "1234567" gives "123456", nothing gives "00000").
QString NormaliseCompte(const QString& texte);

// The order parameters: the three VAT rates in percent, the decimals of amounts and the
// payment conditions offered on orders.
struct TParametresCommandes {
    std::array<double, 3> tauxTVA{};
    int nbDecimales = 2;
    QStringList reglements;
};

// The payment conditions the parameters dialog shows: five at most.
constexpr int NbConditions = 5;

// The key filter of a rate: a full stop becomes a comma, digits and the comma pass; a null
// QChar for a key to discard.
QChar filtreTaux(QChar touche);
// A rate as its field shows it: "19,60".
QString TexteTaux(double taux);
// The parameters as the dialog gives them back on "OK": each rate read (decimal comma), the
// non-empty conditions in order. A rate that does not read, or a condition that the dossier's
// files cannot hold, stops with its message and nothing is taken.
TParametresCommandes LitParametres(const std::array<QString, 3>& taux, int nbDecimales,
                                   const std::array<QString, NbConditions>& conditions);
// The amount format of a number of decimals: "0", "0.0" or "0.00"; `actuel` for any other.
QString FormatMontant(int nbDecimales, const QString& actuel);
