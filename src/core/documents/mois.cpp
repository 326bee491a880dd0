#include "mois.h"

QDate PremierJour(const QDate& date) {
    return QDate(date.year(), date.month(), 1);
}

QDate DernierJour(const QDate& date) {
    return QDate(date.year(), date.month(), date.daysInMonth());
}
