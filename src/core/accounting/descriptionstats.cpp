#include "core/accounting/descriptionstats.h"

#include <array>

namespace {

const std::array<TDescriptionStats, 4> Descriptions = {{
    {SorteStats::Mois,
     QStringLiteral("TStatsV"),
     QStringLiteral("Statistiques sur les mois"),
     536,
     343,
     {64, 321, 126},
     {QString(), QStringLiteral("Mois"), QStringLiteral("C.A. mois")},
     2,
     120,
     QStringLiteral("Statistiques ventes au "),
     false,
     false},
    {SorteStats::Locataires,
     QStringLiteral("TStatsC"),
     QStringLiteral("Statistiques sur les locataires"),
     536,
     343,
     {64, 63, 294, 85},
     {QString(), QStringLiteral("Code"), QStringLiteral("Nom"), QStringLiteral("C.A. HT")},
     3,
     80,
     QStringLiteral("Statistiques clients au "),
     true,
     true},
    {SorteStats::Lots,
     QStringLiteral("TStatsL"),
     QStringLiteral("Statistiques sur les lots"),
     502,
     343,
     {64, 313, 92},
     {QString(), QStringLiteral("Représentant"), QStringLiteral("C.A. HT")},
     2,
     80,
     QStringLiteral("Statistiques représentants au "),
     true,
     false},
    {SorteStats::Fournisseurs,
     QStringLiteral("TStatsF"),
     QStringLiteral("Statistiques sur les fournisseurs"),
     536,
     343,
     {64, 63, 294, 85},
     {QString(), QStringLiteral("Code"), QStringLiteral("Nom"), QStringLiteral("C.A. HT")},
     3,
     80,
     QStringLiteral("Statistiques clients au "),
     true,
     true},
}};

} // namespace

const TDescriptionStats& descriptionStats(SorteStats sorte) {
    return Descriptions[std::size_t(sorte)];
}
