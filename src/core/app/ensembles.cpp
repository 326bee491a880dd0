#include "core/app/ensembles.h"

#include <string_view>

namespace {

static_assert(LettresPages.size() == NbBases);

bool contient(const char* pages, Base page) {
    return std::string_view(pages).find(LettresPages[indexOf(page)]) != std::string_view::npos;
}

} // namespace

bool actifAuDepart(Action action) {
    return definition(action).regle.auDepart;
}

QList<EtatAction> ensembleDossierOuvert() {
    QList<EtatAction> ensemble;
    for (const TDefAction& d : definitions())
        if (d.regle.dossierOuvert != EffetDossier::Garde)
            ensemble.append({d.action, d.regle.dossierOuvert == EffetDossier::Active});
    return ensemble;
}

QList<EtatAction> ensemblePage(Base page) {
    QList<EtatAction> ensemble;
    for (const TDefAction& d : definitions())
        if (d.regle.actifSur && !contient(d.regle.gardeSur, page))
            ensemble.append({d.action, contient(d.regle.actifSur, page)});
    return ensemble;
}
