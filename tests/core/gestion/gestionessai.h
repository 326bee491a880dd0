#pragma once

#include "core/app/tfiche.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/records/locataire.h"
#include "core/store/tlistebase.h"

#include <QMap>
#include <QStringList>

// Small dossiers built block by block: each block gets the key that follows the last one.
namespace Essai {

using Champs = QMap<int, QString>;

inline QStringList bloc(int cle, int nbChamps, const Champs& champs,
                        const QStringList& suite = {}) {
    QStringList lignes{TListeBase::openingLine(cle)};
    for (int ligne = 1; ligne <= nbChamps; ++ligne)
        lignes << champs.value(ligne);
    return lignes + suite + QStringList{TListeBase::closingLine(cle)};
}

// A tenant: number, name, entry and exit dates (blank pictures when empty), lot and rent.
inline Champs locataire(const QString& numero, const QString& nom, const QString& entre = {},
                        const QString& sorti = {}, const QString& lot = {},
                        const QString& loyer = QStringLiteral("   500,00")) {
    using namespace Locataire;
    const QString blanc = QStringLiteral("  /  /    ");
    return {{Numero, numero},
            {NomSoc, nom},
            {CodePostal, QStringLiteral("69002")},
            {Ville, QStringLiteral("Lyon")},
            {Entre, entre.isEmpty() ? blanc : entre},
            {Sorti, sorti.isEmpty() ? blanc : sorti},
            {NumLot, lot},
            {LoyerActuel, loyer},
            {ChargesActuelles, QStringLiteral("    40,00")}};
}

// A receipt: number, date, tenant, month, validated flag and its "QUIT" rows.
inline QStringList quittance(int cle, const QString& numero, const QString& date,
                             const QString& locataire, const QString& mois, bool validee,
                             const QStringList& lignes) {
    QStringList quit;
    for (const QString& l : lignes)
        quit << QStringLiteral("QUIT") + l;
    return bloc(cle, 12,
                {{1, QStringLiteral("NUMQ") + numero},
                 {2, date},
                 {3, locataire},
                 {4, QStringLiteral("Chèque")},
                 {5, mois},
                 {6, date},
                 {7, date},
                 {8, QStringLiteral("Nom")},
                 {12, validee ? QStringLiteral("Y") : QStringLiteral("N")}},
                quit);
}

// Puts the lines into a base, counts its blocks and reads its page.
inline void remplit(TFiche& fiche, Base b, const QStringList& lignes) {
    TListeBase& base = fiche.base(b);
    base.assign(lignes);
    base.allerA(0);
    if (TPage* page = fiche.page(b))
        page->lit();
}

inline QStringList locataires(const QList<Champs>& fiches) {
    QStringList lignes;
    for (int cle = 0; cle < fiches.size(); ++cle)
        lignes += bloc(cle, 26, fiches[cle]);
    return lignes;
}

} // namespace Essai
