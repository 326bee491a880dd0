#pragma once

#include "documentrtf.h"

#include <QByteArray>

// Reads a letter from the RTF of any word processor: text, paragraphs, alignment, indents,
// bullets, fonts, sizes, bold, italic and underline. What it does not hold (pictures, tables'
// layout, headers, styles, fields' codes, colours...) is passed over, never shown as text.
// A damaged file gives what could be read; bytes that do not start as RTF throw UserError.
TDocumentRtf lisRtf(const QByteArray& octets);
