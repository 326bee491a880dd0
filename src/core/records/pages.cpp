#include "pages.h"

#include "documents/tpagedocument.h"
#include "fournisseur.h"
#include "locataire.h"
#include "lot.h"
#include "purchasing/descriptioncommande.h"
#include "tpageenregistrement.h"

const TDescriptionFiche* descriptionFiche(Base base) {
    switch (base) {
    case Base::Locataires:
        return &Locataire::description();
    case Base::Fournisseurs:
        return &Fournisseur::description();
    case Base::Lots:
        return &Lot::description();
    case Base::Quittances:
    case Base::Avis:
    case Base::Commandes:
    case Base::Recus:
        break;
    }
    return nullptr;
}

std::unique_ptr<TPage> creePage(Base base, TListeBase& liste, const TContextePage& contexte) {
    if (const TDescriptionFiche* fiche = descriptionFiche(base))
        return std::make_unique<TPageEnregistrement>(*fiche, liste, contexte);
    if (const TDescriptionDocument* document = descriptionDocument(base))
        return std::make_unique<TPageDocument>(*document, liste, contexte);
    return nullptr;
}
