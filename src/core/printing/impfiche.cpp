#include "core/printing/impfiche.h"

#include "core/printing/tfeuille.h"

#include <algorithm>
#include <span>

namespace {

struct TChampImprime {
    const char* libelle; // UTF-8
    int xLibelle;
    int xValeur;
    int y;
    int ligne; // the field's line in the block
};

constexpr TChampImprime Locataire[] = {
    {"N° locataire", 5, 35, 5, 1},
    {"Nom / Société", 5, 35, 10, 2},
    {"Adresse", 5, 35, 15, 3},
    {"Adresse", 5, 35, 20, 4},
    {"Code postal", 5, 35, 25, 5},
    {"Ville", 5, 35, 30, 6},
    {"Téléphone", 5, 35, 35, 7},
    {"Fax", 5, 35, 40, 8},
    {"E.mail", 5, 35, 45, 9},
    {"Entré", 5, 35, 50, 10},
    {"Sorti", 55, 85, 50, 11},
    {"N° lot", 110, 135, 5, 12},
    {"Nom lot", 110, 135, 10, 13},
    {"Loyer départ", 110, 135, 15, 14},
    {"Charges départ", 110, 135, 20, 15},
    {"Loyer actuel", 110, 135, 25, 16},
    {"Charges act.", 110, 135, 30, 17},
    {"Caution", 110, 135, 35, 18},
    {"Début bail", 110, 135, 40, 19},
    {"Fin bail", 110, 135, 45, 20},
    {"Assurance", 110, 135, 50, 21},
    {"Ind. départ", 175, 190, 20, 22},
    {"Ind. actuel", 175, 190, 25, 23},
    {"Taxes", 175, 190, 30, 24},
    {"APL", 175, 190, 35, 25},
    {"Total dû", 175, 190, 40, 26},
};

constexpr TChampImprime Lot[] = {
    {"N° lot", 5, 35, 5, 1},
    {"Désignation", 5, 35, 10, 2},
    {"Adresse", 5, 35, 15, 3},
    {"Adresse", 5, 35, 20, 4},
    {"Code postal", 5, 35, 25, 5},
    {"Ville", 5, 35, 30, 6},
    {"Syndic", 5, 35, 35, 7},
    {"Adresse", 5, 35, 40, 8},
    {"CP Ville", 5, 35, 45, 9},
    {"Téléphone", 5, 35, 50, 10},
    {"Type", 110, 135, 10, 11},
    {"Description", 110, 135, 15, 12},
    {"Date achat", 110, 135, 20, 13},
    {"Prix achat", 110, 135, 25, 14},
    {"N° prêt", 110, 135, 30, 15},
    {"Montant prêt", 110, 135, 35, 16},
    {"Date contrat", 110, 135, 40, 17},
    {"Banque", 110, 135, 45, 18},
    {"Cpt EDF", 165, 180, 50, 19},
    {"Cpt GDF", 110, 135, 55, 20},
};

constexpr TChampImprime Fournisseur[] = {
    {"Code Four.", 5, 35, 5, 1},
    {"Nom / Société", 5, 35, 10, 3},
    {"Adresse", 5, 35, 15, 4},
    {"Adresse", 5, 35, 20, 5},
    {"Code postal", 5, 35, 25, 6},
    {"Ville", 5, 35, 30, 7},
    {"Pays", 5, 35, 35, 8},
    {"Téléphone", 5, 35, 40, 9},
    {"Fax", 5, 35, 45, 10},
    {"E.mail", 5, 35, 50, 11},
    {"Banque", 110, 135, 10, 12},
    {"Code banque", 110, 135, 15, 13},
    {"Code guichet", 150, 185, 15, 14},
    {"N° compte", 110, 135, 20, 15},
    {"Rib", 175, 190, 20, 16},
    {"Site Web", 110, 135, 30, 17},
    {"Représentant", 110, 135, 35, 18},
    {"Crédit maxi", 110, 135, 40, 19},
    {"Total dû", 165, 180, 40, 20},
    {"Risque", 110, 135, 45, 21},
    {"Compte", 110, 135, 50, 22},
};

std::span<const TChampImprime> champs(FicheImprimee sorte) {
    switch (sorte) {
    case FicheImprimee::Locataire:
        return Locataire;
    case FicheImprimee::Lot:
        return Lot;
    case FicheImprimee::Fournisseur:
        break;
    }
    return Fournisseur;
}

// Where the history and the remarks begin on the card's first page and on the pages after.
int base(FicheImprimee sorte) {
    return sorte == FicheImprimee::Locataire ? 60 : 70;
}
constexpr int BaseSuite = 20;
constexpr int Pas = 5;
constexpr int XHistorique[] = {5, 35, 60};
constexpr int XRemarques = 120;

int largeurPage(TFeuille& f) {
    return f.canevas().tailleMillimetres().width();
}

// Where a label begins, in pixels: at its place, or further left when it is wider than the
// room before its field, so that it ends where the field begins.
int debutLibelle(TFeuille& f, const TChampImprime& c) {
    const int largeur = f.canevas().largeurTexte(QString::fromUtf8(c.libelle));
    return std::min(f.Mh(c.xLibelle), f.Mh(c.xValeur) - largeur);
}

// A label, then its field up to the next label on its line or the page's edge.
void champ(TFeuille& f, const TFicheImprimee& fiche, std::span<const TChampImprime> table,
           const TChampImprime& c) {
    int fin = f.largeurPixels();
    for (const TChampImprime& autre : table)
        if (autre.y == c.y && autre.xLibelle > c.xValeur)
            fin = std::min(fin, debutLibelle(f, autre) - f.Mh(1));
    f.canevas().texte(QPoint(debutLibelle(f, c), f.Mv(c.y)), QString::fromUtf8(c.libelle));
    f.texteDansPixels(f.Mh(c.xValeur), c.y, fin - f.Mh(c.xValeur), fiche.champs.value(c.ligne - 1));
}

// A history row: the label ends a millimetre before the amount's figures, which its blanks
// of alignment push to the right.
void rangee(TFeuille& f, const QStringList& cellules, int y) {
    const QString montant = cellules.value(2);
    qsizetype blancs = 0;
    while (blancs < montant.size() && montant[blancs] == u' ')
        ++blancs;
    const int chiffres =
        f.Mh(XHistorique[2]) + f.canevas().largeurTexte(montant.left(blancs)) - f.Mh(1);
    f.texteDans(XHistorique[0], y, XHistorique[1] - XHistorique[0], cellules.value(0));
    f.texteDansPixels(f.Mh(XHistorique[1]), y, std::max(chiffres - f.Mh(XHistorique[1]), 1),
                      cellules.value(1));
    f.texteDans(XHistorique[2], y, XRemarques - XHistorique[2], montant);
}

} // namespace

