#pragma once

#include "core/accounting/journal.h"

#include <QList>
#include <QString>

// The files the journal is exported to, in the order "Exporter" offers them.
enum class FormatJournal { Tabulations, FecBarre, FecTabulation };

struct TFormatJournal {
    FormatJournal format = FormatJournal::Tabulations;
    QString filtre; // as a file dialog shows it: "Format texte + tabulations (*.txt)"
};
const QList<TFormatJournal>& FormatsJournal();

// Writes the lines to `path` in that format, replacing the file as a whole; gives the number
// of journal lines written (the accounting entries file keeps only the validated receipts).
qsizetype ExporteJournalAuFormat(const QString& path, const QList<TLigneJournal>& lignes,
                                 FormatJournal format);
