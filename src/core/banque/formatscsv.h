#pragma once

#include "core/banque/relevecsv.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The column mappings of the CSV statements already read, one for each header of columns,
// kept in "Tarvinel.rlv" beside the other settings files: one line a mapping, the mapping's
// text, a TAB, then the header line it was given for. Windows-1252, CR LF.
class TFormatsCsv {
public:
    static inline const QString NomFichier = QStringLiteral("Tarvinel.rlv");

    // The mappings kept in `repertoire`; a missing file or a line that does not read is none.
    static TFormatsCsv charge(const QString& repertoire);
    void sauve(const QString& repertoire) const;

    // The mapping given for a file whose line just above its operations is that mapping's
    // header; nothing when no mapping fits the file.
    std::optional<TFormatCsv> pour(const QStringList& lignes) const;
    // Remembers `format` for the header of `lignes`; a file without a header line, or whose
    // header the settings file cannot hold, is not remembered.
    void retient(const QStringList& lignes, const TFormatCsv& format);

private:
    struct TEntree {
        QString entete;
        TFormatCsv format;
    };
    QList<TEntree> m_entrees;
};
