#pragma once

#include "core/app/actions.h"
#include "core/store/bases.h"

#include <QList>

// One change that an enabling set makes.
struct EtatAction {
    Action action;
    bool actif;

    bool operator==(const EtatAction&) const = default;
};

// Whether an entry is enabled before any dossier is open.
bool actifAuDepart(Action action);

// The set applied once a dossier is in memory (new, open, import, automatic open).
QList<EtatAction> ensembleDossierOuvert();

// The set applied when the menu or the toolbar switches to the page of a base. The entries
// that it does not list keep their state.
QList<EtatAction> ensemblePage(Base page);
