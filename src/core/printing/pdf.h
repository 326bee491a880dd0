#pragma once

#include "core/printing/tcanevas.h"

#include <QString>

// Writes a job as a PDF file whose texts are text, to be searched and copied: A4 pages lying
// as the job asks, a printable area 5 mm inside each edge, 20 pixels a millimetre, so that
// every position falls on its exact millimetre. The file is replaced as a whole or not at all;
// a failure throws UserError.
void EcritPdf(const TTravailImpression& travail, const QString& chemin);
