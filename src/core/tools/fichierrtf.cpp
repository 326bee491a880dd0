#include "fichierrtf.h"

#include "common/ensemblefichiers.h"
#include "common/textfile.h"
#include "common/usererror.h"
#include "ecriturertf.h"
#include "lecturertf.h"

#include <QFileInfo>

namespace FichierRtf {

TDocumentRtf lis(const QString& chemin) {
    const QByteArray octets = TextFile::readBytes(chemin);
    try {
        return lisRtf(octets);
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
