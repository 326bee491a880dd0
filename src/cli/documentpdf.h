#pragma once

#include <QString>
#include <QStringList>

// The documents that can be written to a PDF file from the command line, by the words that
// name them: "quittance", "avis", "recu", "commande".
QStringList sortesDocumentPdf();

// Opens the dossier, finds the document of that kind and number (for "recu" a payment receipt
// of any kind: "Reçu", "Facture" or "Avoir"), and writes it to `pdf` as
// "Imprimer" prints it from its page: the owner header and the paper type come from the
// settings files of `repertoireReglages`, as the window reads them at start. `pdf` may be no
// file of the dossier, of the settings or of the copies (refusSortie). Throws UserError
// (unknown kind, dossier not opened, no such document, file not written).
void DocumentPdf(const QString& sorte, const QString& numero, const QString& dossier,
                 const QString& pdf, const QString& repertoireReglages);
