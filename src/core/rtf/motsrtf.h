#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// What some RTF control words mean to a letter.
namespace MotsRtf {

// A destination whose text is not part of the letter (font table aside): styles, colours,
// document information, pictures, headers and footers, fields' codes, bookmarks...
bool destinationIgnoree(const QByteArray& mot);
// The character that a word stands for (\tab, \line, \emdash...); a null character for the
// other words.
QChar caractere(const QByteArray& mot);
// The kind of content that a word brings and a letter does not keep, in the words of the
// messages ("images", "tableaux"...); an empty text for the other words.
QString omission(const QByteArray& mot);
// A word that turns underlining on (\ul, \uldb, \ulwave...), or off with the parameter 0.
bool soulignement(const QByteArray& mot);

} // namespace MotsRtf
