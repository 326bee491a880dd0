#include "core/records/fournisseur.h"

namespace Fournisseur {

const TDescriptionFiche& description() {
    static const TDescriptionFiche fiche = [] {
        const QString four = QStringLiteral("Fournisseur");
        const QString banque = QStringLiteral("Banque");
        const QString divers = QStringLiteral("Divers");
        const QStringList risques = {QStringLiteral("Aucun"), QStringLiteral("Faible"),
                                     QStringLiteral("Moyen"), QStringLiteral("Elevé")};
        TDescriptionFiche d;
        d.champs = {
            {1, QStringLiteral("Code"), 57, TypeChamp::Texte, 0, false, four},
            {2,
             QStringLiteral("Famille"),
             185,
             TypeChamp::Choix,
             0,
             false,
             four,
             {},
             ListeValeurs::FamillesFournisseurs},
            {3, QStringLiteral("Nom/Soc"), 257, TypeChamp::Texte, 0, false, four},
            {4, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, four},
            {5, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, four},
            {6, QStringLiteral("Code postal"), 65, TypeChamp::Texte, 0, false, four},
            {7, QStringLiteral("Ville"), 257, TypeChamp::Texte, 0, false, four},
            {8, QStringLiteral("Pays"), 185, TypeChamp::Texte, 0, false, four},
            {9, QStringLiteral("Téléphone"), 129, TypeChamp::Texte, 0, false, four},
            {10, QStringLiteral("Fax"), 129, TypeChamp::Texte, 0, false, four},
            {11, QStringLiteral("E.mail"), 257, TypeChamp::Texte, 0, false, four},
            {12, QStringLiteral("Nom"), 185, TypeChamp::Choix, 0, false, banque},
            {13, QStringLiteral("Code banque"), 97, TypeChamp::Texte, 0, false, banque},
            {14, QStringLiteral("Code guichet"), 97, TypeChamp::Texte, 0, false, banque},
            {15, QStringLiteral("N° compte"), 185, TypeChamp::Texte, 0, false, banque},
            {16, QStringLiteral("Rib"), 57, TypeChamp::Texte, 0, false, banque},
            {17, QStringLiteral("Site Web"), 257, TypeChamp::Texte, 0, false, divers},
            {18, QStringLiteral("Représentant"), 257, TypeChamp::Texte, 0, false, divers},
            {19, QStringLiteral("Crédit maxi"), 97, TypeChamp::Montant, 90, true, divers},
            {20, QStringLiteral("Total dû"), 97, TypeChamp::Montant, 90, false, divers},
            {21, QStringLiteral("Risque"), 129, TypeChamp::Choix, 0, false, divers, risques},
            {22, QStringLiteral("Compte fourn."), 129, TypeChamp::Texte, 0, false, divers},
        };
        d.colonnes = {{four}, {banque, divers}};
        d.ligneNumero = Code;
        d.ligneFocus = NomSoc;
        d.lignesHistorique = 63;
        d.alignementHistorique = 95;
        d.filtreHistorique = false;
        d.lignesCopiees = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        return d;
    }();
    return fiche;
}

} // namespace Fournisseur
