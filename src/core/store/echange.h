#pragma once

#include "core/store/lectureimport.h"
#include "core/store/tlistebase.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Tells how far a long operation has gone: `fait` steps of `total`.
using TProgression = std::function<void(qsizetype fait, qsizetype total)>;

// The address files exchanged with other programs: one record per line, its fields separated by
// a TAB (".txt") or by a semicolon (".csv"), with no quoting, no escaping and no header line.
namespace Echange {

// The separator of a file by its extension, letter case not significant: TAB for ".txt", ";"
// for ".csv", a null character for any other.
QChar separateur(const QString& chemin);

// The file an export writes for the name chosen: the name itself when its extension is ".txt" or
// ".csv", else the name with ".txt" added.
QString cheminExport(const QString& chemin);

// A line cut at each separator; the text after the last one is the last field.
QStringList champs(const QString& ligne, QChar separateur);

// How the columns of a file go into the blocks of a base and come out of them.
struct TDisposition {
    QStringList modele;   // the field lines of an empty record, its number first
    QList<int> importees; // the field line (from 1) that each column read goes to, in order
    QList<int> exportees; // the field line that each column written comes from, in order
};

struct TBilan {
    int importees = 0;
    bool tronque = false; // the base was full before the file's end
};

// Appends one record per line of `lignes` that holds anything: the base's next free numbers in
// turn, the columns in their fields, every other field empty; columns past the record's fields
// are left out. A base of one record keeps it when it holds anything, and loses it to the first
// record imported when it is an empty record. At the base's limit the rest of the file is left
// out (`tronque`). A field that the dossier cannot hold (a character outside Windows-1252, a
// text read as a block's limit) or a control character (a TAB that does not separate fields
// included) stops the import, with its message naming the line, before anything changed.
TBilan importe(TListeBase& base, const QStringList& lignes, QChar separateur,
               const TDisposition& disposition, const TProgression& progression = {});

// One line per block of the base, in the order of the list: its exported fields joined by the
// separator.
QStringList exporte(const TListeBase& base, QChar separateur, const TDisposition& disposition,
                    const TProgression& progression = {});

} // namespace Echange
