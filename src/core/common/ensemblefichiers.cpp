#include "ensemblefichiers.h"

#include "cp1252.h"
#include "etapesfichiers.h"
#include "usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using EtapesFichiers::Etape;

namespace {

const QByteArray JournalHeader = "TARVINEL ENSEMBLE 1";
const QByteArray JournalEnd = "FIN";

UserError unwritable(const QString& path) {
    return UserError(
        QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
            .arg(QDir::toNativeSeparators(path)));
}

UserError unencodable(const QString& line, const QString& path) {
    return UserError(Cp1252::refus(line, QStringLiteral("le fichier ") + path));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool renameFile(const QString& from, const QString& to) {
    return EtapesFichiers::autorise(Etape::Renommage, to) &&
           std::rename(native(from).constData(), native(to).constData()) == 0;
}

bool removeFile(const QString& path) {
    return EtapesFichiers::autorise(Etape::Suppression, path) && QFile::remove(path);
}

bool exists(const QString& path) {
    return QFileInfo::exists(path);
}

// Makes the renames and removals in a folder durable.
void syncFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes bytes through the steps a test may stop or fail; false when the disk refuses them.
bool writeBytes(QFile& file, const char* data, qsizetype size) {
    return EtapesFichiers::autorise(Etape::Ecriture, file.fileName()) &&
           file.write(data, size) == size;
}

// Writes the lines as CR LF text in the code page, through a buffer of bounded size that stays
// in the processor's cache.
bool writeLines(QFile& file, const QStringList& lines, const QString& pathForMessages) {
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    qsizetype used = 0;
    auto flush = [&] {
        const bool ok = writeBytes(file, buffer.constData(), used);
        used = 0;
        return ok;
    };
    for (const QString& line : lines) {
        const qsizetype size = line.size() + 2;
        if (used + size > buffer.size()) {
            if (!flush())
                return false;
            if (size > buffer.size())
                buffer.resize(size);
        }
        char* out = buffer.data() + used;
        const qsizetype bad = Cp1252::encodeTo(line, out);
        if (bad >= 0)
            throw unencodable(line, pathForMessages);
        out[line.size()] = '\r';
        out[line.size() + 1] = '\n';
        used += size;
    }
    return flush();
}

// Creates `path` with what `write` puts in it, synced to the disk; false when refused.
template <typename Write> bool writeFile(const QString& path, Write&& write) {
    QFile file(path);
    if (!EtapesFichiers::autorise(Etape::Creation, path) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = write(file) && file.flush() && EtapesFichiers::autorise(Etape::Synchro, path) &&
              ::fsync(file.handle()) == 0;
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}

// The paths a complete journal names; none when it is incomplete or unreadable.
std::optional<QStringList> readJournal(const QString& journal) {
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines.first() != JournalHeader || lines.last() != JournalEnd)
        return std::nullopt;
    QStringList paths;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        paths.append(QString::fromUtf8(lines[i]));
    return paths;
}

} // namespace

void AtomicFileSet::add(const QString& path, const QByteArray& content) {
    m_files.append({path, content, {}, false});
}

void AtomicFileSet::addLines(const QString& path, const QStringList& lines) {
    m_files.append({path, {}, lines, true});
}

void AtomicFileSet::writeTemporaries() {
    QStringList written;
    auto discard = [&] {
        for (const QString& temporary : written)
            QFile::remove(temporary);
    };
    for (const Entry& entry : std::as_const(m_files)) {
        const QString temporary = temporaryOf(entry.path);
        written.append(temporary);
        bool ok = false;
        try {
            ok = writeFile(temporary, [&](QFile& file) {
                return entry.encode
                           ? writeLines(file, entry.lines, entry.path)
                           : writeBytes(file, entry.content.constData(), entry.content.size());
            });
        } catch (const UserError&) {
            discard();
            throw;
        }
        if (!ok) {
            discard();
            throw unwritable(entry.path);
        }
    }
}

void AtomicFileSet::commit(const QString& journal, const QString& archive) {
    writeTemporaries();
    QStringList paths;
    for (const Entry& entry : std::as_const(m_files))
        paths.append(entry.path);
    m_files.clear();
    auto removeAll = [&](auto nameOf) {
        for (const QString& path : std::as_const(paths))
            QFile::remove(nameOf(path));
    };

    if (journal.isEmpty()) {
        for (const QString& path : std::as_const(paths))
            if (!renameFile(temporaryOf(path), path)) {
                removeAll(temporaryOf);
                throw unwritable(path);
            }
        syncFolder(paths.value(0));
        return;
    }

    // The old files linked aside: what a refused rename puts back, and what goes to the archive.
    QStringList kept;
    for (const QString& path : std::as_const(paths)) {
        if (!exists(path))
            continue;
        const QString old = oldOf(path);
        QFile::remove(old);
        const bool linked = EtapesFichiers::autorise(Etape::Lien, old) &&
                            (::link(native(path).constData(), native(old).constData()) == 0 ||
                             QFile::copy(path, old));
        if (!linked) {
            removeAll(temporaryOf);
            removeAll(oldOf);
            throw unwritable(path);
        }
        kept.append(path);
    }

    QByteArray record = JournalHeader + '\n';
    for (const QString& path : std::as_const(paths))
        record += path.toUtf8() + '\n';
    record += JournalEnd + '\n';
    const QString journalTemporary = temporaryOf(journal);
    if (!writeFile(
            journalTemporary,
            [&](QFile& file) { return writeBytes(file, record.constData(), record.size()); }) ||
        !renameFile(journalTemporary, journal)) {
        QFile::remove(journalTemporary);
        removeAll(temporaryOf);
        removeAll(oldOf);
        throw unwritable(journal);
    }
    syncFolder(journal);

    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (renameFile(temporaryOf(paths[i]), paths[i]))
            continue;
        // Put back what was already replaced, so that the dossier stays as it was.
        for (qsizetype j = 0; j < i; ++j) {
            if (kept.contains(paths[j]))
                std::rename(native(oldOf(paths[j])).constData(), native(paths[j]).constData());
            else
                QFile::remove(paths[j]);
        }
        removeAll(temporaryOf);
        removeAll(oldOf);
        QFile::remove(journal);
        syncFolder(journal);
        throw unwritable(paths[i]);
    }
    syncFolder(journal);
    removeFile(journal);
    syncFolder(journal);

    if (!archive.isEmpty() && !kept.isEmpty() && QDir().mkpath(archive)) {
        for (const QString& path : std::as_const(kept))
            std::rename(native(oldOf(path)).constData(),
                        native(QDir(archive).filePath(QFileInfo(path).fileName())).constData());
        syncFolder(archive + QStringLiteral("/."));
    }
    removeAll(oldOf);
}

void AtomicFileSet::recover(const QString& journal, const QStringList& paths) {
    QFile::remove(temporaryOf(journal));
    QStringList named = paths;
    if (exists(journal)) {
        if (const std::optional<QStringList> record = readJournal(journal)) {
            for (const QString& path : *record) {
                const QString temporary = temporaryOf(path);
                if (exists(temporary) && !renameFile(temporary, path))
                    throw unwritable(path);
                named.append(path);
            }
            syncFolder(journal);
        }
        if (!removeFile(journal))
            throw unwritable(journal);
        syncFolder(journal);
    }
    for (const QString& path : std::as_const(named)) {
        QFile::remove(temporaryOf(path));
        QFile::remove(oldOf(path));
    }
}
