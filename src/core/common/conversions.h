#pragma once

#include <QDate>
#include <QString>

// Text <-> value conversions with the French regional settings of the program:
// decimal comma, short dates "dd/mm/yyyy". Each failure throws UserError with the
// runtime's own French message.

int StrToInt(const QString& text);
double StrToFloat(const QString& text);
// Stops the command with the message of a text that is not a floating-point value.
[[noreturn]] void PasUnFlottant(const QString& text);
QDate StrToDate(const QString& text);

// Format a number with a picture such as "0.00", "0.0", "#", "#.00": '0' is a required
// digit, '#' an optional one, '.' stands for the decimal comma. The decimal value is
// rounded half away from zero (2,675 -> "2,68").
QString FormatFloat(const QString& format, double value);

// The standard number text: at most 15 significant digits, decimal comma, no trailing zeros.
QString FloatToStr(double value);

QString DateToStr(const QDate& date);

// The value a 6-byte real would hold (40-bit mantissa, about 12 significant digits), given
// back as the shortest decimal that the 6-byte real reads as the same value.
double Real48(double value);

// "Janvier" ... "Décembre" for months 1 to 12.
QString NomMois(int month);
