#pragma once

#include "core/banque/operation.h"

#include <QByteArray>

// The lines of an OFX statement, 1.x (SGML) or 2.x (XML), read by libofx. A file the library
// does not read to its end, or a line without an amount or a date, is refused with UserError.
TReleve LitReleveOfx(const QByteArray& octets);
