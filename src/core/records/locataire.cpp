#include "core/records/locataire.h"

#include "core/store/tlistebase.h"

namespace Locataire {

const TDescriptionFiche& description() {
    static const TDescriptionFiche fiche = [] {
        const QString loc = QStringLiteral("Locataire");
        const QString bail = QStringLiteral("Location");
        TDescriptionFiche d;
        d.champs = {
            {1, QStringLiteral("N° locataire"), 57, TypeChamp::Texte, 0, false, loc},
            {2, QStringLiteral("Nom/Soc"), 257, TypeChamp::Texte, 0, false, loc},
            {3, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, loc},
            {4, QStringLiteral("Adresse"), 257, TypeChamp::Texte, 0, false, loc},
            {5, QStringLiteral("Code postal"), 65, TypeChamp::Texte, 0, false, loc},
            {6, QStringLiteral("Ville"), 257, TypeChamp::Texte, 0, false, loc},
            {7, QStringLiteral("Téléphone"), 129, TypeChamp::Texte, 0, false, loc},
            {8, QStringLiteral("Fax"), 129, TypeChamp::Texte, 0, false, loc},
            {9, QStringLiteral("E.mail"), 257, TypeChamp::Texte, 0, false, loc, {}, {}, true},
            {10, QStringLiteral("Entré"), 97, TypeChamp::DateMasque, 0, false, loc},
            {11, QStringLiteral("Sorti"), 97, TypeChamp::DateMasque, 0, false, loc},
            {12, QStringLiteral("N° lot"), 89, TypeChamp::Choix, 0, false, bail},
            {13, QStringLiteral("Nom lot"), 250, TypeChamp::Texte, 0, false, bail},
            {14, QStringLiteral("Loyer départ"), 97, TypeChamp::Montant, 90, true, bail},
            {15, QStringLiteral("Charges départ"), 97, TypeChamp::Montant, 90, true, bail},
            {16, QStringLiteral("Loyer actuel"), 97, TypeChamp::Montant, 90, true, bail},
            {17, QStringLiteral("Charges act."), 97, TypeChamp::Montant, 90, true, bail},
            {18, QStringLiteral("Caution"), 97, TypeChamp::Montant, 90, true, bail},
            {19, QStringLiteral("Début bail"), 97, TypeChamp::DateMasque, 0, false, bail},
            {20, QStringLiteral("Fin bail"), 97, TypeChamp::DateMasque, 0, false, bail},
            {21, QStringLiteral("Assurance"), 250, TypeChamp::Texte, 0, false, bail},
            {22, QStringLiteral("Ind. départ"), 80, TypeChamp::Montant, 80, true, bail},
            {23, QStringLiteral("Ind. actuel"), 80, TypeChamp::Montant, 80, true, bail},
            {24, QStringLiteral("Taxes"), 80, TypeChamp::Montant, 80, true, bail},
            {25, QStringLiteral("APL"), 80, TypeChamp::Montant, 80, true, bail},
            {26, QStringLiteral("Total dû"), 80, TypeChamp::Montant, 80, true, bail},
        };
        d.ligneNumero = Numero;
        d.ligneFocus = NomSoc;
        d.colonnes = {{loc}, {bail}};
        d.lignesHistorique = 127;
        d.alignementHistorique = 95;
        d.lignesCopiees = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        d.ligneChoixNumero = NumLot;
        d.ligneNomChoisi = NomLot;
        return d;
    }();
    return fiche;
}

QStringList listeLots(const TListeBase& lots) {
    QStringList items;
    // Only the block's own lines: an empty block offers nothing.
    for (const TListeBase::Position& bloc : lots.blocs())
        if (bloc.ligne + 1 < lots.finContenu(bloc.ligne))
            items.append(lots.champ(bloc.ligne, 1) + u' ' + lots.champ(bloc.ligne, 2));
    return items;
}

} // namespace Locataire
