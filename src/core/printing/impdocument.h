#pragma once

#include "core/printing/entete.h"
#include "core/printing/tcanevas.h"

#include <QList>
#include <QStringList>

#include <array>

// The rent documents that print.
enum class SorteImprimee { Quittance, Avis, Recu };

struct TLigneImprimee {
    QString designation;
    QString montant; // as the grid shows it, alignment blanks included
};

// A rent receipt, a due notice or a payment receipt as its page shows it.
struct TDocumentImprime {
    SorteImprimee sorte = SorteImprimee::Quittance;
    QString numero;
    QString date; // "dd/mm/yyyy"
    std::array<QString, 4> coordonnees;
    QString mois; // receipts and notices
    QString du;
    QString au;
    QString mode;                 // receipts and payment receipts
    QString genre;                // payment receipts: "Reçu", "Facture" or "Avoir"
    QList<TLigneImprimee> lignes; // the rows in use, from the first
    QString totalEuros;
    QString totalFrancs;
    QString enLettres; // payment receipts
    QStringList memo;  // receipts and notices
};

// The document on one page (ImpQtc, ImpEch, ImpRecu), more when its rows and memo do not fit
// above the totals, with its frame and the owner's header after the paper type: 0 plain
// paper, 1 letterhead.
void ImprimeDocument(TCanevas& canevas, const TDocumentImprime& document, int typePapier,
                     const TProprietaire& proprietaire);
TTravailImpression travailDocument(const TDocumentImprime& document, int typePapier,
                                   const TProprietaire& proprietaire);
