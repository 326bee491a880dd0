#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1252, the character set of every file the program reads or writes.
// The five bytes the code page leaves undefined map to the control characters of the same
// value, so that any file reads back and writes out byte for byte.
namespace Cp1252 {

QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

// Returns false, with the position of the first character that has no byte, when the
// text cannot be written in the code page.
bool encode(const QString& text, QByteArray& out, qsizetype* badPosition = nullptr);
// Writes the text's bytes at `out`, which has room for text.size() bytes; returns the position
// of the first character that has no byte, or -1 when the whole text was written.
qsizetype encodeTo(QStringView text, char* out);

bool canEncode(const QString& text);

// Why `text` cannot be stored where `ou` says ("le fichier ...", "le dossier"): the message
// naming its first character that has no byte; an empty text when it can be.
QString refus(const QString& text, const QString& ou);

} // namespace Cp1252
