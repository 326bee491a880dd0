#include "core/charges/reporter.h"

#include "core/app/tfiche.h"
#include "core/charges/regularisation.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"

namespace {

// The key of the tenant's last receipt not validated yet; -1 when he has none.
int quittanceOuverte(const TListeBase& quittances, const QString& locataire) {
    const TDescriptionDocument& d = Documents::quittance();
    int cle = -1;
    for (const TListeBase::Position& bloc : quittances.blocs())
        if (quittances.champ(bloc.ligne, d.ligne(ChampDocument::Locataire)).trimmed() ==
                locataire &&
            quittances.champ(bloc.ligne, d.ligne(ChampDocument::Valide)) != QLatin1String("Y"))
            cle = bloc.cle;
    return cle;
}

int premiereLigneVide(const TPageDocument& page) {
    const TGrilleDocument& grille = page.grille();
    for (int i = 0; i < grille.rowCount(); ++i)
        if (grille.cellule(i, 0).trimmed().isEmpty() && grille.cellule(i, 1).trimmed().isEmpty())
            return i;
    return -1;
}

} // namespace

void Reporter(TFiche& fiche, const TRegularisation& r) {
    TPageEnregistrement* locataires = fiche.pageFiche(Base::Locataires);
    TPageDocument* quittances = fiche.pageDocument(Base::Quittances);
    if (!locataires || !quittances)
        return;
    if (!r.chargesSaisies)
        throw UserError(QStringLiteral("Aucune charge réelle n'est saisie pour le lot %1 en %2")
                            .arg(r.lot)
                            .arg(r.annee));
    fiche.AffichePage(Base::Locataires);
    if (!fiche.LitLoc(r.locataire))
        throw UserError(QStringLiteral("Fiche locataire %1 non trouvée").arg(r.locataire));
    for (const QStringList& ligne : locataires->grille().lignes())
        if (ligne.value(1).trimmed() == r.libelle())
            throw UserError(QStringLiteral("La %1 a déjà été reportée pour le locataire %2")
                                .arg(r.libelle().toLower(), r.locataire));
    if (locataires->grille().premiereLigneLibre() < 0)
        throw UserError(QStringLiteral("L'historique du locataire %1 est plein").arg(r.locataire));

    const QString montant = FormatFloat(QStringLiteral("0.00"), r.solde());
    const int ouverte = quittanceOuverte(fiche.base(Base::Quittances), r.locataire);
    if (ouverte >= 0) {
        fiche.base(Base::Quittances).allerA(ouverte);
        fiche.AffichePage(Base::Quittances);
    } else {
        fiche.NouvDocument(Base::Quittances);
    }
    const int ligne = premiereLigneVide(*quittances);
    if (ligne < 0)
        throw UserError(QStringLiteral("La quittance du locataire %1 n'a plus de ligne libre")
                            .arg(r.locataire));
    quittances->saisitCellule(ligne, 0, r.libelle());
    quittances->saisitCellule(ligne, 1, montant);
    quittances->finLigne(ligne);
    fiche.EcritPage(Base::Quittances);

    fiche.AffichePage(Base::Locataires);
    fiche.LitLoc(r.locataire);
    locataires->dateHistorique = Clock::today();
    locataires->libelleHistorique = r.libelle();
    locataires->montantHistorique = montant;
    locataires->ajouteHistorique();
    fiche.EcritPage(Base::Locataires);
    fiche.AffichePage(Base::Quittances);
}
