#pragma once

#include "common/montants.h"

#include <QString>

// What the record pages share with the record window: the amount format, the francs per
// euro of the document totals and the measure of texts in the window's font.
struct TContextePage {
    QString fmtMontant = QStringLiteral("0.00");
    double tauxEuro = 6.55957;
    TMesureTexte mesure = [](const QString& texte) { return int(texte.size()) * 6; };
};
