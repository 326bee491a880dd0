#pragma once

#include <QDate>

// The first and the last day of the month of a date (full Gregorian calendar: February 2100
// has 28 days). An invalid date gives an invalid date.
QDate PremierJour(const QDate& date);
QDate DernierJour(const QDate& date);
