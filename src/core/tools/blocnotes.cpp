#include "core/tools/blocnotes.h"

#include "core/common/textfile.h"

#include <QDir>

namespace BlocNotes {

QString chemin(const QString& repertoire) {
    const QString nom = QStringLiteral("Dravenel.nte");
    if (repertoire.isEmpty())
        return nom;
    const QChar fin = repertoire.back();
    const bool separateur = fin == u'/' || fin == QDir::separator();
    return resolveFileName(repertoire + (separateur ? QString() : QStringLiteral("/")) + nom);
}

QString lis(const QString& chemin) {
    if (!TextFile::exists(chemin))
        return QString();
    return TextFile::read(chemin, TailleMax, QStringLiteral("le bloc-notes")).join(u'\n');
}

void ecris(const QString& chemin, const QString& texte) {
    TextFile::write(chemin, texte.isEmpty() ? QStringList() : texte.split(u'\n'));
}

} // namespace BlocNotes
