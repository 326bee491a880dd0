#pragma once

#include "core/common/montants.h"

#include <QString>

#include <array>
#include <functional>

// What the record pages share with the record window: the amount format, the francs per
// euro of the document totals, the VAT rates of the orders as the settings hold them and the
// measure of texts in the window's font.
struct TContextePage {
    QString fmtMontant = QStringLiteral("0.00");
    double tauxEuro = 6.55957;
    std::function<std::array<double, 3>()> tauxTVA = [] { return std::array<double, 3>{}; };
    TMesureTexte mesure = [](const QString& texte) { return int(texte.size()) * 6; };
};
