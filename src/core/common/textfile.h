#pragma once

#include "core/common/cp1252.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstring>

// Whole-file text in Windows-1252. Reading accepts CR LF, CR or LF line ends; writing ends
// every line with CR LF.
namespace TextFile {

// A regular file (or a link to one) is there.
bool exists(const QString& path);
// Nothing at all has that name: not a file, a folder, a link (even a broken one or a loop) nor
// anything else. Only then is a file taken as empty; anything else is read and may fail.
bool absent(const QString& path);
// No bound on a file's size.
inline constexpr qint64 SansBorne = -1;
// The bytes of a whole regular file of at most `octetsMax` bytes (BorneFichier), checked
// before it is read; anything else (a folder, a pipe, a link loop) is refused with a message.
// With `pour` ("être importé"...), the refusal of a larger file says what it is too large for.
QByteArray readBytes(const QString& path, qint64 octetsMax = SansBorne, const QString& pour = {});
// The lines of the bytes of a file, the same as splitLines(Cp1252::decode(bytes)) but decoded
// line by line, with no copy of the whole text; made(index, line) is called on each line as it
// is made, while it is still in the processor's cache.
template <typename Made> QStringList decodeLines(const QByteArray& bytes, Made made);
// The lines of a file, bounded as readBytes above.
QStringList read(const QString& path, qint64 octetsMax = SansBorne, const QString& pour = {});
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
