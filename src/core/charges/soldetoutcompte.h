#pragma once

#include "core/charges/regularisation.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TFiche;

// A deduction from the deposit, typed with its designation: repairs, cleaning...
struct TDeduction {
    QString designation;
    QString montant; // as typed
};

// The settlement of a tenant's account at his leaving: the deposit received less the
// deductions, the unpaid rents and the charges balance of his last year when its real charges
// were entered and the balance not carried to a receipt yet.
struct TSoldeToutCompte {
    QString locataire;
    QString nom;
    QStringList adresse; // the card's address lines, postal code and town
    QString lot;
    QString nomLot;
    QDate sortie; // his leaving, or the day the settlement is made when the card has none
    double caution = 0;
    QList<TDeduction> deductions;
    QStringList moisImpayes;
    double loyerMensuel = 0; // the card's "Total dû", what each unpaid month owes
    std::optional<TRegularisation> charges;
    // The exit inventory matches the entry one: one month to return the deposit, else two.
    bool etatsConformes = true;

    double totalDeductions() const;
    double impayes() const;
    // What the landlord returns (positive) or claims (negative).
    double solde() const;
    int moisDelai() const { return etatsConformes ? 1 : 2; }
    // The last day to return the deposit.
    QDate echeance() const { return sortie.addMonths(moisDelai()); }
    // The sentence of the legal deadline on the document.
    QString phraseDelai() const;
};

namespace SoldeToutCompte {

// The settlement of the tenant numbered `numero` as the bases hold him on `jour`, without
// deductions. Throws UserError when the base has no such tenant.
TSoldeToutCompte Calcule(const TFiche& fiche, const QString& numero, const QDate& jour);
// Posts "Solde de tout compte" and the amount to return (negative: to claim) into the
// tenant's history; the tenant page then shows him. Refused when his history is full.
void Poste(TFiche& fiche, const TSoldeToutCompte& solde);

} // namespace SoldeToutCompte
