#pragma once

#include "core/common/montants.h"
#include "core/documents/tpagedocument.h"

#include <QString>

// Six pixels a character: an amount is right-aligned to 14 characters.
inline const TContextePage contexte;

inline QString aligne(const QString& montant) {
    return Rset(montant, TPageDocument::AlignementMontant, contexte.mesure);
}

// The description of a document kind by its name: "avis", "reçu", else the rent receipt.
inline const TDescriptionDocument* sorte(const QString& nom) {
    if (nom == "avis")
        return &Documents::avis();
    if (nom == "reçu")
        return &Documents::recu();
    return &Documents::quittance();
}
