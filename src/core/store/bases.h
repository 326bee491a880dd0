#pragma once

#include <array>

// The seven bases of a dossier, in the order of the record window's pages.
enum class Base { Locataires, Fournisseurs, Lots, Quittances, Avis, Commandes, Recus };

constexpr int NbBases = 7;

constexpr std::array<Base, NbBases> ToutesLesBases = {
    Base::Locataires, Base::Fournisseurs, Base::Lots, Base::Quittances,
    Base::Avis,       Base::Commandes,    Base::Recus};

// The order in which Save writes the files: tenants first, payment receipts last.
constexpr std::array<Base, NbBases> OrdreEcriture = {
    Base::Locataires, Base::Quittances, Base::Avis, Base::Fournisseurs,
    Base::Lots,       Base::Commandes,  Base::Recus};

// The order in which Open loads the companions after the main file.
constexpr std::array<Base, NbBases - 1> OrdreChargement = {
    Base::Quittances, Base::Fournisseurs, Base::Lots, Base::Avis, Base::Commandes, Base::Recus};

constexpr int indexOf(Base base) {
    return static_cast<int>(base);
}
