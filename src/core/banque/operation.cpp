#include "operation.h"

QString TOperation::empreinte() const {
    if (!id.isEmpty())
        return QStringLiteral("ID ") + id;
    return date.toString(QStringLiteral("yyyyMMdd")) + u' ' + QString::number(centimes) + u' ' +
           libelle.simplified();
}

QString TexteCentimes(qint64 centimes) {
    const qint64 absolu = centimes < 0 ? -centimes : centimes;
    QString entiers = QString::number(absolu / 100);
    for (qsizetype i = entiers.size() - 3; i > 0; i -= 3)
        entiers.insert(i, u' ');
    return (centimes < 0 ? QStringLiteral("-") : QString()) + entiers + u',' +
           QStringLiteral("%1").arg(absolu % 100, 2, 10, QLatin1Char('0'));
}
