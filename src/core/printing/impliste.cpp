#include "core/printing/impliste.h"

#include "core/printing/tfeuille.h"
#include "core/store/tlistebase.h"

#include <algorithm>
#include <array>

namespace {

struct TColonne {
    int x;
    int ligne; // the field's line in the block
    const char* titre;
};

using Colonnes = std::array<TColonne, 7>;

constexpr Colonnes Locataires = {{{5, 2, "Nom/Société"},
                                  {55, 3, "Adresse"},
                                  {105, 4, "Adresse"},
                                  {155, 5, "C.P."},
                                  {175, 6, "Ville"},
                                  {225, 7, "Téléphone"},
                                  {255, 8, "Fax"}}};

constexpr Colonnes Lots = {{{5, 2, "Désignation"},
                            {55, 3, "Adresse"},
                            {105, 4, "Adresse"},
                            {155, 5, "C.P."},
                            {175, 6, "Ville"},
                            {225, 7, "Syndic"},
                            {265, 10, "Téléphone"}}};

constexpr Colonnes Fournisseurs = {{{5, 3, nullptr},
                                    {55, 4, nullptr},
                                    {105, 5, nullptr},
                                    {155, 6, nullptr},
                                    {175, 7, nullptr},
                                    {225, 9, nullptr},
                                    {255, 10, nullptr}}};

const Colonnes& colonnes(ListeImprimee liste) {
    switch (liste) {
    case ListeImprimee::Locataires:
        return Locataires;
    case ListeImprimee::Lots:
        return Lots;
    case ListeImprimee::Fournisseurs:
        break;
    }
    return Fournisseurs;
}

// Where the texts of column `c` end, in pixels: a millimetre before the next column, the last
// one at the page's edge.
int finColonne(const TFeuille& f, const Colonnes& cols, int c) {
    return c + 1 < int(cols.size()) ? f.Mh(cols[c + 1].x - 1) : f.largeurPixels();
}

// The column titles and their rule (Entete1, Entete3); the supplier list has none.
void entete(TFeuille& f, ListeImprimee liste) {
    if (liste == ListeImprimee::Fournisseurs)
        return;
    const Colonnes& cols = colonnes(liste);
    for (int c = 0; c < int(cols.size()); ++c)
        f.texteDansPixels(f.Mh(cols[c].x), 0, finColonne(f, cols, c) - f.Mh(cols[c].x),
                          QString::fromUtf8(cols[c].titre));
    f.ligne(5, 5, 300, 5);
}

} // namespace

QList<QStringList> lignesListe(ListeImprimee liste, const TListeBase& base, int premiere,
                               int derniere) {
    const Colonnes& cols = colonnes(liste);
    const int derniereLigne =
        std::max_element(cols.begin(), cols.end(), [](const TColonne& a, const TColonne& b) {
            return a.ligne < b.ligne;
        })->ligne;
    QList<QStringList> lignes;
    const int fin = std::min(derniere - 1, base.countBlocks() - 1);
    for (int cle = std::max(premiere - 1, 0); cle <= fin; ++cle) {
        const TBlocLu bloc = base.read(cle, derniereLigne, derniereLigne + 1);
        if (!bloc.trouve)
            continue;
        QStringList textes;
        for (const TColonne& c : cols)
            textes.append(bloc.champs.value(c.ligne - 1));
        lignes.append(textes);
    }
    return lignes;
}

void ImprimeListe(TCanevas& canevas, ListeImprimee liste, const QList<QStringList>& lignes) {
    TFeuille f(canevas);
    f.police(10);
    const Colonnes& cols = colonnes(liste);
    int y = 10;
    entete(f, liste);
    for (const QStringList& textes : lignes) {
        // A page is begun only for a record to come: the last one never leaves an empty page.
        if (f.sousLeBas(y)) {
            f.nouvellePage();
            y = 10;
            entete(f, liste);
        }
        for (int c = 0; c < int(cols.size()); ++c)
            f.texteDansPixels(f.Mh(cols[c].x), y, finColonne(f, cols, c) - f.Mh(cols[c].x),
                              textes.value(c));
        y += 5;
    }
}

QString titreListe(ListeImprimee liste) {
    switch (liste) {
    case ListeImprimee::Locataires:
        return QStringLiteral("Liste des locataires");
    case ListeImprimee::Fournisseurs:
        return QStringLiteral("Liste des fournisseurs");
    case ListeImprimee::Lots:
        break;
    }
    return QStringLiteral("Liste des lots");
}

TTravailImpression travailListe(ListeImprimee liste, const QList<QStringList>& lignes) {
    return {titreListe(liste), TOrientation::Paysage,
            [=](TCanevas& canevas) { ImprimeListe(canevas, liste, lignes); }};
}
