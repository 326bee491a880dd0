#include "formatsjournal.h"

#include "fec.h"

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

void ExporteJournalAuFormat(const QString& path, const QList<TLigneJournal>& lignes,
                            FormatJournal format) {
    switch (format) {
    case FormatJournal::Tabulations:
        ExporteJournal(path, lignes);
        break;
    case FormatJournal::FecBarre:
        ExporteFec(path, lignes, SeparateurFec::Barre);
        break;
    case FormatJournal::FecTabulation:
        ExporteFec(path, lignes, SeparateurFec::Tabulation);
        break;
    }
}
