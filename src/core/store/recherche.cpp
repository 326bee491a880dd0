#include "core/store/recherche.h"

#include "core/store/selections.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

int cherche(const TListeBase& base, int ligne, const QString& debut, bool majuscules) {
    const QString cle = majuscules ? majusculesAscii(debut) : debut;
    for (const TListeBase::Position& bloc : base.blocs()) {
        const QString champ = base.champ(bloc.ligne, ligne);
        if ((majuscules ? majusculesAscii(champ) : champ).startsWith(cle))
            return bloc.cle;
    }
    return -1;
}

void trie(TListeBase& base, int ligne) {
    QCollator collation{QLocale(QLocale::French, QLocale::France)};
    collation.setCaseSensitivity(Qt::CaseInsensitive);

    // The sorted line and the number line of each block as collation keys, worked out once:
    // they decide nearly every comparison. The other lines are compared only between blocks
    // equal on both.
    struct Bloc {
        qsizetype debut; // first content line
        qsizetype fin;
    };
    const QList<TListeBase::Position> positions = base.blocs();
    std::vector<Bloc> blocs;
    std::vector<QCollatorSortKey> cles, numeros;
    blocs.reserve(size_t(positions.size()));
    cles.reserve(size_t(positions.size()));
    numeros.reserve(size_t(positions.size()));
    for (const TListeBase::Position& p : positions) {
        blocs.push_back({p.ligne + 1, base.finContenu(p.ligne)});
        cles.push_back(collation.sortKey(base.champ(p.ligne, ligne)));
        numeros.push_back(collation.sortKey(base.champ(p.ligne, 1)));
    }
    auto avant = [&](size_t a, size_t b) {
        if (const int c = cles[a].compare(cles[b]))
            return c < 0;
        if (const int c = numeros[a].compare(numeros[b]))
            return c < 0;
        const Bloc& x = blocs[a];
        const Bloc& y = blocs[b];
        for (qsizetype i = 1;; ++i) {
            const bool finX = x.debut + i >= x.fin;
            const bool finY = y.debut + i >= y.fin;
            if (finX || finY)
                return finX && !finY;
            if (const int c = collation.compare(base.line(x.debut + i), base.line(y.debut + i)))
                return c < 0;
        }
    };
    std::vector<size_t> ordre(blocs.size());
    std::iota(ordre.begin(), ordre.end(), size_t(0));
    std::stable_sort(ordre.begin(), ordre.end(), avant);

    QStringList lignes;
    lignes.reserve(base.lineCount());
    int cle = 0;
    for (size_t i : ordre) {
        lignes.append(TListeBase::openingLine(cle));
        for (qsizetype l = blocs[i].debut; l < blocs[i].fin; ++l)
            lignes.append(base.line(l));
        lignes.append(TListeBase::closingLine(cle));
        ++cle;
    }
    base.assign(lignes);
}
