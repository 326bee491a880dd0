#pragma once

#include "printing/impdocument.h"
#include "printing/tcanevas.h"

#include <QList>
#include <QString>

class TFiche;
struct TReglages;

// A tenant of the month's run, with the receipt made for it or why none was.
struct TQuittanceDuMois {
    QString locataire; // "N° locataire"
    QString nom;
    QString numero; // the receipt made; empty when none was
    QString raison; // why none was made, or why the one made was not validated
};

struct TBilanMois {
    QString mois;
    QList<TQuittanceDuMois> creees;
    QList<TQuittanceDuMois> ignorees;
    // The receipts made, as they print.
    QList<TDocumentImprime> documents;

    // What the run did, told to the landlord.
    QString resume() const;
};

// "Quittances du mois...": for every tenant current on the first day of `mois`, the receipt
// that "Nouvelle quittance" makes, for that month; a tenant who already has a receipt for
// that month, or whose card has no current rent, gets none. With `valider` every receipt
// made is validated into its tenant's history. Everything stays in the dossier in memory:
// the files are written by the next save. The receipt page ends on the last receipt made.
TBilanMois QuittancesDuMois(TFiche& fiche, const QString& mois, bool valider);

// The receipts of a run as one print job, one receipt a page.
TTravailImpression travailQuittancesDuMois(const TBilanMois& bilan, const TReglages& reglages);
