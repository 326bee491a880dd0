#include "core/charges/chargesreelles.h"

#include "core/common/conversions.h"
#include "core/documents/documentlu.h"
#include "core/store/tlistebase.h"

namespace {

TChargesLot lu(const TListeBase& charges, qsizetype ouverture) {
    TChargesLot lot;
    lot.lot = charges.champ(ouverture, 1).trimmed();
    lot.annee = charges.champ(ouverture, 2).trimmed().toInt();
    for (qsizetype i = ouverture + 3; i < charges.finContenu(ouverture); ++i) {
        const QStringList cellules = TListeBase::cellules(charges.line(i), 2);
        lot.charges.append({cellules.value(0), cellules.value(1)});
    }
    return lot;
}

} // namespace

double TChargesLot::total() const {
    double somme = 0;
    for (const TCharge& charge : charges)
        if (const std::optional<double> valeur = ValeurMontant(charge.montant))
            somme = Real48(somme + *valeur);
    return somme;
}

namespace ChargesReelles {

QList<TChargesLot> Toutes(const TListeBase& charges) {
    QList<TChargesLot> toutes;
    for (const TListeBase::Position& bloc : charges.blocs())
        toutes.append(lu(charges, bloc.ligne));
    return toutes;
}

std::optional<TChargesLot> Lit(const TListeBase& charges, const QString& lot, int annee) {
    for (const TListeBase::Position& bloc : charges.blocs())
        if (charges.champ(bloc.ligne, 1).trimmed() == lot.trimmed() &&
            charges.champ(bloc.ligne, 2).trimmed().toInt() == annee)
            return lu(charges, bloc.ligne);
    return std::nullopt;
}

void Ecrit(TListeBase& charges, const TChargesLot& lot) {
    QStringList corps{TListeBase::surUneLigne(lot.lot.trimmed()), QString::number(lot.annee)};
    for (const TCharge& charge : lot.charges)
        if (!charge.montant.trimmed().isEmpty())
            corps.append(TListeBase::celluleGrille(charge.categorie) + u'\t' +
                         TListeBase::celluleGrille(charge.montant.trimmed()));
    for (const QString& ligne : std::as_const(corps))
        TListeBase::verifieLigne(ligne);
    int cle = -1;
    for (const TListeBase::Position& bloc : charges.blocs())
        if (charges.champ(bloc.ligne, 1).trimmed() == lot.lot.trimmed() &&
            charges.champ(bloc.ligne, 2).trimmed().toInt() == lot.annee)
            cle = bloc.cle;
    if (corps.size() == 2) {
        if (cle >= 0) {
            charges.supprime(cle);
        }
        return;
    }
    if (cle < 0)
        cle = charges.countBlocks();
    charges.store(cle, corps);
}

} // namespace ChargesReelles
