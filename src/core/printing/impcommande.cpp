#include "impcommande.h"

#include "cadres.h"
#include "pagesdocument.h"

namespace {

void enTete(TFeuille& f, const TCommandeImprimee& c) {
    f.police(10, true);
    for (int i = 0; i < 4; ++i)
        f.texte(116, 60 + 5 * i, c.coordonnees[i]);
    f.police(12, true);
    f.texte(116, 84, QStringLiteral("Date ") + c.date);
    f.texte(20, 79, QStringLiteral("Code fournisseur : ") + c.codeFournisseur);
    f.texte(20, 84, QStringLiteral("Commande N° ") + c.numero);
}

void ligne(TFeuille& f, const TLigneCommandeImprimee& l, int y) {
    f.police(10);
    f.texte(22, y, l.ref);
    f.texte(42, y, l.designation);
    f.texteDroite(124, y, l.quantite.trimmed());
    f.texteDroite(149, y, l.prixUnitaire.trimmed());
    f.texteDroite(159, y, l.remise.trimmed());
    f.texteDroite(184, y, l.montant.trimmed());
    // The VAT code under its title, in its own column: at 186 mm it would stand in the
    // amount's column and read as more digits of the amount.
    f.texte(191, y, l.tva);
}

void totaux(TFeuille& f, const TCommandeImprimee& c) {
    f.police(10);
    f.texte(20, 273, QStringLiteral("Réglement : ") + c.reglement);
    f.police(12);
    f.texteDroite(104, 248, c.totalHT);
    f.texteDroite(104, 261, c.totalTVA);
    f.police(12, true);
    f.texteDroite(189, 248, c.totalTTCEuros + QStringLiteral(" Euros"));
    f.texteDroite(189, 261, c.totalTTCFrancs + QStringLiteral(" Francs"));
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
    pages.cadre = [&](TFeuille& f) { Dessin6(f, c.ttc); };
    pages.entete = [&](TFeuille& f) { EnTete6(f, proprietaire); };
    pages.enTeteDocument = [&](TFeuille& f) { enTete(f, c); };
    pages.ligne = [&](TFeuille& f, int k, int y) { ligne(f, c.lignes[k], y); };
    pages.totaux = [&](TFeuille& f) { totaux(f, c); };
    pages.nbLignes = lignesRemplies(c.lignes, vide);
    pages.memo = c.memo;
    imprimePages(feuille, pages, typePapier);
}

TTravailImpression travailCommande(const TCommandeImprimee& commande, int typePapier,
                                   const TProprietaire& proprietaire) {
    return {
        QStringLiteral("Commande ") + commande.numero, TOrientation::Portrait,
        [=](TCanevas& canevas) { ImprimeCommande(canevas, commande, typePapier, proprietaire); }};
}
