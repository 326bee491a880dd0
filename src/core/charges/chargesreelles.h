#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TListeBase;

// The real charges of a lot for a year, by category, kept in the dossier's real charges file:
// one block per lot and year, its first line the lot's number, its second the year, then one
// line per category, the category and its amount separated by a TAB.
struct TCharge {
    QString categorie;
    QString montant; // as typed
};

struct TChargesLot {
    QString lot;
    int annee = 0;
    QList<TCharge> charges;
    // The amounts that read as amounts, added up; a text that does not read counts nothing.
    double total() const;
};

namespace ChargesReelles {

// Every block of the file, in its order; a year that is no number reads 0.
QList<TChargesLot> Toutes(const TListeBase& charges);
// The charges of a lot for a year; none when nothing was entered.
std::optional<TChargesLot> Lit(const TListeBase& charges, const QString& lot, int annee);
// Replaces the charges of the lot and year, or adds them; the categories without an amount
// are left out, and a lot and year left without any category loses its block. A category or
// an amount that the file cannot hold stops it with its message, the file unchanged.
void Ecrit(TListeBase& charges, const TChargesLot& lot);

} // namespace ChargesReelles
