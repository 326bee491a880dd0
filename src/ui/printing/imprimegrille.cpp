#include "ui/printing/imprimegrille.h"

#include "core/common/clock.h"
#include "core/printing/impgrille.h"
#include "ui/printing/imprimante.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <cmath>

void ImprimeGrille(const QTableView& vue, const QString& titre, const QString& entete,
                   int nbLignes) {
    const QAbstractItemModel* modele = vue.model();
    TGrilleImprimee grille;
    const int colonnes = modele ? modele->columnCount() : 0;
    QStringList titres;
    for (int c = 0; c < colonnes; ++c) {
        titres.append(modele->headerData(c, Qt::Horizontal).toString());
        grille.largeurs.append(vue.columnWidth(c));
    }
    grille.cellules.append(titres);
    for (int r = 0; modele && r < std::min(nbLignes, modele->rowCount()); ++r) {
        QStringList textes;
        for (int c = 0; c < colonnes; ++c)
            textes.append(modele->index(r, c).data().toString());
        grille.cellules.append(textes);
    }
    grille.largeurControle = vue.width();
    const QFontInfo police(vue.font());
    grille.police = police.family();
    grille.taille = int(std::lround(police.pointSizeF()));
    Imprimante::instance().imprime(travailGrille(grille, titre, entete, nbLignes, Clock::today()));
}
