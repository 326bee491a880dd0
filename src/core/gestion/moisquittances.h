#pragma once

#include <QString>
#include <optional>

// A month text of the receipts ("Décembre 2026") as year * 100 + month; nothing when its
// name is not a month's or its year not a number.
std::optional<int> MoisAnnee(const QString& texte);
// The month text of year * 100 + month.
QString TexteMoisAnnee(int moisAnnee);
// The month after year * 100 + month.
int MoisSuivant(int moisAnnee);
