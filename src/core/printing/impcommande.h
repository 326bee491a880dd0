#pragma once

#include "core/printing/entete.h"
#include "core/printing/tcanevas.h"

#include <QList>
#include <QStringList>

#include <array>

// One row of an order's grid, its seven cells as the grid shows them.
struct TLigneCommandeImprimee {
    QString ref;
    QString designation;
    QString quantite;
    QString prixUnitaire;
    QString remise; // R (%)
    QString montant;
    QString tva; // T: the VAT code
};

// A purchase order as its page shows it.
struct TCommandeImprimee {
    QString numero;
    QString date; // "dd/mm/yyyy"
    QString codeFournisseur;
    QString reglement;                    // "Conditions de réglement"
    std::array<QString, 4> coordonnees;   // the supplier's name, two address lines, town
    bool ttc = false;                     // "Commande TTC", else "Commande H.T."
    QList<TLigneCommandeImprimee> lignes; // the rows in use, from the first
    QString totalHT;
    QString totalTVA;
    QString totalTTCEuros;
    QString totalTTCFrancs;
    QStringList memo;
};

// The order on one page (Dessin6, EnTete6, ImpCmd), more when its rows and memo do not fit
// above the totals, with its frame and the owner's header after the paper type: 0 plain
// paper, 1 letterhead.
void ImprimeCommande(TCanevas& canevas, const TCommandeImprimee& commande, int typePapier,
                     const TProprietaire& proprietaire);
TTravailImpression travailCommande(const TCommandeImprimee& commande, int typePapier,
                                   const TProprietaire& proprietaire);
