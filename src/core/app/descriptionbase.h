#pragma once

#include "core/printing/impdocument.h"
#include "core/printing/impfiche.h"
#include "core/printing/impliste.h"
#include "core/store/bases.h"

#include <QString>
#include <optional>

struct TDescriptionFiche;
struct TDescriptionDocument;

// Everything the program knows about one base of a dossier, in one row: its file, its page of
// the record window, its help page, how a backup's summary and the verification name it, what
// it prints, and the description of its records or documents.
struct TDescriptionBase {
    Base base;
    // "loc" for the main file, then its six companions.
    const char* extension;
    // The page's letter in the rules of the action table ("TFLQACR").
    char lettre;
    // The base as the verification of a dossier names it: "Avis d'échéance".
    const char* nom;
    // The record window's page: "Avis".
    const char* onglet;
    const char* pageAide;
    // One record in a backup's summary: "quittance", made plural unless `invariable`.
    const char* nomResume;
    bool invariable;
    // The card that shows a record of the base, or the documents it holds.
    const TDescriptionFiche& (*fiche)();
    const TDescriptionDocument& (*document)();
    // What "Imprimer fiche" prints on its page: the card, or a rent document.
    std::optional<FicheImprimee> carteImprimee;
    std::optional<SorteImprimee> documentImprime;
    // The document in the words of an e-mail ("votre quittance de loyer"); none: the
    // document's own title says it.
    const char* motsCourriel;
    // "Imprimer liste ..." of the base, if it has one.
    std::optional<ListeImprimee> listeImprimee;
    // The first of the five address lines an envelope takes from a card; 0: no envelope.
    int ligneEnveloppe;
};

const TDescriptionBase& descriptionBase(Base base);

// The row of the base whose rent documents print as `sorte`, of the base printed as `liste`.
const TDescriptionBase& descriptionBase(SorteImprimee sorte);
const TDescriptionBase& descriptionBase(ListeImprimee liste);

QString extensionOf(Base base);
QString extensionOf(Annexe annexe);
// The extension of the file of rank `fichier` among the dossier's NbFichiers.
QString extensionFichier(int fichier);
