#include "textfile.h"

#include "cp1252.h"
#include "usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

UserError unencodable(const QString& line, qsizetype bad, const QString& pathForMessages) {
    return UserError(
        QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans le fichier %2")
            .arg(line.mid(bad, line[bad].isHighSurrogate() ? 2 : 1), pathForMessages));
}

} // namespace

namespace TextFile {

bool exists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    const char16_t* data = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != u'\r' && data[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (data[i] == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    return file.readAll();
}

QStringList read(const QString& path) {
    return decodeLines(readBytes(path), [](qsizetype, const QString&) {});
}

QByteArray encodeLines(const QStringList& lines, const QString& pathForMessages) {
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 2;
    QByteArray bytes(total, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QString& line : lines) {
        const qsizetype bad = Cp1252::encodeTo(line, out);
        if (bad >= 0)
            throw unencodable(line, bad, pathForMessages);
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

void write(const QString& path, const QStringList& lines) {
    AtomicFileSet files;
    files.add(path, encodeLines(lines, path));
    files.commit();
}

} // namespace TextFile

namespace {

// Writes the lines to `file` as encodeLines would give them, through a buffer of bounded size
// that stays in the processor's cache. False when the file refuses the bytes.
bool writeLines(QFile& file, const QStringList& lines, const QString& pathForMessages) {
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    qsizetype used = 0;
    auto flush = [&] {
        const bool ok = file.write(buffer.constData(), used) == used;
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
            throw unencodable(line, bad, pathForMessages);
        out[line.size()] = '\r';
        out[line.size() + 1] = '\n';
        used += size;
    }
    return flush();
}

} // namespace

void AtomicFileSet::add(const QString& path, const QByteArray& content) {
    m_files.append({path, content, {}, false});
}

void AtomicFileSet::addLines(const QString& path, const QStringList& lines) {
    m_files.append({path, {}, lines, true});
}

void AtomicFileSet::commit() {
    QStringList written;
    auto discard = [&] {
        for (const QString& temporary : written)
            QFile::remove(temporary);
    };
    for (const Entry& entry : std::as_const(m_files)) {
        const QString& path = entry.path;
        const QString temporary = path + QStringLiteral(".tmp~");
        QFile file(temporary);
        bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        try {
            ok = ok && (entry.encode ? writeLines(file, entry.lines, path)
                                     : file.write(entry.content) == entry.content.size());
        } catch (const UserError&) {
            file.close();
            QFile::remove(temporary);
            discard();
            throw;
        }
        ok = ok && file.flush() && ::fsync(file.handle()) == 0;
        file.close();
        if (ok)
            written.append(temporary);
        if (!ok || file.error() != QFileDevice::NoError) {
            QFile::remove(temporary);
            discard();
            throw UserError(
                QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
                    .arg(path));
        }
    }
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        const QString& path = m_files[i].path;
        if (std::rename(QFile::encodeName(written[i]).constData(),
                        QFile::encodeName(path).constData()) != 0) {
            discard();
            throw UserError(
                QStringLiteral("Impossible d'écrire le fichier %1 (disque plein ou accès refusé)")
                    .arg(path));
        }
    }
    m_files.clear();
}

QString resolveFileName(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QDir dir = info.dir();
    const QString wanted = info.fileName();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return path;
}
