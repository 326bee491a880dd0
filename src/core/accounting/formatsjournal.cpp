#include "core/accounting/formatsjournal.h"

#include "core/accounting/fec.h"

const QList<TFormatJournal>& FormatsJournal() {
    static const QList<TFormatJournal> formats = {
        {FormatJournal::Tabulations, QStringLiteral("Format texte + tabulations (*.txt)")},
        {FormatJournal::FecBarre,
         QStringLiteral("Fichier des écritures comptables, séparateur | (*.txt)")},
        {FormatJournal::FecTabulation,
         QStringLiteral("Fichier des écritures comptables, séparateur tabulation (*.txt)")},
    };
    return formats;
}

qsizetype ExporteJournalAuFormat(const QString& path, const QList<TLigneJournal>& lignes,
                                 FormatJournal format) {
    switch (format) {
    case FormatJournal::Tabulations:
        break;
    case FormatJournal::FecBarre:
        return ExporteFec(path, lignes, SeparateurFec::Barre);
    case FormatJournal::FecTabulation:
        return ExporteFec(path, lignes, SeparateurFec::Tabulation);
    }
    ExporteJournal(path, lignes);
    return lignes.size();
}
