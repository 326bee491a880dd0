#include "core/banque/formatscsv.h"

#include "core/common/cp1252.h"
#include "core/common/textfile.h"

#include <QDir>

namespace {

// The header of a file read with `format`: its line just above the operations.
QString entete(const QStringList& lignes, const TFormatCsv& format) {
    if (format.lignesEntete <= 0 || format.lignesEntete > lignes.size())
        return {};
    return lignes[format.lignesEntete - 1].trimmed();
}

// The settings file holds at most this many mappings, the latest ones.
constexpr qsizetype EntreesMax = 100;

} // namespace

TFormatsCsv TFormatsCsv::charge(const QString& repertoire) {
    TFormatsCsv formats;
    const QString chemin = resolveFileName(QDir(repertoire).filePath(NomFichier));
    if (!TextFile::exists(chemin))
        return formats;
    for (const QString& ligne : TextFile::read(chemin, 1024 * 1024)) {
        const qsizetype tab = ligne.indexOf(u'\t');
        if (tab < 0)
            continue;
        if (const std::optional<TFormatCsv> f = TFormatCsv::depuisTexte(ligne.left(tab)))
            formats.m_entrees.append({ligne.mid(tab + 1), *f});
    }
    return formats;
}

void TFormatsCsv::sauve(const QString& repertoire) const {
    QStringList lignes;
    for (const TEntree& e : m_entrees)
        lignes.append(e.format.texte() + u'\t' + e.entete);
    TextFile::write(resolveFileName(QDir(repertoire).filePath(NomFichier)), lignes);
}

std::optional<TFormatCsv> TFormatsCsv::pour(const QStringList& lignes) const {
    for (qsizetype i = m_entrees.size() - 1; i >= 0; --i)
        if (!m_entrees[i].entete.isEmpty() &&
            entete(lignes, m_entrees[i].format) == m_entrees[i].entete)
            return m_entrees[i].format;
    return std::nullopt;
}

void TFormatsCsv::retient(const QStringList& lignes, const TFormatCsv& format) {
    const QString e = entete(lignes, format);
    if (e.isEmpty() || !Cp1252::canEncode(e) || e.contains(u'\n') || e.contains(u'\r'))
        return;
    m_entrees.removeIf([&](const TEntree& x) { return x.entete == e; });
    m_entrees.append({e, format});
    while (m_entrees.size() > EntreesMax)
        m_entrees.removeFirst();
}
