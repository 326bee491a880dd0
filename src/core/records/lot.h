#pragma once

#include "core/records/champs.h"

// The lot card: 21 fields, the "Observations" memo and a 63-row history.
namespace Lot {

enum Ligne {
    Numero = 1,
    Designation = 2,
    CodePostal = 5,
    Ville = 6,
    Type = 11,
    DateAchat = 13,
    PrixAchat = 14,
    MontantPret = 16,
    Occupe = 21,
};

const TDescriptionFiche& description();

} // namespace Lot
