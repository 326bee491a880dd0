#pragma once

#include <QDate>
#include <QString>

class TListeBase;

// The next number of a document base (Numeroq and its kin): the greater of the month of
// `today` followed by "000" (202612000) and the largest number stored under `tag` on the first
// line of a block, plus one. A later month's number carries the sequence on. A number that is
// not a whole number stops with the conversion message.
int ProchainNumero(const TListeBase& base, const QString& tag, const QDate& today);

// The key of the first block whose number line is exactly `ligne` ("NUMQ202612001"), letter
// case not significant; -1 when none is.
int CleDocument(const TListeBase& base, const QString& ligne);
