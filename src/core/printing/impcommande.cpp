#include "core/printing/impcommande.h"

#include "core/printing/cadres.h"
#include "core/printing/pagesdocument.h"

namespace {

void enTete(TFeuille& f, const TCommandeImprimee& c) {
    f.police(10, true);
    for (int i = 0; i < 4; ++i)
        f.texteDans(116, 60 + 5 * i, 79, c.coordonnees[i]);
    f.police(12, true);
    f.texteDans(116, 84, 79, QStringLiteral("Date ") + c.date);
    f.texteDans(20, 79, 94, QStringLiteral("Code fournisseur : ") + c.codeFournisseur);
    f.texteDans(20, 84, 94, QStringLiteral("Commande N° ") + c.numero);
}

void ligne(TFeuille& f, const TLigneCommandeImprimee& l, int y) {
    // Each cell within its column, up to the next rule.
    f.police(10);
    f.texteDans(22, y, 13, l.ref);
    f.texteDans(42, y, 73, l.designation);
    f.texteDroiteDans(124, y, 9, l.quantite.trimmed());
    f.texteDroiteDans(149, y, 19, l.prixUnitaire.trimmed());
    f.texteDroiteDans(159, y, 4, l.remise.trimmed());
    f.texteDroiteDans(184, y, 19, l.montant.trimmed());
    // The VAT code under its title, in its own column: at 186 mm it would stand in the
    // amount's column and read as more digits of the amount.
    f.texteDans(191, y, 4, l.tva);
}

void totaux(TFeuille& f, const TCommandeImprimee& c) {
    f.police(10);
    // Short of the page number that a long order has at the foot.
    f.texteDans(20, 273, 155, QStringLiteral("Réglement : ") + c.reglement);
    f.police(12);
    f.texteDroiteDans(104, 248, 29, c.totalHT);
    f.texteDroiteDans(104, 261, 29, c.totalTVA);
    f.police(12, true);
    f.texteDroiteDans(189, 248, 49, c.totalTTCEuros + QStringLiteral(" Euros"));
    f.texteDroiteDans(189, 261, 49, c.totalTTCFrancs + QStringLiteral(" Francs"));
}

bool vide(const TLigneCommandeImprimee& l) {
    for (const QString* cellule :
         {&l.ref, &l.designation, &l.quantite, &l.prixUnitaire, &l.remise, &l.montant, &l.tva})
        if (!cellule->trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

void ImprimeCommande(TCanevas& canevas, const TCommandeImprimee& c, int typePapier,
                     const TProprietaire& proprietaire) {
    TFeuille feuille(canevas);
    TDocumentPagine pages;
    pages.cadre = [&](TFeuille& f, int basColonnes) { Dessin6(f, c.ttc, basColonnes); };
    pages.entete = [&](TFeuille& f) { EnTete6(f, proprietaire); };
    pages.enTeteDocument = [&](TFeuille& f) { enTete(f, c); };
    pages.ligne = [&](TFeuille& f, int k, int y) { ligne(f, c.lignes[k], y); };
    pages.totaux = [&](TFeuille& f) { totaux(f, c); };
    pages.nbLignes = lignesRemplies(c.lignes, vide);
    pages.memo = c.memo;
    pages.largeurMemo = 171;
    imprimePages(feuille, pages, typePapier);
}

TTravailImpression travailCommande(const TCommandeImprimee& commande, int typePapier,
                                   const TProprietaire& proprietaire) {
    return {
        QStringLiteral("Commande ") + commande.numero, TOrientation::Portrait,
        [=](TCanevas& canevas) { ImprimeCommande(canevas, commande, typePapier, proprietaire); }};
}
