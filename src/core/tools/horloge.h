#pragma once

#include <QDateTime>
#include <QString>

class QTimeZone;

// The clock's texts: the time "hh:mm:ss" and the date "dd/mm/yyyy", moved field by field by
// the spin button, and the moment they give to set the computer's clock.
namespace Horloge {

enum class Champ { Heures, Minutes, Jour, Mois, Annee };

QString texteHeure(const QTime& heure);
QString texteDate(const QDate& date);

// Adds `pas` (1 or -1) to a field of the texts, kept within its bounds: 0-23 hours, 0-59
// minutes, day 1-31, month 1-12, year 1900-2099 (a two-digit year counts as 19xx).
void ajuste(Champ champ, int pas, QString& heure, QString& date);

// The moment the texts show, read in `zone`, as universal time. Texts that are not a date or
// a time throw UserError.
QDateTime instant(const QString& heure, const QString& date, const QTimeZone& zone);

} // namespace Horloge
