#include "core/records/lot.h"

namespace Lot {

const TDescriptionFiche& description() {
    static const TDescriptionFiche fiche = [] {
        const QString adresse = QStringLiteral("Adresse");
        const QString syndic = QStringLiteral("Syndic");
        const QString lot = QStringLiteral("Lot");
        TDescriptionFiche d;
        d.champs = {
            {1, QStringLiteral("N° lot"), 57, TypeChamp::Texte, 0, false, adresse},
            {2, QStringLiteral("Désignation"), 257, TypeChamp::Texte, 0, false, adresse},
            {3, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, adresse},
            {4, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, adresse},
            {5, QStringLiteral("Code postal"), 65, TypeChamp::Texte, 0, false, adresse},
            {6, QStringLiteral("Ville"), 257, TypeChamp::Texte, 0, false, adresse},
            {7, QStringLiteral("Nom"), 257, TypeChamp::Texte, 0, false, syndic},
            {8, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, syndic},
            {9, QStringLiteral("CP Ville"), 257, TypeChamp::Texte, 0, false, syndic},
            {10, QStringLiteral("Téléphone"), 129, TypeChamp::Texte, 0, false, syndic},
            {11,
             QStringLiteral("Type"),
             185,
             TypeChamp::Choix,
             0,
             false,
             lot,
             {},
             ListeValeurs::TypesLots},
            {12, QStringLiteral("Description"), 257, TypeChamp::Texte, 0, false, lot},
            {13, QStringLiteral("Date achat"), 97, TypeChamp::DateMasque, 0, false, lot},
            {14, QStringLiteral("Prix achat"), 97, TypeChamp::Montant, 90, true, lot},
            {15, QStringLiteral("N° Prêt"), 129, TypeChamp::Texte, 0, false, lot},
            {16, QStringLiteral("Montant Prêt"), 97, TypeChamp::Montant, 90, false, lot},
            {17, QStringLiteral("Date contrat"), 97, TypeChamp::DateMasque, 0, false, lot},
            {18, QStringLiteral("Banque"), 185, TypeChamp::Texte, 0, false, lot},
            {19, QStringLiteral("Cpt EDF"), 129, TypeChamp::Texte, 0, false, lot},
            {20, QStringLiteral("Cpt GDF"), 129, TypeChamp::Texte, 0, false, lot},
            {21, QStringLiteral("Occupé"), 97, TypeChamp::Drapeau, 0, false, lot},
        };
        d.colonnes = {{adresse, syndic}, {lot}};
        d.ligneNumero = Numero;
        d.ligneFocus = Designation;
        d.lignesHistorique = 63;
        d.alignementHistorique = 95;
        d.filtreHistorique = false;
        d.lignesCopiees = {2, 3, 4, 5, 6, 7, 8, 9, 10};
        return d;
    }();
    return fiche;
}

} // namespace Lot
