#pragma once

#include "core/records/listesvaleurs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TListeBase;

// How a field of a record is shown, edited and stored.
enum class TypeChamp {
    Texte,      // one-line edit, stored as typed
    DateMasque, // "!99/99/0000;1;_": "dd/mm/yyyy", or the blank picture when empty
    Montant,    // amount edit: bare number while edited, formatted and right-aligned after
    Choix,      // combo box whose list the program fills, stored as the chosen text
    Drapeau,    // check box, stored as "Y" or "N"
};

// One field of a record kind: its line in the block and how its page shows it.
struct TChamp {
    int ligne;       // line in the block, counted from 1 after the opening line
    QString libelle; // label on the page, also the field's accessible name
    int largeur;     // width of the control in pixels
    TypeChamp type = TypeChamp::Texte;
    int alignement = 0;                     // amounts: the Rset width used when the field is left
    bool filtre = false;                    // amounts: typed keys go through the amount key filter
    QString groupe = {};                    // the group box holding the field
    QStringList elements = {};              // choices: the items the field always offers
    std::optional<ListeValeurs> liste = {}; // choices: the value list the user keeps
    bool courriel = false;                  // texts: a plain e-mail address, or nothing
};

// The blank picture of an empty date mask.
inline const QString ImageDateVide = QStringLiteral("  /  /    ");

// What an empty field holds: the blank picture of a date mask, "N" for a flag, else nothing.
QString valeurVide(const TChamp& champ);

// Everything that makes one record kind's page: the declared fields drive the block
// layout, the widgets, the printed card and the pick-list columns.
struct TDescriptionFiche {
    QList<TChamp> champs;          // in block line order, 1 to n
    QList<QStringList> colonnes;   // the groups of each column of the page, top to bottom
    int ligneNumero = 1;           // the field that holds the number the user sees
    int ligneFocus = 2;            // the field that gets the focus when the page is shown
    int lignesHistorique = 0;      // rows of the history grid (without its header)
    int alignementHistorique = 95; // Rset width of the history amounts
    bool filtreHistorique = true;  // the history amount goes through the amount key filter
    QList<int> lignesCopiees;      // fields that Copier and Coller carry, in order
    // A choice field whose items read "number name": leaving it keeps the number there and
    // puts the name into the second field (0: none).
    int ligneChoixNumero = 0;
    int ligneNomChoisi = 0;

    const TChamp& champ(int ligne) const { return champs.at(ligne - 1); }
    int nbChamps() const { return int(champs.size()); }
    // The key of the first card of `base` whose number is the whole of `numero`, letter case
    // not significant; -1 when none is or `numero` is empty, so that a document for number
    // 1001 never reaches card 10010.
    int cle(const TListeBase& base, const QString& numero) const;
};

// A picked item "number name" whose first blank stands at position 5 or later splits into
// the number and the name (at most 255 characters); any other text does not split.
struct TNumeroNom {
    QString numero;
    QString nom;
    bool separe = false;
};
TNumeroNom separeNumeroNom(const QString& texte);
