#include "textfile.h"

#include "cp1252.h"
#include "usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <unistd.h>

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

namespace {

// The same lines as splitLines(Cp1252::decode(bytes)), decoded line by line from the bytes: no
// copy of the whole file as text, and the line ends found with memchr.
QStringList decodeLines(const QByteArray& bytes) {
    QStringList lines;
    const char* const data = bytes.constData();
    const qsizetype size = bytes.size();
    auto find = [&](char c, qsizetype from, qsizetype to) {
        const void* at = std::memchr(data + from, c, size_t(to - from));
        return at ? static_cast<const char*>(at) - data : to;
    };
    // The next LF is looked for again only once the lines have passed it, so that a file
    // whose lines end with CR alone is still read in one pass.
    qsizetype lf = -1;
    for (qsizetype start = 0; start < size;) {
        if (lf < start)
            lf = find('\n', start, size);
        const qsizetype end = find('\r', start, lf);
        lines.append(Cp1252::decode(data + start, end - start));
        if (end == size)
            break;
        start = end + 1;
        if (data[end] == '\r' && start < size && data[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

QStringList read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    return decodeLines(file.readAll());
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
            throw UserError(
                QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans "
                               "le fichier %2")
                    .arg(line.mid(bad, line[bad].isHighSurrogate() ? 2 : 1), pathForMessages));
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

void AtomicFileSet::add(const QString& path, const QByteArray& content) {
    m_files.append({path, content});
}

void AtomicFileSet::commit() {
    QStringList written;
    auto discard = [&] {
        for (const QString& temporary : written)
            QFile::remove(temporary);
    };
    for (const auto& [path, content] : m_files) {
        const QString temporary = path + QStringLiteral(".tmp~");
        QFile file(temporary);
        const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                        file.write(content) == content.size() && file.flush() &&
                        ::fsync(file.handle()) == 0;
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
        const QString& path = m_files[i].first;
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
