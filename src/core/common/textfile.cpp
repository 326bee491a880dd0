#include "textfile.h"

#include "cp1252.h"
#include "usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
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

QStringList read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    const QByteArray bytes = file.readAll();
    return splitLines(Cp1252::decode(bytes));
}

QByteArray encodeLines(const QStringList& lines, const QString& pathForMessages) {
    QByteArray bytes;
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 2;
    bytes.reserve(total);
    for (const QString& line : lines) {
        qsizetype bad = 0;
        if (!Cp1252::encode(line, bytes, &bad))
            throw UserError(
                QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans "
                               "le fichier %2")
                    .arg(line.mid(bad, line[bad].isHighSurrogate() ? 2 : 1), pathForMessages));
        bytes.append("\r\n", 2);
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
