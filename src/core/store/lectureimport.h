#pragma once

#include <QByteArray>
#include <QStringList>

// How the bytes of a file to import become its text lines.
namespace Echange {

// The largest file an import reads: far more than the 9 998 records of a base can take from
// the longest lines another program writes.
constexpr qint64 TailleMaxImport = 32 * 1024 * 1024;

// The text lines of a file to import, in whichever encoding it is evidently written:
// - UTF-32 or UTF-16 behind their byte-order mark;
// - UTF-16 without a mark, when every other byte is a NUL as in French text;
// - UTF-8 when every line is valid UTF-8 (a byte-order mark dropped);
// - otherwise Windows-1252, like the dossier.
// A file that mixes UTF-8 lines with lines that are not, or that does not decode in the
// encoding its marks give, is refused with a message naming its first line that does not.
QStringList lignes(const QByteArray& octets);

} // namespace Echange
