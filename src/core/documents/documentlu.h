#pragma once

#include "core/documents/calculdocument.h"
#include "core/documents/descriptiondocument.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class TListeBase;

// A document's block as its page takes it: each header field as the page shows it, nothing
// where the page keeps its default (a date that does not read, an empty choice); the grid's
// rows, as stored, and the memo.
struct TBlocDocument {
    std::array<std::optional<QString>, NbChampsDocument> champs;
    QList<QStringList> lignes;
    QStringList memo;
};

// The block of key `cle`, or nothing when the key has no block. The page reads through it, and
// so does LitDocument.
std::optional<TBlocDocument> LitBlocDocument(const TDescriptionDocument& description,
                                             const TListeBase& base, int cle);

// What the runs over a whole base (statistics, journal) need of a document, read straight
// from its block: the same values its page shows after reading that block, without the page.
struct TDocumentLu {
    QString numero; // without its tag
    QDate date;
    QString tiers; // the tenant's number or the supplier's code
    QString adresse1;
    QList<QStringList> lignes; // the grid's rows, in order, computed
    TTotauxDocument totaux;
    bool valide = false; // "Y" in its validated field, for the documents that have one
};

// The document of key `cle` computed with `parametres` (the pricing mode taken from the
// block), or nothing when the key has no block. A date that does not read is `dateParDefaut`,
// as the page keeps the day's date; a missing number stays empty.
std::optional<TDocumentLu> LitDocument(const TDescriptionDocument& description,
                                       const TListeBase& base, int cle,
                                       TParametresCalcul parametres, const QDate& dateParDefaut);
