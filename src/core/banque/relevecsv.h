#pragma once

#include "core/banque/operation.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// Which column of a bank's CSV statement holds what, and how its texts are written.
// Columns count from 0; -1 is a column the file does not have.
struct TFormatCsv {
    QChar separateur = u';';
    // Lines above the first line of operations: the bank's title lines, the column titles.
    int lignesEntete = 1;
    QString formatDate = QStringLiteral("dd/MM/yyyy");
    bool virguleDecimale = true;
    int colonneDate = 0;
    // The value date; the date column when there is none.
    int colonneValeur = -1;
    int colonneLibelle = 1;
    // One signed amount column, or a "Débit" and a "Crédit" column.
    int colonneMontant = 2;
    int colonneDebit = -1;
    int colonneCredit = -1;

    // Why the mapping cannot read a statement (no date, label or amount column); empty when
    // it can.
    QString incomplet() const;
    // The mapping on one line of text, and back; nothing when the text is no mapping.
    QString texte() const;
    static std::optional<TFormatCsv> depuisTexte(const QString& texte);

    bool operator==(const TFormatCsv&) const = default;
};

// The text lines of a CSV file, UTF-8 or Windows-1252 as the file evidently is.
QStringList LignesCsv(const QByteArray& octets);
// The cells of one line: fields between double quotes may hold the separator, "" is a quote.
QStringList CellulesCsv(const QString& ligne, QChar separateur);
// The separator a file most likely uses: the one of ";", "," and TAB found most often on its
// first lines.
QChar SeparateurProbable(const QStringList& lignes);

// The lines of a CSV statement read with `format`. Blank lines are passed over; a line whose
// date or amount does not read is refused with UserError naming it.
TReleve LitReleveCsv(const QStringList& lignes, const TFormatCsv& format);
