#pragma once

#include "core/rtf/documentrtf.h"
#include "core/rtf/lecturertf.h"

#include <QString>

// The word processor's files. Failures throw UserError with the file's name.
namespace FichierRtf {

// The largest letter the word processor opens: room for many pages of text whatever the
// pictures around it, while the window still shows it without a wait.
constexpr qint64 TailleMax = 32 * 1024 * 1024;

// The letter of a file, and what of the file it does not keep; nothing when the reading was
// stopped. A file larger than TailleMax is refused at once, before it is read.
std::optional<TLettreLue> lis(const QString& chemin, const TSuiviLecture& suivi = {});
// Replaces the file at once: a failed write leaves the file as it was.
void ecris(const QString& chemin, const TDocumentRtf& lettre);
// The name with ".rtf" added when it has no extension.
QString avecExtension(const QString& chemin);

} // namespace FichierRtf
