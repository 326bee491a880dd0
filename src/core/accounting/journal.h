#pragma once

#include "core/accounting/parametres.h"
#include "core/accounting/statistiques.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class TListeBase;
struct TDescriptionDocument;
struct TDocumentLu;

// The sales journal of the rent receipts.
inline const QString JournalVentes = QStringLiteral("V1");

// One line of the journal. The lines of one receipt form one entry, debit line first; the
// amounts are texts in the amount format, exactly one of debit and credit filled (the rent
// line of a receipt without rent row keeps both empty).
struct TLigneJournal {
    int ecriture = 0;   // the entry, numbered from 1 in receipt order
    QDate date;         // the receipt's own date
    QString journal;    // "V1"
    QString compte;     // an account number of the settings, as it is held
    int rangCompte = 0; // that account's place in the settings, 0 for the clients'...
    QString libelle;    // "Quittance " + the receipt's number
    QString piece;      // the receipt's number
    QString debit;
    QString credit;
    bool validee = true; // the receipt was validated

    // The label as the grid and the tab file show it: marked when the receipt was not
    // validated.
    QString libelleMontre() const;
    // The date as a sort key, "yyyymmdd", and as shown, "dd/mm/yyyy".
    QString cle() const;
    QString texteDate() const;
    bool operator==(const TLigneJournal&) const = default;
};

// The entry of a receipt, numbered `ecriture`, validated or not as the receipt: the debit of its
// total on the clients' account, then one line per account for its own rows: "Loyer mensuel" and
// any row named otherwise on the rents' account, "Provision pour charges" on the charges', "Taxe
// Additionnelle" on the tax's, "APL" on the allowance's. A positive sum is credited, a
// negative one debited; an account without row gets no line, but for the rents', which always
// has one. The entry balances to the unit of the amount format.
QList<TLigneJournal> EcritureQuittance(const TDocumentLu& quittance, const Comptes& comptes,
                                       const QString& fmtMontant, int ecriture);

// Reads every receipt of the base (described by `description`) in key order and gives their
// entries; a date that does not read is `aujourdhui`, as the receipt's page shows it. The
// base's current key is left on the last key.
QList<TLigneJournal> Journal(const TDescriptionDocument& description, TListeBase& quittances,
                             const Comptes& comptes, const QString& fmtMontant,
                             const QDate& aujourdhui, const TProgressionTexte& progression);

// The period a journal opens on: the dates of its first and last lines; the day's date for
// both when it has none.
struct TPeriodeJournal {
    QDate du;
    QDate au;
};
TPeriodeJournal PeriodeJournal(const QList<TLigneJournal>& lignes, const QDate& aujourdhui);

// The lines dated from `du` to `au`, both included, in journal order.
QList<TLigneJournal> LignesPeriode(const QList<TLigneJournal>& lignes, const QDate& du,
                                   const QDate& au);

// The grid's rows: number, journal, date, account, label (marked for a receipt not validated),
// and the amounts right-aligned.
QList<QStringList> LignesGrilleJournal(const QList<TLigneJournal>& lignes,
                                       const TMesureTexte& mesure);
QStringList EntetesJournal(const TMesureTexte& mesure);
// The Rset width of the amounts.
constexpr int AlignementJournal = 105;

// The lines of the export file: date, account, label (marked for a receipt not validated),
// journal, an empty field, debit and credit, separated by TABs.
QStringList LignesExportJournal(const QList<TLigneJournal>& lignes);
// Writes them to `path` in Windows-1252 with CR LF, replacing the file as a whole.
void ExporteJournal(const QString& path, const QList<TLigneJournal>& lignes);
