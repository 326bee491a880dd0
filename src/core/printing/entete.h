#pragma once

#include "core/printing/tfeuille.h"

#include <QString>

// The owner as the header of the documents shows it.
struct TProprietaire {
    QString nom;
    QString adresse1;
    QString adresse2;
    QString ville; // postal code and town
    QString telephone;
    QString siret;
    QString rc;
};

// The owner's header at the top left of receipts, due notices and payment receipts (EnTete):
// the Siret and trade-register numbers with their label, each only when it is given.
void EnTete(TFeuille& feuille, const TProprietaire& proprietaire);
// The same header on orders (EnTete6): the two numbers without label, given or not.
void EnTete6(TFeuille& feuille, const TProprietaire& proprietaire);
