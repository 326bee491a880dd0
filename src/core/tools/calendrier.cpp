#include "core/tools/calendrier.h"

#include <QLocale>

QString enteteCalendrier(const QDate& date) {
    return QLocale(QLocale::French, QLocale::France).monthName(date.month()) +
           QStringLiteral("  ") + QString::number(date.year());
}
