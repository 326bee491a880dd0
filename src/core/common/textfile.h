#pragma once

#include "cp1252.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstring>

// Whole-file text in Windows-1252. Reading accepts CR LF, CR or LF line ends; writing ends
// every line with CR LF.
namespace TextFile {

bool exists(const QString& path);
// The bytes of a whole file.
QByteArray readBytes(const QString& path);
// The same, for a file that has no use past `limit` bytes: a larger one is refused at once,
// before it is read, with a message saying it is too large `pour` ("être importé"...).
QByteArray readBytes(const QString& path, qint64 limit, const QString& pour);
// The message of that refusal.
QString tooLarge(const QString& path, qint64 limit, const QString& pour);
// The lines of the bytes of a file, the same as splitLines(Cp1252::decode(bytes)) but decoded
// line by line, with no copy of the whole text; made(index, line) is called on each line as it
// is made, while it is still in the processor's cache.
template <typename Made> QStringList decodeLines(const QByteArray& bytes, Made made);
QStringList read(const QString& path);
// The lines of a file that has no use past `limit` bytes (readBytes above).
QStringList read(const QString& path, qint64 limit, const QString& pour);
QStringList splitLines(const QString& text);
QByteArray encodeLines(const QStringList& lines, const QString& pathForMessages);
void write(const QString& path, const QStringList& lines);

template <typename Made> QStringList decodeLines(const QByteArray& bytes, Made made) {
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
        made(lines.size() - 1, lines.constLast());
        if (end == size)
            break;
        start = end + 1;
        if (data[end] == '\r' && start < size && data[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace TextFile

// The path of an existing file whose name differs only by letter case from `path`'s, or
// `path` itself when there is none: file names are matched without regard to case.
QString resolveFileName(const QString& path);
