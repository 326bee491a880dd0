#pragma once

#include <QDate>
#include <QString>

class TListeBase;

// The next number of a document base (Numeroq and its kin): the greater of the month of
// `today` followed by "000" (202612000) and the largest number stored under `tag` on the first
// line of a block, plus one. A later month's number carries the sequence on. A number that is
// not a whole number stops with the conversion message.
int ProchainNumero(const TListeBase& base, const QString& tag, const QDate& today);

// How many numbers are left from `prochain` (as ProchainNumero gives it) in its month: the
// sequence has three digits, 999 documents a month at most, so that a number never reads as
// another month's.
int NumerosLibres(int prochain);
// Stops with its message when none is left.
void VerifieNumeroLibre(int prochain);

// The key of the first block whose number line is exactly `ligne` ("NUMQ202612001"), letter
// case not significant; -1 when none is.
int CleDocument(const TListeBase& base, const QString& ligne);
