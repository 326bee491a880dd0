#pragma once

#include "core/printing/tcanevas.h"

// "Exporter en PDF..." of the preview window: asks where to write the job's pages as a PDF
// file, proposing the job's title as name, adds ".pdf" to a name without extension and asks
// before replacing a file. A failure is shown. True when the file was written.
bool ExportePdf(const TTravailImpression& travail);
