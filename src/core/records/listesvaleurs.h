#pragma once

// The three lists of values the user keeps for the lot, supplier and order pages.
enum class ListeValeurs { TypesLots, FamillesFournisseurs, Reglements };
