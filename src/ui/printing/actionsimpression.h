#pragma once

#include "core/printing/impliste.h"
#include "core/store/bases.h"

class TFiche;

// The print commands of the main window and of the document pages.

// "Imprimer fiche", "Imprimer quittance", "Imprimer avis", "Imprimer reçu" and the toolbar's
// "Imprimer": the card or the document of the page on screen.
void ImprimeFiche(TFiche& fiche);
// "Imprimer" of a rent document page or of the order page, and "Imprimer commande".
void ImprimeDocument(TFiche& fiche, Base base);
// "Liste locataires", "Liste fournisseurs...", "Liste lots": the print dialog of the records to
// print, then the list, printed at once or shown in the preview window.
void ImprimeListe(TFiche& fiche, ListeImprimee liste);
// "Enveloppe courante" and the toolbar's "Imprimer enveloppe": on the tenant or supplier page,
// the envelope once the user has put one in the printer; nothing on another page.
void ImprimeEnveloppe(TFiche& fiche);
// "Mise en page..." (ParM).
void MiseEnPage(TFiche& fiche);
// "Configurer imprimante...".
void ConfigureImprimante();
