#pragma once

#include "core/records/champs.h"

#include <QStringList>

class TListeBase;

// The tenant card: 26 fields, the "Observations" memo and a 127-row history.
namespace Locataire {

enum Ligne {
    Numero = 1,
    NomSoc = 2,
    Adresse = 3,
    Adresse2 = 4,
    CodePostal = 5,
    Ville = 6,
    Telephone = 7,
    Fax = 8,
    Email = 9,
    Entre = 10,
    Sorti = 11,
    NumLot = 12,
    NomLot = 13,
    LoyerDepart = 14,
    LoyerActuel = 16,
    ChargesActuelles = 17,
    Caution = 18,
    DebutBail = 19,
    IndDepart = 22,
    IndActuel = 23,
    Taxes = 24,
    Apl = 25,
    TotalDu = 26,
};

const TDescriptionFiche& description();

// The "N° lot" list: "N° lot" + " " + designation for each lot, in the base's order.
QStringList listeLots(const TListeBase& lots);

} // namespace Locataire
