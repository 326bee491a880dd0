#pragma once

#include "core/rtf/documentrtf.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

// Reads a letter from the RTF of any word processor: text, paragraphs, alignment, indents,
// bullets, fonts, sizes, bold, italic and underline. What it does not hold (pictures, tables'
// layout, headers, styles, fields' codes, colours...) is passed over, never shown as text.
// A damaged file gives what could be read; bytes that do not start as RTF throw UserError.
// Reading takes a time in proportion to the bytes.
TDocumentRtf lisRtf(const QByteArray& octets);

// A letter read, with the kinds of content of its file that the letter does not keep, in the
// words of the messages ("images", "tableaux", "objets", "champs", "en-têtes ou pieds de page",
// "notes"), each once, in the order met. A letter written over its file loses them.
struct TLettreLue {
    TDocumentRtf lettre;
    QStringList omis;
};

// Told from time to time how many of the bytes are read; answers false to stop the reading.
using TSuiviLecture = std::function<bool(qsizetype lus, qsizetype total)>;

// The same reading, followed; nothing when it was stopped.
std::optional<TLettreLue> lisLettre(const QByteArray& octets, const TSuiviLecture& suivi = {});
