#include "core/documents/lignesloyer.h"

#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/documents/documentlu.h"

QList<TLigneLoyer> LignesLoyer(const TMontantsLoyer& montants) {
    QList<TLigneLoyer> lignes{
        {QStringLiteral("Loyer mensuel"), montants.loyer.trimmed()},
        {QStringLiteral("Provision pour charges"), montants.charges.trimmed()}};
    if (!montants.taxes.trimmed().isEmpty())
        lignes.append({QStringLiteral("Taxe Additionnelle"), montants.taxes.trimmed()});
    if (!montants.apl.trimmed().isEmpty())
        lignes.append({QStringLiteral("APL"), u'-' + montants.apl.trimmed()});
    return lignes;
}

std::optional<double> MontantCompte(const QString& fmtMontant, const QString& texte) {
    if (texte.isEmpty())
        return std::nullopt;
    const std::optional<double> valeur = ValeurMontant(texte);
    if (!valeur)
        return std::nullopt;
    return MontantAffiche(fmtMontant, *valeur);
}

double TotalLoyer(const TMontantsLoyer& montants, const QString& fmtMontant) {
    double total = 0;
    for (const TLigneLoyer& ligne : LignesLoyer(montants))
        if (const std::optional<double> montant = MontantCompte(fmtMontant, ligne.montant))
            total = Real48(total + *montant);
    return total;
}
