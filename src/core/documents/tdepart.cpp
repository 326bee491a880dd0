#include "core/documents/tdepart.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/documents/mois.h"

void TDepart::Init(const QString& nom, const TMontantsLoyer& mensuels, const QDate& du,
                   const QDate& au) {
    m_nom = nom;
    m_du = du;
    m_au = au;
    m_mensuels = {mensuels.loyer, mensuels.charges, mensuels.taxes};
    m_montants = m_mensuels;
    Calculs();
}

void TDepart::Init(const TCarteLocataire& carte) {
    const QDate today = Clock::today();
    Init(carte.coordonnees.value(0),
         {carte.montants.loyer.trimmed(), carte.montants.charges.trimmed(),
          carte.montants.taxes.trimmed(), QString()},
         PremierJour(today), DernierJour(today));
}

void TDepart::Calculs() {
    std::array<double, NbMontants> mensuels{};
    for (int i = 0; i < NbMontants; ++i)
        mensuels[i] = m_mensuels[i].isEmpty() ? 0.0 : StrToFloat(m_mensuels[i]);
    const qint64 jours = m_du.daysTo(m_au) + 1;
    m_jours = QString::number(jours);
    for (int i = 0; i < NbMontants; ++i) {
        const double montant = Real48(mensuels[i] * double(jours) * (1.0 / 30));
        if (montant > 0.1)
            m_montants[i] = FormatFloat(QStringLiteral("#.00"), montant);
    }
}

TMontantsLoyer TDepart::Result() const {
    return {m_montants[Loyer], m_montants[Charges], m_montants[Taxes], QString()};
}
