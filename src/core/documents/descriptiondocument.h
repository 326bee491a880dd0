#pragma once

#include "core/documents/calculdocument.h"
#include "core/documents/tgrilledocument.h"
#include "core/store/bases.h"

#include <QList>
#include <QString>
#include <QStringList>

// The header fields a document may have.
enum class ChampDocument {
    Numero,      // nine digits, stored after the number's tag
    Date,        // "dd/mm/yyyy"
    Locataire,   // the tenant's (or payer's) number
    Fournisseur, // the supplier's code of an order
    Mode,        // payment mode
    Reglement,   // payment conditions of an order, from the settings' list
    Sorte,       // kind of a payment document: "Reçu", "Facture" or "Avoir     "
    Mois,        // month text: "Décembre 2026"
    Du,          // period start, "dd/mm/yyyy"
    Au,          // period end, "dd/mm/yyyy"
    Adresse1,    // the four coordinate lines: name, address, address, postal code and town
    Adresse2,
    Adresse3,
    Adresse4,
    PrixTTC, // the pricing mode of an order: "TTCY" prices with tax, "TTCN" before tax
    Valide,  // "Y" once validated, else "N"
};
constexpr int NbChampsDocument = int(ChampDocument::Valide) + 1;

// The pricing mode lines of an order: prices with tax, before tax.
inline const QString PrixAvecTaxe = QStringLiteral("TTCY");
inline const QString PrixHorsTaxe = QStringLiteral("TTCN");

// The length of every number's tag: "NUMQ", "NUMA", "NUMR"...
constexpr qsizetype LongueurTagNumero = 4;

struct TChampDocument {
    ChampDocument champ;
    QString libelle;     // label on the page, also the field's accessible name
    int longueurMax = 0; // the longest text the field takes; 0: no limit
};

// What makes one kind of document: rent receipts, due notices, payment receipts and purchase
// orders share one page and differ only by this.
struct TDescriptionDocument {
    Base base;
    QList<TChampDocument> champs;   // the header, in block line order from line 1
    QList<TColonneGrille> colonnes; // the line grid
    int colonneDesignation;         // a row with this cell filled makes the document worth storing
    TCalculDocument calcul;         // formats the cells and computes the totals
    bool tva;                       // totals before tax, of VAT and with tax; prices H.T. or TTC
    QString tagNumero;              // the tag of the numbers that numbering and the search count
    bool numeroSelonSorte;          // the number is stored under "NUM" + the kind's first letter
    QString tagLigne;               // the tag of the grid rows
    QList<ChampDocument> copies;    // the fields that Copier and Coller carry, in order
    QStringList modes;              // payment modes, the first one by default
    QStringList sortes;             // document kinds, the first one by default
    // The tenant or supplier a document is made for: its field, its base (the pick list,
    // the card that fills a new document, the history a validation posts into) and its name in
    // messages. A document without it is not stored, for this reason, when one is given.
    ChampDocument champTiers;
    Base baseTiers;
    QString nomTiers;
    QString sansTiers;
    bool lignesDuLocataire; // a document made for a tenant gets the rent lines
    bool numeroSelonCle;    // a block without number shows its key as number
    bool memo;
    bool enLettres; // the total is also given in words
    // The status texts of a document that is validated; none for the kinds without validation:
    // before, once read validated, and right after "Valider".
    QString statutNonValide;
    QString statutValide;
    QString statutValidation;
    // The history row a validation posts: this text followed by the field's value.
    QString libelleHistorique;
    ChampDocument champHistorique;
    // The validated document is stored again at the next store of the page.
    bool restockeApresValidation;
    // The input box of the search command.
    QString titreRecherche;
    QString questionRecherche;

    bool a(ChampDocument champ) const;
    int ligne(ChampDocument champ) const;       // the field's line in the block, 0 when it has none
    int longueurMax(ChampDocument champ) const; // 0 when the field takes any length
    // The kind computes its totals as the cells are typed, not only at the end of a row.
    bool calculAuFil() const;
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
