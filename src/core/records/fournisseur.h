#pragma once

#include "core/records/champs.h"

// The supplier card: 22 fields, the "Observations" memo and a 63-row history.
namespace Fournisseur {

enum Ligne {
    Code = 1,
    Famille = 2,
    NomSoc = 3,
    Adresse = 4,
    Adresse2 = 5,
    CodePostal = 6,
    Ville = 7,
    Pays = 8,
    Telephone = 9,
    Fax = 10,
    CreditMaxi = 19,
    TotalDu = 20,
    Risque = 21,
};

const TDescriptionFiche& description();

} // namespace Fournisseur
