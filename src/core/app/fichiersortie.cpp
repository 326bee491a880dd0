#include "core/app/fichiersortie.h"

#include "core/app/fichiersreglages.h"
#include "core/app/tfiche.h"
#include "core/app/verrou.h"
#include "core/common/usererror.h"
#include "core/store/bases.h"
#include "core/tools/blocnotes.h"
#include "core/tools/messages.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The path with its folder's links followed, even when the file itself does not exist yet.
QString reel(const QString& chemin) {
    const QFileInfo info(QFileInfo(chemin).absoluteFilePath());
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    return dossier.isEmpty() ? info.absoluteFilePath() : QDir(dossier).filePath(info.fileName());
}

bool memeFichier(const QString& a, const QString& b) {
    return reel(a).compare(reel(b), Qt::CaseInsensitive) == 0;
}

} // namespace

QString refusSortie(const QString& sortie, const QString& principal,
                    const QString& repertoireReglages) {
    const QString nom = QDir::toNativeSeparators(sortie);
    const QString souche = principal.chopped(qMin<qsizetype>(3, principal.size()));
    QStringList duDossier{Messages::nomFichier(principal), TFiche::journalDe(principal),
                          TVerrou::fichierDe(principal)};
    for (int f = 0; f < NbFichiers; ++f)
        duDossier << souche + extensionFichier(f);
    for (const QString& fichier : std::as_const(duDossier))
        if (memeFichier(sortie, fichier))
            return QStringLiteral("Le fichier %1 fait partie du dossier %2 : choisissez un autre "
                                  "fichier de sortie")
                .arg(nom, QFileInfo(principal).fileName());

    const QDir reglages(repertoireReglages);
    for (const QString& fichier :
         {reglages.filePath(FichiersReglages::NomIni), reglages.filePath(FichiersReglages::NomSoc),
          reglages.filePath(FichiersReglages::NomCbx), BlocNotes::chemin(repertoireReglages)})
        if (memeFichier(sortie, fichier))
            return QStringLiteral("Le fichier %1 est un fichier de réglages du programme : "
                                  "choisissez un autre fichier de sortie")
                .arg(nom);

    const QString dossierCopies =
        QFileInfo(principal).absoluteDir().filePath(QStringLiteral("Sauvegardes"));
    const QString canonique = QFileInfo(dossierCopies).canonicalFilePath();
    const QString copies = canonique.isEmpty() ? reel(dossierCopies) : canonique;
    const QString cible = reel(sortie);
    if (cible.compare(copies, Qt::CaseInsensitive) == 0 ||
        cible.startsWith(copies + u'/', Qt::CaseInsensitive))
        return QStringLiteral("Le fichier %1 est dans le dossier des sauvegardes : choisissez un "
                              "autre fichier de sortie")
            .arg(nom);
    return {};
}

void verifieSortie(const QString& sortie, const QString& principal,
                   const QString& repertoireReglages) {
    if (const QString refus = refusSortie(sortie, principal, repertoireReglages); !refus.isEmpty())
        throw UserError(refus);
}
