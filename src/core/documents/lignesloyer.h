#pragma once

#include "core/documents/cartelocataire.h"

#include <QList>
#include <QString>

#include <optional>

// One row of a document's line grid: its designation and its amount text.
struct TLigneLoyer {
    QString designation;
    QString montant;
};

// The rows a new receipt or notice takes from a tenant's rent: "Loyer mensuel", "Provision
// pour charges", then "Taxe Additionnelle" when there are taxes and "APL", subtracted, when
// there is an allowance.
QList<TLigneLoyer> LignesLoyer(const TMontantsLoyer& montants);

// The value an amount cell adds to a document's total: as the format shows it; nothing for a
// text that does not read as an amount.
std::optional<double> MontantCompte(const QString& fmtMontant, const QString& texte);

// The total of the rows a new receipt or notice takes from that rent, as its page shows it.
double TotalLoyer(const TMontantsLoyer& montants, const QString& fmtMontant);
