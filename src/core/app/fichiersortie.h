#pragma once

#include <QString>

// Where a command may write its output (a PDF, a journal): never over a file of the dossier it
// reads, over the program's settings, or into the dossier's copies.

// The reason the output `sortie` is refused, or an empty text when it may be written: a file
// of the dossier of main file `principal` (its bases and extra files, whether they exist or not,
// its messages, its save journal, its lock), a settings file or the notepad of
// `repertoireReglages`, or anything in the dossier's "Sauvegardes" folder. Names are compared
// without regard to case, folders once their links are followed.
QString refusSortie(const QString& sortie, const QString& principal,
                    const QString& repertoireReglages);
// The same, throwing UserError with the reason.
void verifieSortie(const QString& sortie, const QString& principal,
                   const QString& repertoireReglages);
