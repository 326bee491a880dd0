#pragma once

#include "core/store/bases.h"

#include <QList>
#include <QStringList>
#include <optional>

struct TSaisieDef;

// The searches of the "Edition" menu, each on the pages it acts on.
enum class Recherche {
    RechNom,    // tenants and suppliers by the beginning of their name
    RechNum,    // tenants and suppliers by the beginning of their number or code
    RechTel,    // tenants by the beginning of their telephone number
    RechLot,    // lots by the beginning of their designation
    RechNumLot, // lots by the beginning of their number
};

// What a search asks and compares on one base: its entry dialog, the field it reads, and
// whether the letters a to z of both texts are upper-cased first.
struct TDefRecherche {
    const TSaisieDef* saisie;
    int ligne;
    bool majuscules;
};

// The search on a base; none when the search does not act on that base's page.
std::optional<TDefRecherche> defRecherche(Recherche recherche, Base base);

// The sorts: Trier on tenants and suppliers, Trier3 on lots.
enum class Tri { Trier, Trier3 };

// The items of the group "Trier par" and the field each one sorts on.
struct TDefTri {
    QStringList criteres;
    QList<int> lignes;
};

std::optional<TDefTri> defTri(Tri tri, Base base);
