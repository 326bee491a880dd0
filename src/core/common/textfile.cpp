#include "core/common/textfile.h"

#include "core/common/bornefichier.h"
#include "core/common/cp1252.h"
#include "core/common/ensemblefichiers.h"
#include "core/common/grandespages.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

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

bool absent(const QString& path) {
    struct stat info;
    return path.isEmpty() || (::lstat(QFile::encodeName(path).constData(), &info) != 0 &&
                              (errno == ENOENT || errno == ENOTDIR));
}

QByteArray readBytes(const QString& path, qint64 octetsMax, const QString& pour) {
    const UserError unreadable(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    // A pipe or a device is never opened: reading it could wait for ever.
    const QFileInfo info(path);
    if (!info.isFile())
        throw unreadable;
    if (octetsMax != SansBorne)
        BorneFichier::verifie(path, info.size(), octetsMax, pour);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable;
    if (octetsMax == SansBorne)
        return file.readAll();
    // Read straight into one buffer of the size found, with a byte more to see a file that grew
    // since its size was checked; such a file is read further by pieces, never past its bound
    // (asking for the bound at once would reserve it whole).
    constexpr qint64 Morceau = 1 << 20;
    QByteArray bytes(qsizetype(std::min(info.size(), octetsMax) + 1), Qt::Uninitialized);
    GrandesPages::demande(bytes.data(), bytes.size());
    qint64 lus = 0;
    for (;;) {
        if (lus == bytes.size())
            bytes.resize(qsizetype(std::min(octetsMax + 1, lus + Morceau)));
        const qint64 morceau = file.read(bytes.data() + lus, bytes.size() - lus);
        if (morceau < 0)
            throw unreadable;
        if (morceau == 0)
            break;
        lus += morceau;
        BorneFichier::verifie(path, lus, octetsMax, pour);
    }
    bytes.truncate(qsizetype(lus));
    return bytes;
}

QStringList read(const QString& path, qint64 octetsMax, const QString& pour) {
    return decodeLines(readBytes(path, octetsMax, pour), [](qsizetype, const QString&) {});
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
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return path;
}
