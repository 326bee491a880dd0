#pragma once

#include "core/documents/cartelocataire.h"

#include <QDate>
#include <QString>

#include <array>

// The arrival/departure dialog without its widgets: the rent, charges and taxes due for the
// days from "Du" to "au", both included, each month counted as 30 days.
class TDepart {
public:
    enum Montant { Loyer, Charges, Taxes, NbMontants };

    // Shows the name, the two dates and the monthly amounts, then computes. A monthly amount
    // that is not a number stops with the conversion message.
    void Init(const QString& nom, const TMontantsLoyer& mensuels, const QDate& du, const QDate& au);
    // The same for the tenant on the card, over the current month.
    void Init(const TCarteLocataire& carte);

    // Computes again from the monthly amounts: run when "Du", "au" or "Nb jours" is left. An
    // amount of 0,1 or less leaves its field as it was.
    void Calculs();

    void saisitDu(const QDate& du) { m_du = du; }
    void saisitAu(const QDate& au) { m_au = au; }
    void saisitMontant(Montant montant, const QString& texte) { m_montants[montant] = texte; }

    QString nom() const { return m_nom; }
    QDate du() const { return m_du; }
    QDate au() const { return m_au; }
    QString jours() const { return m_jours; }
    QString montant(Montant montant) const { return m_montants[montant]; }

    // What "OK" gives back: the rent, charges and taxes shown. No allowance is proposed.
    TMontantsLoyer Result() const;

private:
    QString m_nom;
    QDate m_du;
    QDate m_au;
    QString m_jours;
    std::array<QString, NbMontants> m_mensuels;
    std::array<QString, NbMontants> m_montants;
};
