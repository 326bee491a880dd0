#include "core/printing/cadres.h"

void Dessin(TFeuille& f) {
    f.epaisseur(2);
    f.rectangle(15, 90, 195, 270);
    f.ligne(15, 100, 195, 100);
    f.ligne(15, 245, 195, 245);
    f.ligne(155, 90, 155, 245);
    f.ligne(140, 245, 140, 270);
    f.ligne(140, 257, 195, 257);
    f.police(10, true);
    f.texte(17, 92, QStringLiteral("Désignation"));
    f.texte(157, 92, QStringLiteral("Montant"));
    f.police(10);
}

void Dessin7(TFeuille& f) {
    Dessin(f);
}

void Dessin6(TFeuille& f, bool ttc, int basColonnes) {
    f.epaisseur(2);
    f.rectangle(15, 90, 195, 270);
    f.ligne(15, 100, 195, 100);
    f.ligne(15, 245, 195, 245);
    for (int x : {35, 115, 130, 155, 165, 190})
        f.ligne(x, 90, x, basColonnes);
    for (int x : {140, 105, 75})
        f.ligne(x, 245, x, 270);
    f.ligne(140, 257, 195, 257);
    f.ligne(75, 257, 105, 257);
    f.police(10, true);
    // Each title within its column.
    f.texteDans(17, 92, 18, QStringLiteral("Réf"));
    f.texteDans(42, 92, 73, QStringLiteral("Désignation"));
    f.texteDans(116, 92, 14, QStringLiteral("Qté"));
    f.texteDans(131, 92, 24, QStringLiteral("Prix Unitaire"));
    f.texteDans(156, 92, 9, QStringLiteral("R (%)"));
    f.texteDans(166, 92, 24, ttc ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T."));
    f.texteDans(191, 92, 4, QStringLiteral("T"));
    f.texte(50, 248, QStringLiteral("Total H.T."));
    f.texte(50, 261, QStringLiteral("Total TVA"));
    f.police(12, true);
    f.texte(108, 255, QStringLiteral("Total TTC"));
    f.police(10);
}
