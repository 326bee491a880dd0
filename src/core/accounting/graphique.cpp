#include "core/accounting/graphique.h"

#include "core/common/conversions.h"

#include <algorithm>
#include <cmath>

namespace Graphique {

namespace {

// Far beyond any turnover, and still far from the limits of the product by 280.
constexpr double Borne = 1e15;

// The nearest whole number, halves to the even neighbour (the processor's default rounding).
qint64 arrondi(double valeur) {
    return qint64(std::nearbyint(std::clamp(Real48(valeur), -Borne, Borne)));
}

} // namespace

QList<qint64> Valeurs(const QStringList& textes) {
    QList<qint64> valeurs;
    for (qsizetype i = std::max<qsizetype>(0, textes.size() - MaxValeurs); i < textes.size(); ++i)
        valeurs.append(arrondi(StrToFloat(textes[i].trimmed())));
    return valeurs;
}

QList<QRect> Barres(const QList<qint64>& valeurs) {
    const qint64 plusGrande = std::max<qint64>(
        0, valeurs.isEmpty() ? 0 : *std::max_element(valeurs.begin(), valeurs.end()));
    QList<QRect> barres;
    if (plusGrande == 0)
        return barres;
    for (qsizetype i = 0; i < valeurs.size(); ++i) {
        // In 64 bits, so that no amount overflows the product.
        const int hauteur = int(valeurs[i] * HauteurMax / plusGrande);
        const int x = Origine + Pas * int(i);
        barres.append(hauteur >= 0 ? QRect(x, Axe - hauteur, LargeurBarre, hauteur)
                                   : QRect(x, Axe, LargeurBarre, -hauteur));
    }
    return barres;
}

} // namespace Graphique
