#include "ensembles.h"

#include <string_view>

namespace {

static_assert(LettresPages.size() == NbBases);

bool contient(const char* pages, Base page) {
    return std::string_view(pages).find(LettresPages[indexOf(page)]) != std::string_view::npos;
}

} // namespace

bool actifAuDepart(Commande commande) {
    return definition(commande).regle.auDepart;
}

QList<EtatCommande> ensembleDossierOuvert() {
    QList<EtatCommande> ensemble;
    for (const TDefCommande& d : definitions())
        if (d.regle.dossierOuvert != EffetDossier::Garde)
            ensemble.append({d.commande, d.regle.dossierOuvert == EffetDossier::Active});
    return ensemble;
}

QList<EtatCommande> ensemblePage(Base page) {
    QList<EtatCommande> ensemble;
    for (const TDefCommande& d : definitions())
        if (d.regle.actifSur && !contient(d.regle.gardeSur, page))
            ensemble.append({d.commande, contient(d.regle.actifSur, page)});
    return ensemble;
}
