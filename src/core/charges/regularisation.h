#pragma once

#include "core/charges/chargesreelles.h"

#include <QDate>
#include <QList>
#include <QString>

class TListeBase;
struct TTableau;

// The settlement of a year's charges for one tenant of a lot: the provisions he paid against
// his share of the lot's real charges, pro rata of the days he occupied it in the year.
struct TRegularisation {
    QString locataire; // the tenant's number
    QString nom;
    QString lot;
    QString nomLot;
    int annee = 0;
    QDate du; // the days of occupancy in the year, both included
    QDate au;
    bool chargesSaisies = false; // real charges entered for the lot and year
    TChargesLot charges;
    double provisions = 0; // "Provision pour charges" of his validated receipts of the year
    int jours() const { return int(du.daysTo(au)) + 1; }
    int joursAnnee() const { return QDate(annee, 1, 1).daysInYear(); }
    double total() const { return charges.total(); }
    // The real charges × days occupied ÷ days of the year, to the cent.
    double quotePart() const;
    // What the tenant owes (positive) or is owed back (negative).
    double solde() const;
    // "Régularisation des charges 2025".
    QString libelle() const;
};

namespace Regularisation {

// The designation of the receipt rows that the settlement counts.
QString provision();
// The label of a settlement's receipt row and history line for `annee`.
QString libelle(int annee);

// Every tenant who occupied the lot (every lot when `lot` is empty) for at least a day of
// `annee`, in the order of the tenant base. A tenant's occupancy runs from his entry (the start
// of his lease when the card has none) to his leaving; a tenant without either date has none.
QList<TRegularisation> Calcule(const TListeBase& locataires, const TListeBase& lots,
                               const TListeBase& quittances, const TListeBase& charges, int annee,
                               const QString& lot = {});

// The grid of the results: "N° locataire", "Nom/Soc", "N° lot", "Période", "Jours",
// "Charges réelles", "Quote-part", "Provisions", "Solde".
TTableau Tableau(const QList<TRegularisation>& regularisations);

} // namespace Regularisation
