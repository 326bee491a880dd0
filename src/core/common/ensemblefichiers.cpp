#include "core/common/ensemblefichiers.h"

#include "core/common/cp1252.h"
#include "core/common/etapesfichiers.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using EtapesFichiers::Etape;

namespace {

const QByteArray JournalHeader = "TARVINEL ENSEMBLE 2";
const QByteArray JournalEnd = "FIN";

UserError unwritable(const QString& path) {
    return UserError(
        QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
            .arg(QDir::toNativeSeparators(path)));
}

// The copy of the files a save replaces could not be made in `folder`; the reason named.
UserError uncopyable(const QString& folder) {
    const QFileInfo parent(QFileInfo(folder).absolutePath());
    const QString why = parent.exists() && !parent.isDir()
                            ? QStringLiteral("%1 n'est pas un dossier")
                                  .arg(QDir::toNativeSeparators(parent.filePath()))
                            : QStringLiteral("disque plein ou accès refusé");
    return UserError(QStringLiteral("Impossible de garder une copie des fichiers remplacés dans "
                                    "%1 (%2) : rien n'a été enregistré")
                         .arg(QDir::toNativeSeparators(parent.filePath()), why));
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

// What a complete journal names: the files of the set and, when the set keeps a copy, the
// copy's temporary and final folders, every path resolved from the journal's folder.
struct Record {
    QStringList paths;
    QString copyTemporary;
    QString copyFolder;
};

QDir folderOf(const QString& journal) {
    return QDir(QFileInfo(journal).absolutePath());
}

QByteArray nameInJournal(const QDir& folder, const QString& path) {
    return path.isEmpty() ? QByteArray()
                          : folder.relativeFilePath(QFileInfo(path).absoluteFilePath()).toUtf8();
}

QByteArray recordOf(const QString& journal, const QStringList& paths, const QString& copyTemporary,
                    const QString& copyFolder) {
    const QDir folder = folderOf(journal);
    QByteArray record = JournalHeader + '\n';
    record += nameInJournal(folder, copyTemporary) + '\n';
    record += nameInJournal(folder, copyFolder) + '\n';
    for (const QString& path : paths)
        record += nameInJournal(folder, path) + '\n';
    return record + JournalEnd + '\n';
}

// The record of a complete journal; none when it is incomplete or unreadable.
std::optional<Record> readJournal(const QString& journal) {
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 4 || lines.first() != JournalHeader || lines.last() != JournalEnd)
        return std::nullopt;
    const QDir folder = folderOf(journal);
    auto pathOf = [&](const QByteArray& name) {
        return name.isEmpty() ? QString()
                              : QDir::cleanPath(folder.filePath(QString::fromUtf8(name)));
    };
    Record record{{}, pathOf(lines[1]), pathOf(lines[2])};
    for (qsizetype i = 3; i + 1 < lines.size(); ++i)
        record.paths.append(pathOf(lines[i]));
    return record;
}

QString inCopy(const QString& copy, const QString& path) {
    return QDir(copy).filePath(QFileInfo(path).fileName());
}

// Builds the copy of the files about to be replaced in `temporary`: a link to each existing
// file (its bytes when the disk has no links), an empty file for each missing one.
bool makeCopy(const QStringList& paths, const QString& temporary) {
    QDir(temporary).removeRecursively();
    if (!QDir().mkpath(QFileInfo(temporary).absolutePath()) ||
        !EtapesFichiers::autorise(Etape::Creation, temporary) || !QDir().mkdir(temporary))
        return false;
    for (const QString& path : paths) {
        const QString target = inCopy(temporary, path);
        const bool made = exists(path)
                              ? EtapesFichiers::autorise(Etape::Lien, target) &&
                                    (::linkat(AT_FDCWD, native(path).constData(), AT_FDCWD,
                                              native(target).constData(), AT_SYMLINK_FOLLOW) == 0 ||
                                     QFile::copy(path, target))
                              : writeFile(target, [](QFile&) { return true; });
        if (!made)
            return false;
    }
    syncFolder(temporary + QStringLiteral("/."));
    return true;
}

// Gives the copy its name and removes the journal. False when the copy could not be named:
// the journal is then kept, so that the next recovery tries again.
bool finish(const QString& journal, const QString& copyTemporary, const QString& copyFolder) {
    if (!copyFolder.isEmpty() && exists(copyTemporary)) {
        if (!renameFile(copyTemporary, copyFolder))
            return false;
        syncFolder(copyFolder);
    }
    removeFile(journal);
    syncFolder(journal);
    return true;
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

QStringList AtomicFileSet::takePaths() {
    QStringList paths;
    for (const Entry& entry : std::as_const(m_files))
        paths.append(entry.path);
    m_files.clear();
    return paths;
}

void AtomicFileSet::commit() {
    writeTemporaries();
    const QStringList paths = takePaths();
    for (const QString& path : paths)
        if (!renameFile(temporaryOf(path), path)) {
            for (const QString& other : paths)
                QFile::remove(temporaryOf(other));
            throw unwritable(path);
        }
    syncFolder(paths.value(0));
}

void AtomicFileSet::commit(const QString& journal, const Copy& copy) {
    writeTemporaries();
    const QStringList paths = takePaths();
    QStringList kept;
    for (const QString& path : paths)
        if (exists(path))
            kept.append(path);
    const bool copied = !kept.isEmpty();
    auto discard = [&] {
        for (const QString& path : paths)
            QFile::remove(temporaryOf(path));
        if (copied)
            QDir(copy.temporary).removeRecursively();
    };
    if (copied && !makeCopy(paths, copy.temporary)) {
        discard();
        throw uncopyable(copy.temporary);
    }

    const QString copyTemporary = copied ? copy.temporary : QString();
    const QString copyFolder = copied ? copy.folder : QString();
    const QByteArray record = recordOf(journal, paths, copyTemporary, copyFolder);
    const QString journalTemporary = temporaryOf(journal);
    if (!writeFile(
            journalTemporary,
            [&](QFile& file) { return writeBytes(file, record.constData(), record.size()); }) ||
        !renameFile(journalTemporary, journal)) {
        QFile::remove(journalTemporary);
        discard();
        throw unwritable(journal);
    }
    syncFolder(journal);

    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (renameFile(temporaryOf(paths[i]), paths[i]))
            continue;
        // Put back what was already replaced, so that the dossier stays as it was.
        for (qsizetype j = 0; j < i; ++j) {
            if (kept.contains(paths[j]))
                std::rename(native(inCopy(copy.temporary, paths[j])).constData(),
                            native(paths[j]).constData());
            else
                QFile::remove(paths[j]);
        }
        discard();
        QFile::remove(journal);
        syncFolder(journal);
        throw unwritable(paths[i]);
    }
    syncFolder(journal);
    finish(journal, copyTemporary, copyFolder);
}

void AtomicFileSet::recover(const QString& journal, const QStringList& paths,
                            const QString& copyTemporary) {
    QFile::remove(temporaryOf(journal));
    QStringList named = paths;
    bool copyPending = false;
    if (exists(journal)) {
        if (const std::optional<Record> record = readJournal(journal)) {
            for (const QString& path : record->paths) {
                const QString temporary = temporaryOf(path);
                if (exists(temporary) && !renameFile(temporary, path))
                    throw unwritable(path);
                named.append(path);
            }
            syncFolder(journal);
            copyPending = !finish(journal, record->copyTemporary, record->copyFolder);
            if (!copyPending && exists(journal))
                throw unwritable(journal);
        } else {
            if (!removeFile(journal))
                throw unwritable(journal);
            syncFolder(journal);
        }
    }
    // A copy left unfinished belongs to a set that never replaced anything.
    if (!copyPending && !copyTemporary.isEmpty())
        QDir(copyTemporary).removeRecursively();
    for (const QString& path : std::as_const(named))
        QFile::remove(temporaryOf(path));
}
