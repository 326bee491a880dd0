#include "textfile.h"

#include "cp1252.h"
#include "ensemblefichiers.h"
#include "usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

UserError unencodable(const QString& line, const QString& pathForMessages) {
    return UserError(Cp1252::refus(line, QStringLiteral("le fichier ") + pathForMessages));
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

QString tooLarge(const QString& path, qint64 limit, const QString& pour) {
    return QStringLiteral("Le fichier %1 dépasse %2 Mo : il est trop grand pour %3")
        .arg(QDir::toNativeSeparators(path))
        .arg(limit / (1024 * 1024))
        .arg(pour);
}

QByteArray readBytes(const QString& path, qint64 limit, const QString& pour) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    // The size told is checked first; what is read is bounded too, for a file that grows or
    // tells no size.
    if (file.size() > limit)
        throw UserError(tooLarge(path, limit, pour));
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        throw UserError(tooLarge(path, limit, pour));
    return bytes;
}

QStringList read(const QString& path) {
    return decodeLines(readBytes(path), [](qsizetype, const QString&) {});
}

QStringList read(const QString& path, qint64 limit, const QString& pour) {
    return decodeLines(readBytes(path, limit, pour), [](qsizetype, const QString&) {});
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
            throw unencodable(line, pathForMessages);
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
