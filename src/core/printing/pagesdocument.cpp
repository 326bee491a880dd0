#include "core/printing/pagesdocument.h"

#include <algorithm>

namespace {

constexpr int PremiereLigne = 105;
constexpr int Pas = 5;
// The rows between the titles and the totals band: the last one at 240 mm.
constexpr int LignesParPage = 28;
// The rows and memo lines that stand together above the memo's end at 215 mm.
constexpr int LignesAvecMemo = 23;
constexpr int FinMemo = 220;
// The end of the lines zone.
constexpr int FinZone = 245;

int y(int rang) {
    return PremiereLigne + Pas * rang;
}

} // namespace

QList<TPageLignes> planLignes(int nbLignes, int nbMemo) {
    const int derniere = nbMemo == 0 ? LignesParPage : LignesAvecMemo - nbMemo;
    QList<TPageLignes> pages;
    int ligne = 0;
    if (nbMemo <= LignesAvecMemo) {
        while (nbLignes - ligne > derniere) {
            const int n = std::min(LignesParPage, nbLignes - ligne);
            pages.append({ligne, n, 0, 0, 0});
            ligne += n;
        }
        pages.append({ligne, nbLignes - ligne, 0, nbMemo, FinMemo - Pas * nbMemo});
        return pages;
    }
    // A memo taller than the zone above its end runs on after the rows, one line apart.
    do {
        const int n = std::min(LignesParPage, nbLignes - ligne);
        pages.append({ligne, n, 0, 0, 0});
        ligne += n;
    } while (ligne < nbLignes);
    int rang = pages.last().nbLignes > 0 ? pages.last().nbLignes + 1 : 0;
    int memo = 0;
    while (memo < nbMemo) {
        if (rang >= LignesParPage) {
            pages.append({nbLignes, 0, 0, 0, 0});
            rang = 0;
        }
        TPageLignes& page = pages.last();
        const int n = std::min(LignesParPage - rang, nbMemo - memo);
        page.premierMemo = memo;
        page.nbMemo = n;
        page.yMemo = y(rang);
        memo += n;
        rang += n;
    }
    return pages;
}

void imprimePages(TFeuille& f, const TDocumentPagine& d, int typePapier) {
    // Blank lines at the end of the memo show nothing: they do not lift it. A line wider than
    // the memo goes on to the next lines, as it does on screen.
    QStringList memo = d.memo;
    while (!memo.isEmpty() && memo.last().trimmed().isEmpty())
        memo.removeLast();
    f.police(10);
    memo = f.coupe(memo, d.largeurMemo);
    const QList<TPageLignes> pages = planLignes(d.nbLignes, int(memo.size()));
    for (int p = 0; p < pages.size(); ++p) {
        const TPageLignes& page = pages[p];
        if (p > 0)
            f.nouvellePage();
        if (typePapier == 0 || typePapier == 1)
            d.cadre(f, page.nbMemo > 0 ? page.yMemo - 1 : FinZone);
        if (typePapier == 0)
            d.entete(f);
        d.enTeteDocument(f);
        for (int k = 0; k < page.nbLignes; ++k)
            d.ligne(f, page.premiereLigne + k, y(k));
        f.police(10);
        for (int i = 0; i < page.nbMemo; ++i)
            f.texte(22, page.yMemo + Pas * i, memo[page.premierMemo + i]);
        if (pages.size() > 1) {
            f.police(10);
            f.texteDroite(195, 273, QStringLiteral("Page %1/%2").arg(p + 1).arg(pages.size()));
        }
        if (p == pages.size() - 1) {
            d.totaux(f);
        } else {
            f.police(10);
            f.texteDroite(189, 248, QStringLiteral("Suite page suivante"));
        }
    }
}
