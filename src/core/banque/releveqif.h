#pragma once

#include "core/banque/operation.h"

#include <QByteArray>

// The lines of a QIF statement: records of fields ("D" date, "T" or "U" amount, "P" payee,
// "M" memo) each closed by "^", after a "!Type:" header; an "!Account" block is passed over.
// UTF-8 or Windows-1252, as the file evidently is. A file with no "!Type:" header, a record
// without a date or an amount, or a field that does not read is refused with UserError.
TReleve LitReleveQif(const QByteArray& octets);
