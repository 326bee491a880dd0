#pragma once

#include "documentrtf.h"

#include <QString>

// The word processor's files. Failures throw UserError with the file's name.
namespace FichierRtf {

TDocumentRtf lis(const QString& chemin);
// Replaces the file at once: a failed write leaves the file as it was.
void ecris(const QString& chemin, const TDocumentRtf& lettre);
// The name with ".rtf" added when it has no extension.
QString avecExtension(const QString& chemin);

} // namespace FichierRtf
