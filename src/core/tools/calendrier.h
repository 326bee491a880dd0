#pragma once

#include <QDate>
#include <QString>

// The calendar's heading: the French month name, two blanks and the year ("décembre  2026").
QString enteteCalendrier(const QDate& date);
