#include "core/banque/validationreleve.h"

#include "core/app/tfiche.h"
#include "core/banque/operationsfaites.h"
#include "core/banque/rapprochement.h"
#include "core/common/usererror.h"
#include "core/documents/cartetiers.h"
#include "core/documents/lignesloyer.h"
#include "core/documents/mois.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"

#include <QSet>

namespace {

using C = ChampDocument;

// "10001 Janvier 2027": a tenant's month.
QString moisDe(const QString& locataire, const QString& mois) {
    return locataire.trimmed().toUpper() + u'\n' + mois;
}

// The tenants' months that already have a receipt.
QSet<QString> moisQuittances(const TListeBase& quittances) {
    const int ligneLocataire = Documents::quittance().ligne(C::Locataire);
    const int ligneMois = Documents::quittance().ligne(C::Mois);
    QSet<QString> faits;
    for (const TListeBase::Position& bloc : quittances.blocs())
        faits.insert(moisDe(quittances.champ(bloc.ligne, ligneLocataire),
                            quittances.champ(bloc.ligne, ligneMois)));
    return faits;
}

// Why the line gets no receipt, before any is made; empty when it gets one.
QString raisonSans(const TQuittanceReleve& q, qint64 du, const QSet<QString>& faits) {
    if (du != q.operation.centimes)
        return QStringLiteral("montant payé %1, dû %2 : pas de quittance pour un autre montant "
                              "que celui du mois")
            .arg(TexteCentimes(q.operation.centimes), TexteCentimes(du));
    if (faits.contains(moisDe(q.locataire, q.mois)))
        return QStringLiteral("quittance déjà faite pour ce mois");
    try {
        PeriodeMois(q.mois);
    } catch (const UserError& erreur) {
        return erreur.message();
    }
    return {};
}

} // namespace

TBilanReleve ValideReleve(TFiche& fiche, const TRapprochement& rapprochement) {
    TBilanReleve bilan;
    TPageDocument* page = fiche.pageDocument(Base::Quittances);
    TPageEnregistrement* fiches = fiche.pageFiche(Base::Locataires);
    if (!page || !fiches)
        return bilan;
    Releves::verifiePlace(fiche);
    fiche.EcritPage(Base::Locataires);
    fiche.EcritPage(Base::Quittances);
    QSet<QString> faits = moisQuittances(fiche.base(Base::Quittances));
    bool affichee = false;
    for (const TLigneRapprochee& ligne : rapprochement.lignes()) {
        if (!ligne.cochee)
            continue;
        TQuittanceReleve q{ligne.operation, ligne.locataire, ligne.nom, ligne.mois, {}, {}};
        const TListeBase& locataires = fiche.base(Base::Locataires);
        const int cle = Locataire::description().cle(locataires, ligne.locataire);
        if (cle < 0) {
            q.raison = QStringLiteral("locataire introuvable");
            bilan.refusees.append(q);
            continue;
        }
        const TCarteTiers carte = TCarteTiers::depuisBloc(Base::Locataires, locataires, cle);
        q.raison = raisonSans(
            q, qRound64(TotalLoyer(carte.montants, fiche.contexte().fmtMontant) * 100), faits);
        if (!q.raison.isEmpty()) {
            bilan.refusees.append(q);
            continue;
        }
        if (!affichee) {
            fiche.AffichePage(Base::Quittances);
            affichee = true;
        }
        try {
            page->CreePour(carte);
            page->saisitChamp(C::Mois, q.mois);
            page->saisitChamp(C::Mode, QStringLiteral("Virement"));
            page->ecrit();
            q.numero = page->champ(C::Numero);
            page->Valider(*fiches);
        } catch (const UserError& erreur) {
            q.raison = erreur.message();
            if (q.numero.isEmpty()) {
                bilan.refusees.append(q);
                continue;
            }
        }
        faits.insert(moisDe(q.locataire, q.mois));
        bilan.creees.append(q);
    }
    QList<TOperation> receptionnees;
    for (const TQuittanceReleve& q : std::as_const(bilan.creees))
        receptionnees.append(q.operation);
    Releves::retient(fiche, receptionnees);
    if (!bilan.creees.isEmpty())
        fiche.SetSauve();
    return bilan;
}

QString TBilanReleve::resume() const {
    return QStringLiteral("%1 quittance(s) créée(s), %2 ligne(s) sans quittance.")
        .arg(creees.size())
        .arg(refusees.size());
}

TTableau TBilanReleve::tableau() const {
    TTableau t;
    t.titres = {QStringLiteral("Date"),    QStringLiteral("Libellé"),
                QStringLiteral("Montant"), QStringLiteral("N° locataire"),
                QStringLiteral("Mois"),    QStringLiteral("Quittance"),
                QStringLiteral("Résultat")};
    t.colonnesNombres = {2};
    const auto ligne = [](const TQuittanceReleve& q, const QString& resultat) {
        return QStringList{q.operation.date.toString(QStringLiteral("dd/MM/yyyy")),
                           q.operation.libelle,
                           TexteCentimes(q.operation.centimes),
                           q.locataire,
                           q.mois,
                           q.numero,
                           resultat};
    };
    for (const TQuittanceReleve& q : creees)
        t.lignes.append(ligne(q, q.raison.isEmpty() ? QStringLiteral("créée et validée")
                                                    : QStringLiteral("créée, ") + q.raison));
    for (const TQuittanceReleve& q : refusees)
        t.lignes.append(ligne(q, QStringLiteral("sans quittance : ") + q.raison));
    return t;
}
