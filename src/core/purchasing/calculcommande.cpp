#include "core/purchasing/calculcommande.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <optional>

namespace {

using namespace ColonneCommande;

struct LigneLue {
    double quantite = 0;
    double prix = 0;
    double remise = 0;
    std::optional<int> code; // the bucket 0 to 2, none when the code was not read
};

// Reads a row in the order of its conversions, formatting what it reads as it goes; the first
// number that does not read ends the reading.
LigneLue lisLigne(QStringList& cellules, const TParametresCommande& p) {
    LigneLue lue;
    try {
        const QString quantite = cellules[Quantite].trimmed();
        lue.quantite = Real48(StrToFloat(quantite.left(quantite.indexOf(u' '))));
        if (!cellules[PrixUnitaire].isEmpty())
            lue.prix = Real48(LitMontant(cellules[PrixUnitaire].trimmed()));
        cellules[PrixUnitaire] =
            Rset(FormatFloat(p.fmtMontant, lue.prix), AlignementMontantCommande, p.mesure);
        if (cellules[Tva].isEmpty())
            cellules[Tva] = QStringLiteral("1");
        const int code = StrToInt(cellules[Tva].trimmed());
        lue.code = code >= 1 && code <= 3 ? code - 1 : 0;
        if (!cellules[Remise].isEmpty())
            lue.remise = Real48(StrToFloat(cellules[Remise].trimmed()));
    } catch (const UserError&) {
    }
    return lue;
}

QString texte(const TParametresCommande& p, double valeur) {
    return FormatFloat(p.fmtMontant, valeur);
}

} // namespace

TTotauxCommande CalculeCommande(QList<QStringList>& lignes, const TParametresCommande& p) {
    std::array<double, 3> buckets{};
    for (QStringList& cellules : lignes) {
        const QString quantite = cellules[Quantite].trimmed();
        cellules[Quantite] = Rset(quantite, AlignementQuantite, p.mesure);
        if (quantite.isEmpty())
            continue;
        const LigneLue lue = lisLigne(cellules, p);
        const double brut = Real48(lue.quantite * lue.prix);
        const double reduction = Real48(brut * lue.remise * 0.01);
        const double montant = MontantAffiche(p.fmtMontant, Real48(brut - reduction));
        if (lue.code)
            buckets[*lue.code] = Real48(buckets[*lue.code] + montant);
        cellules[Montant] = Rset(texte(p, montant), AlignementMontantCommande, p.mesure);
    }

    TTotauxCommande t;
    std::array<double, 3> tva{};
    for (int k = 0; k < 3; ++k) {
        if (p.ttc) {
            const double ht = Real48(buckets[k] / (p.tauxTVA[k] * 0.01 + 1));
            tva[k] = Real48(buckets[k] - ht);
        } else {
            tva[k] = Real48(buckets[k] * p.tauxTVA[k] * 0.01);
        }
    }
    const double somme = buckets[0] + buckets[1] + buckets[2];
    t.tva = Real48(tva[0] + tva[1] + tva[2]);
    if (p.ttc) {
        t.ttc = Real48(somme);
        t.ht = Real48(somme - tva[0] - tva[1] - tva[2]);
    } else {
        t.ht = Real48(somme);
        t.ttc = Real48(somme + tva[0] + tva[1] + tva[2]);
    }
    t.francs = Real48(t.ttc * p.tauxEuro);
    t.texteHT = texte(p, t.ht);
    t.texteTVA = texte(p, t.tva);
    t.texteTTC = texte(p, t.ttc);
    t.texteFrancs = texte(p, t.francs);
    return t;
}