void ImprimeFiche(TCanevas& canevas, const TFicheImprimee& fiche) {
    TFeuille f(canevas);
    f.police(10);
    const std::span<const TChampImprime> table = champs(fiche.sorte);
    for (const TChampImprime& c : table)
        champ(f, fiche, table, c);
    if (fiche.saisieHistorique)
        rangee(f, *fiche.saisieHistorique, 60);

    // The history from its header row to its first row without date.
    qsizetype nbRangees = 0;
    while (nbRangees < fiche.historique.size() && !fiche.historique[nbRangees].value(0).isEmpty())
        ++nbRangees;
    // A remark wider than the room beside the history goes on to the next lines.
    const QStringList remarques = f.coupe(fiche.remarques, largeurPage(f) - XRemarques);
    const qsizetype nbRemarques = remarques.size();
    qsizetype rang = 0;     // the next history row
    qsizetype remarque = 0; // the next remark
    for (int depart = base(fiche.sorte);; depart = BaseSuite) {
        const qsizetype avant = rang + remarque;
        int y = depart;
        if (rang > 0 && rang < nbRangees) {
            rangee(f, fiche.historique[0], y);
            y += Pas;
        }
        for (; rang < nbRangees && f.tient(y); y += Pas)
            rangee(f, fiche.historique[rang++], y);
        for (int yr = depart; remarque < nbRemarques && f.tient(yr); yr += Pas)
            f.texte(XRemarques, yr, remarques[remarque++]);
        // A page too small for one more line ends the card rather than adding blank pages.
        if ((rang >= nbRangees && remarque >= nbRemarques) || rang + remarque == avant)
            break;
        // The page after: the card's number and name, then the history and remarks go on.
        f.nouvellePage();
        for (const TChampImprime& c : table.first(2))
            champ(f, fiche, table, c);
    }
}

TTravailImpression travailFiche(const TFicheImprimee& fiche) {
    QString titre;
    switch (fiche.sorte) {
    case FicheImprimee::Locataire:
        titre = QStringLiteral("Fiche locataire ");
        break;
    case FicheImprimee::Fournisseur:
        titre = QStringLiteral("Fiche fournisseur ");
        break;
    case FicheImprimee::Lot:
        titre = QStringLiteral("Fiche lot ");
        break;
    }
    return {titre + fiche.champs.value(0), TOrientation::Portrait,
            [=](TCanevas& canevas) { ImprimeFiche(canevas, fiche); }};
}
