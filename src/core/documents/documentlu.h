#pragma once

#include "core/documents/descriptiondocument.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class TListeBase;

// One row of a rent document: its designation and its amount as the page shows it once
// computed, formatted when it reads, as typed otherwise.
struct TLigneDocument {
    QString designation;
    QString montant;
};

// What the runs over a whole base (statistics, journal) need of a rent document, read straight
// from its block: the same values its page shows after reading that block, without the page.
struct TDocumentLu {
    QString numero; // without its tag
    QDate date;
    QString locataire;
    QString adresse1;
    QList<TLigneDocument> lignes; // the grid's rows, in order
    QString totalEuros;
    bool valide = false; // "Y" in its validated field, for the documents that have one
};

// The document of key `cle`, or nothing when the key has no block. A date that does not read
// is `dateParDefaut`, as the page keeps the day's date; a missing number stays empty.
std::optional<TDocumentLu> LitDocument(const TDescriptionDocument& description,
                                       const TListeBase& base, int cle, const QString& fmtMontant,
                                       const QDate& dateParDefaut);

// An amount cell as the documents count it, through the 6-byte real; nothing for a text that
// does not read as an amount (LitMontant), which counts nothing.
std::optional<double> ValeurMontant(const QString& texte);
