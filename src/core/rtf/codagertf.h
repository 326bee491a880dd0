#pragma once

#include <QByteArray>
#include <QString>

// The code pages of the bytes of an RTF file: the document's \ansicpg and each font's
// \fcharset.
namespace CodageRtf {

// The Windows code page of a font's character set; 0 for a set that follows the document.
int pageDeJeu(int jeu);
// The bytes in a Windows code page; one the system cannot read is taken as Windows-1252.
QString decode(const QByteArray& octets, int page);

} // namespace CodageRtf
