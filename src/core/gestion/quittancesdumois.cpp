#include "core/gestion/quittancesdumois.h"

#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/mois.h"
#include "core/documents/numerotation.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"

#include <QSet>

#include <functional>
#include <optional>

namespace {

using C = ChampDocument;

QString ligne(const TListeBase& base, qsizetype ouverture, int decalage) {
    const qsizetype i = ouverture + decalage;
    return i < base.lineCount() ? base.line(i) : QString();
}

// The tenants who already have a receipt for the month.
QSet<QString> dejaQuittances(const TListeBase& quittances, const QString& mois) {
    const int ligneLocataire = Documents::quittance().ligne(C::Locataire);
    const int ligneMois = Documents::quittance().ligne(C::Mois);
    QSet<QString> deja;
    for (const TListeBase::Position& bloc : quittances.blocs())
        if (ligne(quittances, bloc.ligne, ligneMois) == mois)
            deja.insert(ligne(quittances, bloc.ligne, ligneLocataire).trimmed());
    return deja;
}

struct TCandidat {
    int cle;
    QString numero;
    QString nom;
};

QList<TCandidat> locatairesActuels(const TListeBase& locataires, const QDate& jour) {
    QList<TCandidat> actuels;
    for (const TListeBase::Position& bloc : locataires.blocs())
        if (estLocataireActuel(ligne(locataires, bloc.ligne, Locataire::Entre),
                               ligne(locataires, bloc.ligne, Locataire::Sorti), jour))
            actuels.append({bloc.cle, ligne(locataires, bloc.ligne, Locataire::Numero),
                            ligne(locataires, bloc.ligne, Locataire::NomSoc)});
    return actuels;
}

// Why tenant `i` gets no receipt, before any is made; empty when he gets one. His card is asked
// for only when he has no receipt for the month yet.
using Cartes = std::function<const TCarteTiers&(qsizetype)>;
QString raisonSansQuittance(const TCandidat& c, qsizetype i, const Cartes& carte,
                            const QSet<QString>& deja) {
    if (deja.contains(c.numero.trimmed()))
        return QStringLiteral("quittance déjà faite pour ce mois");
    if (carte(i).montants.loyer.trimmed().isEmpty())
        return QStringLiteral("pas de loyer actuel sur la fiche");
    return {};
}

// Refuses a run that needs more numbers than its month has left.
void verifieNumeros(const TPageDocument& page, qsizetype aFaire) {
    const int prochain = page.numero();
    const int libres = NumerosLibres(prochain);
    if (aFaire > libres)
        throw UserError(
            QStringLiteral("%1 quittances à créer, mais %2 numéros libres après %3 : le rang dans "
                           "le mois n'a que trois chiffres (999 quittances par mois au plus). "
                           "Aucune quittance n'a été créée.")
                .arg(aFaire)
                .arg(libres)
                .arg(prochain - 1));
}

} // namespace

