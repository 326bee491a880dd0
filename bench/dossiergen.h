#pragma once

#include <QString>
#include <QStringList>

// Writes a dossier of `blocs` blocks in each of its seven bases into the folder `dir`, as
// the program would have saved it: Windows-1252, CR LF, accented names and addresses,
// amounts right-aligned with blanks, memo and history lines, receipts, notices and payment
// receipts naming existing tenants, orders naming existing suppliers. Returns the path of
// the main file; the six companions stand beside it.
QString writeDossier(const QString& dir, int blocs);

// The seven files of the dossier whose main file is `loc`, in the order of the bases.
QStringList dossierFiles(const QString& loc);
