#include "cadres.h"

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

void Dessin6(TFeuille& f, bool ttc) {
    f.epaisseur(2);
    f.rectangle(15, 90, 195, 270);
    f.ligne(15, 100, 195, 100);
    f.ligne(15, 245, 195, 245);
    for (int x : {35, 115, 130, 155, 165, 190})
        f.ligne(x, 90, x, 245);
    for (int x : {140, 105, 75})
        f.ligne(x, 245, x, 270);
    f.ligne(140, 257, 195, 257);
    f.ligne(75, 257, 105, 257);
    f.police(10, true);
    f.texte(17, 92, QStringLiteral("Réf"));
    f.texte(42, 92, QStringLiteral("Désignation"));
    f.texte(116, 92, QStringLiteral("Qté"));
    f.texte(131, 92, QStringLiteral("Prix Unitaire"));
    f.texte(156, 92, QStringLiteral("R (%)"));
    f.texte(166, 92, ttc ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T."));
    f.texte(191, 92, QStringLiteral("T"));
    f.texte(50, 248, QStringLiteral("Total H.T."));
    f.texte(50, 261, QStringLiteral("Total TVA"));
    f.police(12, true);
    f.texte(108, 255, QStringLiteral("Total TTC"));
    f.police(10);
}
