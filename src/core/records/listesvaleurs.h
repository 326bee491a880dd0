#pragma once

// The lists of values the user keeps: for the lot, supplier and order pages, and the
// categories of the real charges.
enum class ListeValeurs { TypesLots, FamillesFournisseurs, Reglements, CategoriesCharges };
