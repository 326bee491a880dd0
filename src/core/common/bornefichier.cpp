#include "core/common/bornefichier.h"

#include "core/common/usererror.h"

#include <QDir>

namespace BorneFichier {

QString texteTaille(qint64 octets) {
    constexpr qint64 Ko = 1024;
    constexpr qint64 Mo = Ko * Ko;
    if (octets < Mo)
        return QStringLiteral("%1 Ko").arg((octets + Ko - 1) / Ko);
    return QStringLiteral("%1 Mo").arg((octets + Mo - 1) / Mo);
}

void verifie(const QString& chemin, qint64 taille, qint64 octetsMax, const QString& pour) {
    if (taille <= octetsMax)
        return;
    if (!pour.isEmpty())
        throw UserError(QStringLiteral("Le fichier %1 dépasse %2 : il est trop grand pour %3")
                            .arg(QDir::toNativeSeparators(chemin), texteTaille(octetsMax), pour));
    throw UserError(
        QStringLiteral("Le fichier %1 est trop grand (%2) : il ne peut pas dépasser %3")
            .arg(QDir::toNativeSeparators(chemin), texteTaille(taille), texteTaille(octetsMax)));
}

} // namespace BorneFichier
