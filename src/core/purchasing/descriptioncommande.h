#pragma once

#include "core/documents/descriptiondocument.h"

namespace Documents {

// The purchase order: a supplier instead of a tenant, payment conditions from the settings,
// the pricing mode and the VAT computation, validation into the supplier's history.
const TDescriptionDocument& commande();

} // namespace Documents
