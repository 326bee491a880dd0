#include "core/app/programme.h"

#include "core/app/fichiersreglages.h"

#include <QDir>

namespace Programme {

QString version() {
    return QStringLiteral(TARVINEL_VERSION);
}

QString licence() {
    return QStringLiteral("Logiciel propriétaire, tous droits réservés");
}

QString texteVersion() {
    return QStringLiteral("Tarvinel %1\nGestion des locations immobilières\nLicence : %2\n")
        .arg(version(), licence());
}

QList<TLigne> aPropos(const QString& dossier, const QString& repertoireReglages) {
    const QString reglages =
        QDir::toNativeSeparators(QDir(repertoireReglages).filePath(FichiersReglages::NomIni));
    return {
        {QStringLiteral("Licence"), licence()},
        {QStringLiteral("Dossier"), dossier.isEmpty() ? QStringLiteral("aucun dossier ouvert")
                                                      : QDir::toNativeSeparators(dossier)},
        {QStringLiteral("Réglages"), reglages},
    };
}

} // namespace Programme
