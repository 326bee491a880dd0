#include "core/app/pages.h"

#include "core/app/descriptionbase.h"
#include "core/documents/tpagedocument.h"
#include "core/records/tpageenregistrement.h"

const TDescriptionFiche* descriptionFiche(Base base) {
    const auto fiche = descriptionBase(base).fiche;
    return fiche ? &fiche() : nullptr;
}

std::unique_ptr<TPage> creePage(Base base, TListeBase& liste, const TContextePage& contexte) {
    if (const TDescriptionFiche* fiche = descriptionFiche(base))
        return std::make_unique<TPageEnregistrement>(*fiche, liste, contexte);
    if (const auto document = descriptionBase(base).document)
        return std::make_unique<TPageDocument>(document(), liste, contexte);
    return nullptr;
}
