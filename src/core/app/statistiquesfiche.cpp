#include "statistiquesfiche.h"

#include "documents/tpagedocument.h"
#include "purchasing/tpagecommande.h"
#include "tfiche.h"

#include <optional>

namespace {

// The records are read by a page of their own, which no view shows.
TCumul quittances(TFiche& fiche, SorteStats sorte, const TProgressionTexte& progression) {
    fiche.EcritPage(Base::Quittances);
    TPageDocument& page = *fiche.pageDocument(Base::Quittances);
    TListeBase& base = fiche.base(Base::Quittances);
    TPageDocument lecteur(page.description(), base, fiche.contexte());
    std::optional<TLotsLocataires> lots;
    if (sorte == SorteStats::Lots)
        lots.emplace(fiche.base(Base::Locataires), fiche.base(Base::Lots));
    TCumul cumul = CumuleQuittances(sorte, lecteur, base, fiche.contexte().fmtMontant,
                                    lots ? &*lots : nullptr, progression);
    page.lit();
    return cumul;
}

TCumul commandes(TFiche& fiche, const TProgressionTexte& progression) {
    fiche.EcritPage(Base::Commandes);
    TListeBase& base = fiche.base(Base::Commandes);
    TPageCommande lecteur(base, fiche.contexte());
    TCumul cumul = CumuleCommandes(lecteur, base, fiche.contexte().fmtMontant, progression);
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
    TListeBase& base = fiche.base(Base::Quittances);
    TPageDocument lecteur(page.description(), base, fiche.contexte());
    QList<TLigneJournal> lignes =
        Journal(lecteur, base, comptes, fiche.contexte().fmtMontant, progression);
    page.lit();
    return lignes;
}
