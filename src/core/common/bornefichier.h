#pragma once

#include <QString>
#include <QtGlobal>

// The size bound of a file that comes from outside: checked before the file is read whole, so
// that a file far larger than any the program makes is refused at once, without filling the
// memory. Each kind of file has its own bound.
namespace BorneFichier {

// Throws UserError when `taille` bytes of the file at `chemin` exceed `octetsMax`; with `pour`
// ("être importé"...), the message says what the file is too large for.
void verifie(const QString& chemin, qint64 taille, qint64 octetsMax, const QString& pour = {});
// "12 Ko", "527 Mo": a size as the messages give it.
QString texteTaille(qint64 octets);

} // namespace BorneFichier
