#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The amounts and dates as the banks write them in their statement files.
namespace TextesReleve {

// An amount in cents: an optional sign in front, digits grouped by blanks or by the other
// separator, at most two decimals after `decimale`. Nothing when the text is no amount.
std::optional<qint64> centimes(QStringView texte, QChar decimale);
// The decimal separator of an amount written by a bank whose habit is not known: the last
// comma or full stop followed by one or two digits only; a full stop otherwise.
QChar decimaleDe(QStringView texte);
// A date in `format` ("dd/MM/yyyy", "yyyy-MM-dd", "dd/MM/yy"...): two-digit years are of this
// century. Nothing when the text is no date.
std::optional<QDate> date(const QString& texte, const QString& format);
// A date in any of the formats French banks use, day before month.
std::optional<QDate> dateFrancaise(const QString& texte);

} // namespace TextesReleve
