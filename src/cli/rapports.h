#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class TFiche;

// The reports of a dossier without a window: its journal written to a file and its statistics
// as text.

// Loads the dossier and the settings files of `repertoireReglages` into `fiche`, as the window
// does at start. Throws UserError when the dossier cannot be read.
void ChargeDossier(TFiche& fiche, const QString& dossier, const QString& repertoireReglages);

// A date of the command line, "JJ/MM/AAAA"; the message names the option.
QDate DateOption(const QString& option, const QString& texte);

// Writes the journal lines dated from `du` to `au`, both included, to `fichier`: the tab file,
// or with `fec` the accounting entries file, "|" separated, which stops when an account it
// needs is not set; never over a file of the dossier, of the settings or of the copies
// (refusSortie). Gives the number of journal lines written.
qsizetype JournalDossier(const QString& dossier, const QDate& du, const QDate& au, bool fec,
                         const QString& fichier, const QString& repertoireReglages);

// The words of the four statistics: "mois", "locataires", "lots", "fournisseurs".
QStringList sortesStatistiques();
// The statistics of kind `sorte` as lines of TAB-separated cells: the column titles, then the
// rows as the window shows them, the amounts without their alignment. The suppliers' need the
// VAT rates of "Tarvinel.ini": without that file in `repertoireReglages` they stop.
QStringList StatistiquesDossier(const QString& sorte, const QString& dossier,
                                const QString& repertoireReglages);
