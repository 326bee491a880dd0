#pragma once

#include "core/purchasing/calculcommande.h"

#include <QString>

#include <optional>

class TListeBase;

// What the supplier statistics need of an order, read straight from its block: the same
// values its page shows after reading that block, without the page.
struct TCommandeLue {
    QString fournisseur;
    QString adresse1;
    TTotauxCommande totaux;
};

// The order of key `cle` computed with `parametres`, its pricing mode taken from the block;
// nothing when the key has no block.
std::optional<TCommandeLue> LitCommande(const TListeBase& base, int cle,
                                        TParametresCommande parametres);
