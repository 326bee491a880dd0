#pragma once

#include "core/app/treglages.h"
#include "core/printing/entete.h"
#include "core/printing/impdocument.h"
#include "core/printing/impfiche.h"
#include "core/printing/impliste.h"
#include "core/store/bases.h"

#include <optional>

// What the print commands print, taken from the pages as they show it.
class TFiche;
class TPageCommande;
class TPageDocument;
class TPageEnregistrement;
struct TCommandeImprimee;

TProprietaire proprietaire(const LignesProprio& lignes);
TDocumentImprime documentImprime(const TPageDocument& page);
TCommandeImprimee commandeImprimee(const TPageCommande& page);
TFicheImprimee ficheImprimee(TPageEnregistrement& page, Base base);

// "Imprimer" of a rent document page or of the order page: the document it shows, frame and
// header after the paper type. None for a page of another kind.
std::optional<TTravailImpression> ImpDocument(const TFiche& fiche, Base base);
// "Imprimer fiche" and the toolbar's "Imprimer" (ImpFiche): the card of the tenant, supplier or
// lot page on screen, or the document of a receipt, notice, payment-receipt or order page.
std::optional<TTravailImpression> ImpFiche(const TFiche& fiche);
// The records a list offers to print, one page each in the print dialog.
int nbFichesListe(const TFiche& fiche, ListeImprimee liste);
// The list of the records of pages premiere to derniere, read from the base as stored.
TTravailImpression ImpListe(const TFiche& fiche, ListeImprimee liste, int premiere, int derniere);
// "Enveloppe courante" (ImpEnv): the envelope of the tenant or supplier on screen, edits not
// yet stored included; none on another page.
std::optional<TTravailImpression> ImpEnv(const TFiche& fiche);

// The three choices of the page-setup dialog.
struct TMiseEnPage {
    int typePapier = 0;  // 0 "Papier blanc", 1 "Papier à en-tête"
    int orientation = 0; // envelopes: 0 "Portrait", 1 "Paysage"
    bool guide = false;  // "Guide enveloppe à droite"
};
// What the dialog opens on: the settings when they are in range (a paper type of 2 or 3 shows
// as the last item), else its defaults.
TMiseEnPage miseEnPage(const TReglages& reglages);
// ParM once the dialog closed: after "OK" the choices become the settings, the guide as an
// offset of 100 mm; after "Annuler" (orientation -1) nothing changes.
void ParM(TReglages& reglages, const TMiseEnPage& resultat);
