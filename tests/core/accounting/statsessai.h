#pragma once

#include "core/app/tfiche.h"
#include "core/records/locataire.h"
#include "core/store/tlistebase.h"

#include <QStringList>

// Small dossiers for the statistics and the journal, built block by block.

// A rent receipt: number, date, tenant, name and its rows "designation\tamount".
inline QStringList blocQuittance(int cle, const QString& numero, const QString& date,
                                 const QString& locataire, const QString& nom,
                                 const QStringList& lignes) {
    QStringList bloc{TListeBase::openingLine(cle),
                     "NUMQ" + numero.leftJustified(9),
                     date,
                     locataire,
                     "Chèque",
                     "Janvier 2001",
                     "01/01/2001",
                     "31/01/2001",
                     nom,
                     "12 rue des Lilas",
                     "",
                     "75005 Paris",
                     "Y"};
    for (const QString& ligne : lignes)
        bloc << "QUIT" + ligne;
    bloc << TListeBase::closingLine(cle);
    return bloc;
}

// An order with prices tax included, so that its total is the sum of its rows "qty × price".
inline QStringList blocCommande(int cle, const QString& numero, const QString& fournisseur,
                                const QString& nom, const QStringList& lignes) {
    QStringList bloc{TListeBase::openingLine(cle),
                     "NUMC" + numero,
                     "20/05/2003",
                     fournisseur,
                     "Comptant",
                     nom,
                     "",
                     "",
                     "69002 Lyon",
                     "TTCY",
                     "N"};
    for (const QString& ligne : lignes)
        bloc << "CMDE" + ligne;
    bloc << TListeBase::closingLine(cle);
    return bloc;
}

// A tenant whose only filled lines are its number and its lot.
inline QStringList blocLocataire(int cle, const QString& numero, const QString& lot) {
    QStringList bloc{TListeBase::openingLine(cle), numero};
    for (int ligne = 2; ligne <= 26; ++ligne)
        bloc << (ligne == Locataire::NumLot ? lot : QString());
    return bloc << TListeBase::closingLine(cle);
}

// A lot: number, designation, first address line and postal code.
inline QStringList blocLot(int cle, const QString& numero, const QString& adresse) {
    return {TListeBase::openingLine(cle), numero, "Appartement T3", adresse, "", "75005",
            TListeBase::closingLine(cle)};
}

inline void remplitBase(TFiche& fiche, Base b, const QStringList& lignes) {
    TListeBase& base = fiche.base(b);
    base.assign(lignes);
    base.allerA(0);
}
