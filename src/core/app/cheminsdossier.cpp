#include "core/app/cheminsdossier.h"

bool estFichierLoc(const QString& path) {
    return path.right(4).toUpper() == QLatin1String(".LOC");
}

QString avecExtensionLoc(const QString& path) {
    const qsizetype nom = path.lastIndexOf(u'/') + 1;
    const qsizetype point = path.lastIndexOf(u'.');
    const QString souche = point > nom ? path.left(point) : path;
    return souche + QStringLiteral(".loc");
}