TBilanMois QuittancesDuMois(TFiche& fiche, const QString& mois, bool valider,
                            const TAvancement& avancement) {
    // One instant for the whole run: every receipt it makes bears the same date, even across
    // midnight, and the clock is read once instead of for each field of each receipt.
    const Clock::Fixed instant(Clock::now());
    TBilanMois bilan;
    bilan.mois = mois;
    TPageDocument* page = fiche.pageDocument(Base::Quittances);
    TPageEnregistrement* fiches = fiche.pageFiche(Base::Locataires);
    if (!page || !fiches)
        return bilan;
    // A month whose year does not read stops here, before anything changes.
    const QDate premier = PeriodeMois(mois).du;
    fiche.EcritPage(Base::Locataires);
    fiche.EcritPage(Base::Quittances);

    QSet<QString> deja = dejaQuittances(fiche.base(Base::Quittances), mois);
    const QList<TCandidat> actuels = locatairesActuels(fiche.base(Base::Locataires), premier);
    // The card of a tenant is read only when he may get a receipt.
    QList<std::optional<TCarteTiers>> cartes(actuels.size());
    const Cartes carte = [&](qsizetype i) -> const TCarteTiers& {
        if (!cartes[i])
            cartes[i] = TCarteTiers::depuisBloc(Base::Locataires, fiche.base(Base::Locataires),
                                                actuels[i].cle);
        return *cartes[i];
    };
    qsizetype aFaire = 0;
    {
        QSet<QString> prevus = deja;
        for (qsizetype i = 0; i < actuels.size(); ++i) {
            const TCandidat& c = actuels[i];
            if (raisonSansQuittance(c, i, carte, prevus).isEmpty()) {
                prevus.insert(c.numero.trimmed());
                ++aFaire;
            }
        }
    }
    verifieNumeros(*page, aFaire);

    const Base pageAvant = fiche.pageActive();
    fiche.AffichePage(Base::Quittances);
    const TFiche::TEtatDossier avant = fiche.etatDossier();
    const auto annule = [&] {
        fiche.retablit(avant);
        fiche.AffichePage(pageAvant);
        TBilanMois vide;
        vide.mois = mois;
        vide.annule = true;
        return vide;
    };
    QString plein;
    for (qsizetype i = 0; i < actuels.size(); ++i) {
        if (avancement && !avancement(i, actuels.size()))
            return annule();
        const TCandidat& c = actuels[i];
        TQuittanceDuMois q{c.numero, c.nom, {}, plein};
        if (q.raison.isEmpty())
            q.raison = raisonSansQuittance(c, i, carte, deja);
        if (!q.raison.isEmpty()) {
            bilan.ignorees.append(q);
            continue;
        }
        try {
            page->CreePour(carte(i));
        } catch (const UserError& erreur) {
            // A full base makes no receipt for this tenant nor for the ones after.
            plein = erreur.message();
            q.raison = plein;
            bilan.ignorees.append(q);
            continue;
        }
        page->saisitChamp(C::Mois, mois);
        page->ecrit();
        q.numero = page->champ(C::Numero);
        deja.insert(c.numero.trimmed());
        if (valider) {
            try {
                if (!page->Valider(*fiches))
                    q.raison = QStringLiteral("non validée");
            } catch (const UserError& erreur) {
                q.raison = QStringLiteral("non validée : ") + erreur.message();
            }
        }
        bilan.documents.append(documentImprime(*page));
        bilan.creees.append(q);
    }
    if (avancement && !avancement(actuels.size(), actuels.size()))
        return annule();
    if (!bilan.creees.isEmpty())
        fiche.SetSauve();
    return bilan;
}

QString TBilanMois::resume() const {
    return QStringLiteral("%1 : %2 quittance(s) créée(s), %3 locataire(s) ignoré(s).")
        .arg(mois)
        .arg(creees.size())
        .arg(ignorees.size());
}

TTableau TBilanMois::tableau() const {
    TTableau t;
    t.titres = {QStringLiteral("N° locataire"), QStringLiteral("Nom/Soc"),
                QStringLiteral("Quittance"), QStringLiteral("Résultat")};
    for (const TQuittanceDuMois& q : creees)
        t.lignes.append(
            {q.locataire, q.nom, q.numero,
             q.raison.isEmpty() ? QStringLiteral("créée") : QStringLiteral("créée, ") + q.raison});
    for (const TQuittanceDuMois& q : ignorees)
        t.lignes.append({q.locataire, q.nom, QString(), QStringLiteral("ignoré : ") + q.raison});
    return t;
}

TTravailImpression travailQuittancesDuMois(const TBilanMois& bilan, const TReglages& reglages) {
    const QList<TDocumentImprime> documents = bilan.documents;
    const int typePapier = reglages.typePapier;
    const TProprietaire proprio = proprietaire(reglages.lignesProprio);
    return {QStringLiteral("Quittances ") + bilan.mois, TOrientation::Portrait,
            [=](TCanevas& canevas) {
                for (qsizetype i = 0; i < documents.size(); ++i) {
                    if (i > 0)
                        canevas.nouvellePage();
                    ImprimeDocument(canevas, documents[i], typePapier, proprio);
                }
            }};
}
