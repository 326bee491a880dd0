#include "core/charges/regularisation.h"

#include "core/common/conversions.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/documentlu.h"
#include "core/gestion/ttableau.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"
#include "core/store/tlistebase.h"

#include <algorithm>

namespace {

QDate dateDe(const QString& texte) {
    return QDate::fromString(texte.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

QString montant(double valeur) {
    return FormatFloat(QStringLiteral("0.00"), valeur);
}

// The lot number a tenant card names: its "N° lot" field holds the number, then the
// designation the list offered.
QString numeroLot(const QString& champ) {
    return champ.trimmed().section(u' ', 0, 0);
}

double provisions(const TListeBase& quittances, const QString& locataire, int annee) {
    double somme = 0;
    for (const TListeBase::Position& bloc : quittances.blocs()) {
        const std::optional<TDocumentLu> document =
            LitDocument(Documents::quittance(), quittances, bloc.cle, QStringLiteral("0.00"), {});
        if (!document || !document->valide || document->date.year() != annee ||
            document->locataire.trimmed() != locataire)
            continue;
        for (const TLigneDocument& ligne : document->lignes)
            if (ligne.designation.trimmed() == Regularisation::provision())
                if (const std::optional<double> valeur = ValeurMontant(ligne.montant))
                    somme = Real48(somme + *valeur);
    }
    return somme;
}

} // namespace

double TRegularisation::quotePart() const {
    return StrToFloat(montant(Real48(total() * jours() / joursAnnee())));
}

double TRegularisation::solde() const {
    return StrToFloat(montant(Real48(quotePart() - provisions)));
}

QString TRegularisation::libelle() const {
    return Regularisation::libelle(annee);
}

namespace Regularisation {

QString provision() {
    return QStringLiteral("Provision pour charges");
}

QString libelle(int annee) {
    return QStringLiteral("Régularisation des charges %1").arg(annee);
}

QList<TRegularisation> Calcule(const TListeBase& locataires, const TListeBase& lots,
                               const TListeBase& quittances, const TListeBase& charges, int annee,
                               const QString& lot) {
    namespace L = Locataire;
    const QDate debut(annee, 1, 1);
    const QDate fin(annee, 12, 31);
    QList<TRegularisation> resultats;
    for (const TListeBase::Position& bloc : locataires.blocs()) {
        const QString numLot = numeroLot(locataires.champ(bloc.ligne, L::NumLot));
        if (numLot.isEmpty() || (!lot.trimmed().isEmpty() && numLot != lot.trimmed()))
            continue;
        QDate entree = dateDe(locataires.champ(bloc.ligne, L::Entre));
        if (!entree.isValid())
            entree = dateDe(locataires.champ(bloc.ligne, L::DebutBail));
        const QDate sortie = dateDe(locataires.champ(bloc.ligne, L::Sorti));
        if (!entree.isValid() && !sortie.isValid())
            continue;
        TRegularisation r;
        r.du = entree.isValid() ? std::max(entree, debut) : debut;
        r.au = sortie.isValid() ? std::min(sortie, fin) : fin;
        if (r.du > r.au)
            continue;
        r.locataire = locataires.champ(bloc.ligne, L::Numero).trimmed();
        r.nom = locataires.champ(bloc.ligne, L::NomSoc).trimmed();
        r.lot = numLot;
        for (const TListeBase::Position& l : lots.blocs())
            if (lots.champ(l.ligne, Lot::Numero).trimmed() == numLot)
                r.nomLot = lots.champ(l.ligne, Lot::Designation).trimmed();
        r.annee = annee;
        const std::optional<TChargesLot> reelles = ChargesReelles::Lit(charges, numLot, annee);
        r.chargesSaisies = reelles.has_value();
        r.charges = reelles.value_or(TChargesLot{numLot, annee, {}});
        r.provisions = provisions(quittances, r.locataire, annee);
        resultats.append(r);
    }
    return resultats;
}

TTableau Tableau(const QList<TRegularisation>& regularisations) {
    TTableau t;
    t.titres = {QStringLiteral("N° locataire"), QStringLiteral("Nom/Soc"),
                QStringLiteral("N° lot"),       QStringLiteral("Période"),
                QStringLiteral("Jours"),        QStringLiteral("Charges réelles"),
                QStringLiteral("Quote-part"),   QStringLiteral("Provisions"),
                QStringLiteral("Solde")};
    t.colonnesNombres = {4, 5, 6, 7, 8};
    const QString format = QStringLiteral("dd/MM/yyyy");
    for (const TRegularisation& r : regularisations)
        t.lignes.append({r.locataire, r.nom, r.lot,
                         r.du.toString(format) + QStringLiteral(" au ") + r.au.toString(format),
                         QString::number(r.jours()),
                         r.chargesSaisies ? montant(r.total()) : QStringLiteral("Non saisies"),
                         montant(r.quotePart()), montant(r.provisions), montant(r.solde())});
    return t;
}

} // namespace Regularisation
