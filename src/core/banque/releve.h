#pragma once

#include "core/banque/operation.h"

#include <QByteArray>
#include <QString>

struct TFormatCsv;

// The statement files the banks give, read whole.
namespace Releve {

// The largest statement file read: years of lines of the busiest account.
constexpr qint64 TailleMax = 16 * 1024 * 1024;

enum class Type { Ofx, Qif, Csv };

// The bytes of the statement file at `chemin`, at most TailleMax.
QByteArray octets(const QString& chemin);
// The format of a statement by its first bytes: an OFX header or tag, a QIF "!" header,
// otherwise CSV.
Type type(const QByteArray& octets);
// The lines of an OFX or QIF statement; a CSV one is read with `format`.
TReleve lit(const QByteArray& octets, const TFormatCsv& format);

} // namespace Releve
