#pragma once

#include <QString>

// The notepad's file: one for the whole program, in its start-up directory.
namespace BlocNotes {

// "Dravenel.nte" in the directory, joined with one separator, even at the root of a drive.
QString chemin(const QString& repertoire);
// The largest notepad file: far more than a page of notes, still shown without a wait.
constexpr qint64 TailleMax = 4 * 1024 * 1024;

// The text of the file, its lines joined by '\n'; empty when there is no file. A file larger
// than TailleMax is refused at once, before it is read.
QString lis(const QString& chemin);
// Replaces the file with the text, one line per line. A character the file cannot hold
// throws UserError naming it, and the file stays as it was.
void ecris(const QString& chemin, const QString& texte);

} // namespace BlocNotes
