#pragma once

#include "core/documents/cartetiers.h"

#include <QList>
#include <QString>

// One row of a document's line grid: its designation and its amount text.
struct TLigneLoyer {
    QString designation;
    QString montant;
};

// The rows a new receipt or notice takes from a tenant's rent: "Loyer mensuel", "Provision
// pour charges", then "Taxe Additionnelle" when there are taxes and "APL", subtracted, when
// there is an allowance.
QList<TLigneLoyer> LignesLoyer(const TMontantsLoyer& montants);

// The total of the rows a new receipt or notice takes from that rent, as its page computes it.
double TotalLoyer(const TMontantsLoyer& montants, const QString& fmtMontant);
