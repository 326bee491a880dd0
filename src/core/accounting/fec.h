#pragma once

#include "journal.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The journal as the French "fichier des écritures comptables" the tax office asks for: a
// line of the 18 standard column names, then one line per journal line.

// The fields are separated by a vertical bar or by a TAB.
enum class SeparateurFec { Barre, Tabulation };
QChar caractereFec(SeparateurFec separateur);

// The column names of the header line, in their order.
const QStringList& ColonnesFec();

// The lines of the file. The entries are numbered from 1 in the order of the lines given, one
// per receipt; the receipt's number is the piece reference and its date the entry's, the
// piece's and the validation's, as "yyyymmdd"; an empty amount is "0,00" and a
// negative one goes to the other side. The accounts take their label from their place in the
// settings, which two places sharing one number keep apart. A separator, CR or LF inside a text
// becomes a space so that every line keeps its 18 fields.
QStringList LignesFec(const QList<TLigneJournal>& lignes, SeparateurFec separateur);
// Writes them to `path` in Windows-1252 with CR LF, replacing the file as a whole.
void ExporteFec(const QString& path, const QList<TLigneJournal>& lignes, SeparateurFec separateur);
