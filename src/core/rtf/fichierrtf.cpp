#include "core/rtf/fichierrtf.h"

#include "core/common/ensemblefichiers.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/rtf/ecriturertf.h"

#include <QFileInfo>

namespace FichierRtf {

std::optional<TLettreLue> lis(const QString& chemin, const TSuiviLecture& suivi) {
    const QByteArray octets = TextFile::readBytes(
        chemin, TailleMax, QStringLiteral("être ouvert dans le traitement de texte"));
    try {
        return lisLettre(octets, suivi);
    } catch (const UserError&) {
        throw UserError(QStringLiteral("Le fichier %1 n'est pas un document RTF")
                            .arg(QFileInfo(chemin).fileName()));
    }
}

void ecris(const QString& chemin, const TDocumentRtf& lettre) {
    AtomicFileSet fichiers;
    fichiers.add(chemin, ecritRtf(lettre));
    fichiers.commit();
}

QString avecExtension(const QString& chemin) {
    return QFileInfo(chemin).fileName().contains(u'.') ? chemin : chemin + QStringLiteral(".rtf");
}

} // namespace FichierRtf
