#pragma once

#include "core/banque/operation.h"
#include "core/gestion/ttableau.h"

#include <QList>
#include <QString>

class TFiche;
class TRapprochement;

// A ticked line of the statement, with the receipt made for it or why none was.
struct TQuittanceReleve {
    TOperation operation;
    QString locataire;
    QString nom;
    QString mois;
    QString numero; // the receipt made; empty when none was
    QString raison; // why none was made
};

struct TBilanReleve {
    QList<TQuittanceReleve> creees;
    QList<TQuittanceReleve> refusees;

    // "3 quittance(s) créée(s), 1 ligne(s) sans quittance."
    QString resume() const;
    // One row a ticked line, the receipts made first: "Date", "Libellé", "Montant",
    // "N° locataire", "Mois", "Quittance", "Résultat".
    TTableau tableau() const;
};

// "Valider" of the statement's review: for each ticked line, the receipt "Nouvelle quittance"
// makes for its tenant, for its month, paid by "Virement", validated into the tenant's history,
// and the line remembered in the dossier's file of receipted lines. A line whose amount is not
// what the tenant owes a month, or whose tenant already has a receipt for that month, gets none
// and says why. Everything stays in the dossier in memory, marked modified: the files are
// written by the next save. A file of receipted lines with no room left stops it first.
TBilanReleve ValideReleve(TFiche& fiche, const TRapprochement& rapprochement);
