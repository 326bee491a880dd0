#pragma once

#include "commandes.h"
#include "store/bases.h"

#include <QList>

// One change that an enabling set makes.
struct EtatCommande {
    Commande commande;
    bool actif;

    bool operator==(const EtatCommande&) const = default;
};

// Whether an entry is enabled before any dossier is open.
bool actifAuDepart(Commande commande);

// The set applied once a dossier is in memory (new, open, import, automatic open).
QList<EtatCommande> ensembleDossierOuvert();

// The set applied when the menu or the toolbar switches to the page of a base. The entries
// that it does not list keep their state.
QList<EtatCommande> ensemblePage(Base page);
