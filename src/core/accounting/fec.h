#pragma once

#include "core/accounting/journal.h"

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

// The lines of the file. Only the validated receipts are entries, one per receipt, in the
// order of their dates (receipts of one day in the order given), numbered from 1 in that
// order; the receipt's number is the piece reference and its date the entry's, the
// piece's and the validation's, as "yyyymmdd"; an empty amount is "0,00" and a
// negative one goes to the other side. The accounts take their label from their place in the
// settings, which two places sharing one number keep apart. A separator, CR or LF inside a text
// becomes a space so that every line keeps its 18 fields. An entry line whose account is not
// set (empty, or "00000" as an emptied field keeps it) stops it with a message naming the
// accounts to set.
QStringList LignesFec(const QList<TLigneJournal>& journal, SeparateurFec separateur);
// Writes them to `path` in Windows-1252 with CR LF, replacing the file as a whole, or leaving
// it untouched when they stop. Gives the number of entry lines written.
qsizetype ExporteFec(const QString& path, const QList<TLigneJournal>& lignes,
                     SeparateurFec separateur);
