#include "quittancesdumois.h"

#include "app/impressions.h"
#include "app/tfiche.h"
#include "common/usererror.h"
#include "documents/mois.h"
#include "documents/tpagedocument.h"
#include "records/locataire.h"

#include <QSet>

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

} // namespace

TBilanMois QuittancesDuMois(TFiche& fiche, const QString& mois, bool valider) {
    TBilanMois bilan;
    bilan.mois = mois;
    TPageDocument* page = fiche.pageDocument(Base::Quittances);
    TPageEnregistrement* fiches = fiche.pageFiche(Base::Locataires);
    if (!page || !fiches)
        return bilan;
    // A month whose year does not read stops here, before anything changes.
    const QDate premier = PeriodeMois(mois).du;
    fiche.EcritPage(Base::Locataires);
    fiche.AffichePage(Base::Quittances);

    QSet<QString> deja = dejaQuittances(fiche.base(Base::Quittances), mois);
    const QList<TCandidat> actuels = locatairesActuels(fiche.base(Base::Locataires), premier);
    QString plein;
    for (const TCandidat& c : actuels) {
        TQuittanceDuMois q{c.numero, c.nom, {}, {}};
        const TCarteLocataire carte =
            TCarteLocataire::depuisBloc(fiche.base(Base::Locataires), c.cle);
        if (!plein.isEmpty())
            q.raison = plein;
        else if (deja.contains(c.numero.trimmed()))
            q.raison = QStringLiteral("quittance déjà faite pour ce mois");
        else if (carte.montants.loyer.trimmed().isEmpty())
            q.raison = QStringLiteral("pas de loyer actuel sur la fiche");
        if (!q.raison.isEmpty()) {
            bilan.ignorees.append(q);
            continue;
        }
        try {
            page->CreePour(carte);
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
    if (!bilan.creees.isEmpty())
        fiche.SetSauve();
    return bilan;
}

QString TBilanMois::resume() const {
    QStringList texte;
    texte.append(QStringLiteral("%1 : %2 quittance(s) créée(s), %3 locataire(s) ignoré(s).")
                     .arg(mois)
                     .arg(creees.size())
                     .arg(ignorees.size()));
    if (!creees.isEmpty()) {
        texte.append(QString());
        texte.append(QStringLiteral("Créées :"));
        for (const TQuittanceDuMois& q : creees)
            texte.append(
                QStringLiteral("  %1  %2 %3%4")
                    .arg(q.numero, q.locataire, q.nom,
                         q.raison.isEmpty() ? QString() : QStringLiteral(" (") + q.raison + u')'));
    }
    if (!ignorees.isEmpty()) {
        texte.append(QString());
        texte.append(QStringLiteral("Ignorés :"));
        for (const TQuittanceDuMois& q : ignorees)
            texte.append(QStringLiteral("  %1 %2 : %3").arg(q.locataire, q.nom, q.raison));
    }
    return texte.join(u'\n');
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
