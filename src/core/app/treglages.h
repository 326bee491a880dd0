#pragma once

#include "core/records/listesvaleurs.h"

#include <QString>
#include <QStringList>
#include <array>

// The eight lines of the owner's header, in this order: name, two address lines, postal
// code and town, telephone, Siret, trade register, path of the logo picture.
using LignesProprio = std::array<QString, 8>;

// The payment terms offered before the user has ever edited them.
QStringList reglementsParDefaut();
// The same for the categories of the real charges.
QStringList categoriesChargesParDefaut();

// The settings kept from one run to the next. The tenant selection (mode, postal code,
// town) belongs to the selections and the last dossier to the record window's main path;
// both are stored with these values.
struct TReglages {
    int autoOuvrir = 0; // 1: re-open the last dossier at start
    int typePapier = 0;
    int orientationEnveloppe = 0;
    int decalageGuide = 0;
    double tauxTVA1 = 0;
    double tauxTVA2 = 0;
    double tauxTVA3 = 0;
    int nbDecimales = 0;
    QString compteClients;
    QString compteLoyers;
    QString compteCharges;
    QString compteTVA;
    QString compteTaxe;
    QString compteAPL;
    LignesProprio lignesProprio;
    std::array<QStringList, 4> listes{QStringList(), QStringList(), reglementsParDefaut(),
                                      categoriesChargesParDefaut()};

    QStringList& liste(ListeValeurs l) { return listes[static_cast<std::size_t>(l)]; }
    const QStringList& liste(ListeValeurs l) const { return listes[static_cast<std::size_t>(l)]; }
};

// What the main window learns of the settings at its first show and from the auto-open
// command.
struct TEtatIni {
    bool autoOuvrir = false;
    QString chemin; // the record window's main path
    int modeSelLoc = 0;
};
