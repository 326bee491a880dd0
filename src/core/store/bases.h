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

// The files of a dossier beyond the seven bases, one row each: the same stem as the main file,
// their own extension, the same block format. A dossier without one of them opens with that
// list empty. A save writes them after the seven, in the order of the rows.
enum class Annexe { Charges, Releves };

struct TAnnexe {
    Annexe annexe;
    const char* extension;
    const char* nom; // in the reports of the verification
};

inline constexpr std::array Annexes = {
    TAnnexe{Annexe::Charges, "chr", "Charges réelles"},
    TAnnexe{Annexe::Releves, "rel", "Relevés bancaires"},
};

constexpr int NbAnnexes = static_cast<int>(Annexes.size());

// Every file of a dossier: the seven bases in the order of Base, then the extra files.
constexpr int NbFichiers = NbBases + NbAnnexes;

constexpr int indexOf(Annexe annexe) {
    return static_cast<int>(annexe);
}

constexpr int fichierOf(Annexe annexe) {
    return NbBases + indexOf(annexe);
}
