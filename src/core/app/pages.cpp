#include "core/app/pages.h"

#include "core/documents/tpagedocument.h"
#include "core/purchasing/tpagecommande.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"
#include "core/records/tpageenregistrement.h"

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
    if (base == Base::Commandes)
        return std::make_unique<TPageCommande>(liste, contexte);
    return nullptr;
}
