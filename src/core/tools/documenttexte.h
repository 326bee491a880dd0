#pragma once

#include "core/rtf/documentrtf.h"
#include "core/tools/regle.h"

#include <functional>

class QTextBlock;
class QTextCursor;
class QTextDocument;

// The word processor's document (QTextDocument) and the letters of its files.
namespace DocumentTexte {

// The font of text that has no format of its own.
constexpr int TaillePoliceParDefaut = 12;

// The default font, the bullets' indent and the gutter of a document of the word processor.
void prepare(QTextDocument& document);
// Replaces the document's content with the letter. `suivi` is told from time to time how many
// paragraphs are in; when it answers false the filling stops, and the document is left empty.
void remplit(QTextDocument& document, const TDocumentRtf& lettre,
             const std::function<bool(qsizetype faits, qsizetype total)>& suivi = {});
TDocumentRtf lettre(const QTextDocument& document);

// The indents of a paragraph as the ruler shows them, the bullet's room counted.
TRetraits retraits(const QTextBlock& bloc);
// Puts the paragraphs of the cursor's selection in a bullet list, or takes them out of it.
void metPuces(QTextCursor& curseur, bool puces);

// Gives the paragraphs of the cursor's selection the indents, as placed on the ruler for the
// paragraph at the cursor.
void appliqueRetraits(QTextCursor& curseur, const TRetraits& retraits);

} // namespace DocumentTexte
