#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The first and the last day of the month of a date (full Gregorian calendar: February 2100
// has 28 days). An invalid date gives an invalid date.
QDate PremierJour(const QDate& date);
QDate DernierJour(const QDate& date);

// The month text of a date: "Décembre 2026".
QString TexteMois(const QDate& date);

// The eight months offered by the receipt and notice pages, from the month of the date 180
// days before `today` on.
QStringList ListeMois(const QDate& today);

// The period a month text names: the name before its first blank gives the month (January
// when it is no month name), the text after it the year. A year that does not read stops
// with the date conversion message.
struct TPeriode {
    QDate du;
    QDate au;
};
TPeriode PeriodeMois(const QString& mois);
