#include "core/documents/mois.h"

#include "core/common/conversions.h"

QDate PremierJour(const QDate& date) {
    return QDate(date.year(), date.month(), 1);
}

QDate DernierJour(const QDate& date) {
    return QDate(date.year(), date.month(), date.daysInMonth());
}

QString TexteMois(const QDate& date) {
    return NomMois(date.month()) + u' ' + QString::number(date.year());
}

QStringList ListeMois(const QDate& today) {
    QStringList mois;
    const QDate debut = PremierJour(today.addDays(-180));
    for (int i = 0; i < 8; ++i)
        mois.append(TexteMois(debut.addMonths(i)));
    return mois;
}

TPeriode PeriodeMois(const QString& mois) {
    const qsizetype blanc = mois.indexOf(u' ');
    const QString nom = blanc < 0 ? QString() : mois.left(blanc);
    int numero = 1;
    for (int m = 1; m <= 12; ++m)
        if (NomMois(m).compare(nom, Qt::CaseInsensitive) == 0)
            numero = m;
    const QDate du =
        StrToDate(QStringLiteral("01/") + QString::number(numero).rightJustified(2, u'0') + u'/' +
                  mois.mid(blanc + 1));
    return {du, DernierJour(du)};
}
