#include "core/app/statistiquesfiche.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/purchasing/tpagecommande.h"

#include <optional>

namespace {

TCumul quittances(TFiche& fiche, SorteStats sorte, const TProgressionTexte& progression) {
    fiche.EcritPage(Base::Quittances);
    TPageDocument& page = *fiche.pageDocument(Base::Quittances);
    std::optional<TLotsLocataires> lots;
    if (sorte == SorteStats::Lots)
        lots.emplace(fiche.base(Base::Locataires), fiche.base(Base::Lots));
    TCumul cumul = CumuleQuittances(sorte, page.description(), fiche.base(Base::Quittances),
                                    fiche.contexte().fmtMontant, lots ? &*lots : nullptr,
                                    Clock::today(), progression);
    page.lit();
    return cumul;
}

TCumul commandes(TFiche& fiche, const TProgressionTexte& progression) {
    fiche.EcritPage(Base::Commandes);
    TParametresCommande parametres = TPageCommande::parametres(fiche.contexte());
    // Totals only: no cell is shown, so none is aligned.
    parametres.mesure = {};
    TCumul cumul = CumuleCommandes(fiche.base(Base::Commandes), parametres, progression);
    fiche.pageCommande()->lit();
    return cumul;
}

} // namespace

TCumul StatistiquesFiche(TFiche& fiche, SorteStats sorte, const TProgressionTexte& progression) {
    return sorte == SorteStats::Fournisseurs ? commandes(fiche, progression)
                                             : quittances(fiche, sorte, progression);
}

QList<TLigneJournal> JournalFiche(TFiche& fiche, const TProgressionTexte& progression) {
    const Comptes comptes = fiche.comptes();
    fiche.EcritPage(Base::Quittances);
    TPageDocument& page = *fiche.pageDocument(Base::Quittances);
    QList<TLigneJournal> lignes = Journal(page.description(), fiche.base(Base::Quittances), comptes,
                                          fiche.contexte().fmtMontant, Clock::today(), progression);
    page.lit();
    return lignes;
}
