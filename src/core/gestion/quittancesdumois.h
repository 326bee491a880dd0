#pragma once

#include "core/gestion/ttableau.h"
#include "core/printing/impdocument.h"
#include "core/printing/tcanevas.h"

#include <QList>
#include <QString>

#include <functional>

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
    // The run was stopped: nothing was made and the dossier is as it was.
    bool annule = false;

    // What the run did, in counts: "Janvier 2027 : 2 quittance(s) créée(s), ...".
    QString resume() const;
    // One row a tenant, the receipts made first: "N° locataire", "Nom/Soc", "Quittance",
    // "Résultat".
    TTableau tableau() const;
};

// How far a run has gone: `fait` tenants of `total`; false to stop it.
using TAvancement = std::function<bool(qsizetype fait, qsizetype total)>;

// "Quittances du mois...": for every tenant current on the first day of `mois`, the receipt
// that "Nouvelle quittance" makes, for that month; a tenant who already has a receipt for
// that month, or whose card has no current rent, gets none. With `valider` every receipt
// made is validated into its tenant's history. Everything stays in the dossier in memory:
// the files are written by the next save. The receipt page ends on the last receipt made.
// More receipts than the month's numbers left (999 a month) stop it before anything is made;
// `avancement` stopping it puts the dossier back as it was.
TBilanMois QuittancesDuMois(TFiche& fiche, const QString& mois, bool valider,
                            const TAvancement& avancement = {});

// The receipts of a run as one print job, one receipt a page.
TTravailImpression travailQuittancesDuMois(const TBilanMois& bilan, const TReglages& reglages);
