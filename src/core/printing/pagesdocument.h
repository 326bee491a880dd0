#pragma once

#include "core/printing/tfeuille.h"

#include <QList>
#include <QStringList>

#include <functional>

// Where the rows and the memo lines of a document stand on its pages. Rows stand 5 mm apart
// from 105 mm; the memo ends at 215 mm.
struct TPageLignes {
    int premiereLigne = 0; // the first row of the page, counted from 0
    int nbLignes = 0;
    int premierMemo = 0; // the first memo line of the page, counted from 0
    int nbMemo = 0;
    int yMemo = 0; // where the page's first memo line stands, in mm
};

// A document whose rows and memo fit between the lines zone and the totals band (28 rows
// without memo; rows and memo lines 23 together) has one page, as it always had. Otherwise
// the rows go on 28 to a page and the last page holds the memo above the totals; a memo
// longer than 23 lines runs on after the rows, page after page.
QList<TPageLignes> planLignes(int nbLignes, int nbMemo);

// The rows in use of a list of rows: up to the last one that is not empty.
template <typename Ligne, typename Vide>
int lignesRemplies(const QList<Ligne>& lignes, Vide&& vide) {
    int n = int(lignes.size());
    while (n > 0 && vide(lignes[n - 1]))
        --n;
    return n;
}

// What a document prints besides its memo: the frame and the owner's header (each page,
// after the paper type), the document's own header (each page), one row at a given height,
// and the totals of the last page. The frame is told where the memo of its page begins
// (245 mm on a page without memo). The memo's lines are wrapped within `largeurMemo` mm.
struct TDocumentPagine {
    std::function<void(TFeuille&, int hautMemo)> cadre;
    std::function<void(TFeuille&)> entete;
    std::function<void(TFeuille&)> enTeteDocument;
    std::function<void(TFeuille&, int ligne, int y)> ligne;
    std::function<void(TFeuille&)> totaux;
    int nbLignes = 0;
    QStringList memo;
    int largeurMemo = 0;
};

// Prints a document on as many pages as its rows need. On plain paper (type 0) each page has
// the frame and the owner's header, on letterhead (1) the frame only, and neither otherwise.
// A document of several pages numbers them at the foot and tells on each page but the last
// that it goes on.
void imprimePages(TFeuille& feuille, const TDocumentPagine& document, int typePapier);
