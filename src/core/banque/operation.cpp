#include "core/banque/operation.h"

#include "core/common/cp1252.h"

namespace {

// The footprint goes into a dossier file: a character the code page has no byte for stands as
// "?", the same each time.
QString enCp1252(QString texte) {
    for (QChar& c : texte)
        if (!Cp1252::canEncode(QString(c)))
            c = u'?';
    return texte;
}

} // namespace

QString TOperation::empreinte() const {
    if (!id.isEmpty())
        return enCp1252(QStringLiteral("ID ") + id.simplified());
    return enCp1252(date.toString(QStringLiteral("yyyyMMdd")) + u' ' + QString::number(centimes) +
                    u' ' + libelle.simplified());
}

QString TexteCentimes(qint64 centimes) {
    const qint64 absolu = centimes < 0 ? -centimes : centimes;
    QString entiers = QString::number(absolu / 100);
    for (qsizetype i = entiers.size() - 3; i > 0; i -= 3)
        entiers.insert(i, u' ');
    return (centimes < 0 ? QStringLiteral("-") : QString()) + entiers + u',' +
           QStringLiteral("%1").arg(absolu % 100, 2, 10, QLatin1Char('0'));
}
