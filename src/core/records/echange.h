#pragma once

#include "core/store/bases.h"
#include "core/store/echange.h"

#include <optional>

// The address part of the tenant and supplier records that the import and export files carry.
// Tenants: Nom/Soc, the two address lines, Code postal, Ville, Téléphone, Fax both ways, further
// columns read into the following fields. Suppliers: the same five, then Pays and Téléphone
// written; read back, the sixth column goes to Téléphone and the seventh to Fax, so that a
// tenant file is read as suppliers, Famille and Pays left empty. None for the other bases.
std::optional<Echange::TDisposition> dispositionEchange(Base base);

// The same, for the import or export asked on the page of `base`: a message saying where they
// act when that page has no addresses to exchange.
Echange::TDisposition dispositionPage(Base base);
