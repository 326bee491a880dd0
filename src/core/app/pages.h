#pragma once

#include "core/store/bases.h"
#include "core/store/tpage.h"

#include <memory>

class TListeBase;
struct TContextePage;
struct TDescriptionFiche;

// The description of the record card that shows a base, or none for the pages that show
// something else than a card.
const TDescriptionFiche* descriptionFiche(Base base);

// The page model that shows a base: a record card or a rent document made from its
// description, or the order page.
std::unique_ptr<TPage> creePage(Base base, TListeBase& liste, const TContextePage& contexte);
