#include "core/documents/lignesloyer.h"

#include "core/documents/calculdocument.h"
#include "core/documents/tgrilledocument.h"

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

double TotalLoyer(const TMontantsLoyer& montants, const QString& fmtMontant) {
    QList<QStringList> lignes;
    for (const TLigneLoyer& ligne : LignesLoyer(montants)) {
        QStringList cellules(TGrilleDocument::NbColonnes);
        cellules[TGrilleDocument::Designation] = ligne.designation;
        cellules[TGrilleDocument::Montant] = ligne.montant;
        lignes.append(cellules);
    }
    return CalculeLoyers(lignes, {.fmtMontant = fmtMontant}).ttc;
}
