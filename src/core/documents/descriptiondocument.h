#pragma once

#include "core/store/bases.h"

#include <QList>
#include <QString>
#include <QStringList>

// The header fields a rent document may have.
enum class ChampDocument {
    Numero,    // nine digits, stored after the number's tag
    Date,      // "dd/mm/yyyy"
    Locataire, // the tenant's (or payer's) number
    Mode,      // payment mode
    Sorte,     // kind of a payment document: "Reçu", "Facture" or "Avoir     "
    Mois,      // month text: "Décembre 2026"
    Du,        // period start, "dd/mm/yyyy"
    Au,        // period end, "dd/mm/yyyy"
    Adresse1,  // the four coordinate lines: name, address, address, postal code and town
    Adresse2,
    Adresse3,
    Adresse4,
    Valide, // "Y" once validated, else "N"
};
constexpr int NbChampsDocument = int(ChampDocument::Valide) + 1;

// The length of every number's tag: "NUMQ", "NUMA", "NUMR"...
constexpr qsizetype LongueurTagNumero = 4;

struct TChampDocument {
    ChampDocument champ;
    QString libelle; // label on the page, also the field's accessible name
};

// What makes one kind of rent document: rent receipts, due notices and payment receipts
// share one page and differ only by this.
struct TDescriptionDocument {
    Base base;
    QList<TChampDocument> champs; // the header, in block line order from line 1
    QString tagNumero;            // the tag of the numbers that numbering and the search count
    bool numeroSelonSorte;        // the number is stored under "NUM" + the kind's first letter
    QString tagLigne;             // the tag of the grid rows
    QList<ChampDocument> copies;  // the fields that Copier and Coller carry, in order
    QStringList modes;            // payment modes, the first one by default
    QStringList sortes;           // document kinds, the first one by default
    bool locataireRequis;         // a document without tenant number is not stored
    bool lignesDuLocataire;       // a document made for a tenant gets the rent lines
    bool memo;
    bool enLettres; // the total is also given in words
    // The status texts of a document that is validated; none for the kinds without validation.
    QString statutNonValide;
    QString statutValide;
    // The input box of the search command.
    QString titreRecherche;
    QString questionRecherche;

    bool a(ChampDocument champ) const;
    int ligne(ChampDocument champ) const; // the field's line in the block, 0 when it has none
    bool validation() const { return a(ChampDocument::Valide); }
    // The tag that a document of kind `sorte` stores its number under.
    QString tagDuNumero(const QString& sorte) const;
    // Every tag a number of this base may be stored under, the kinds in their order.
    QStringList tagsDesNumeros() const;
};

namespace Documents {

const TDescriptionDocument& quittance();
const TDescriptionDocument& avis();
const TDescriptionDocument& recu();

} // namespace Documents

// The description of the documents a base holds, or none.
const TDescriptionDocument* descriptionDocument(Base base);
