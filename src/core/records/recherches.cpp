#include "core/records/recherches.h"

#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"
#include "core/store/saisies.h"

std::optional<TDefRecherche> defRecherche(Recherche recherche, Base base) {
    const bool locataires = base == Base::Locataires;
    const bool fournisseurs = base == Base::Fournisseurs;
    switch (recherche) {
    case Recherche::RechNom:
        if (locataires || fournisseurs)
            return TDefRecherche{&Saisies::TRNom(),
                                 locataires ? int(Locataire::NomSoc) : int(Fournisseur::NomSoc),
                                 true};
        break;
    case Recherche::RechNum:
        if (locataires || fournisseurs)
            return TDefRecherche{&Saisies::TRNum(),
                                 locataires ? int(Locataire::Numero) : int(Fournisseur::Code),
                                 false};
        break;
    case Recherche::RechTel:
        if (locataires)
            return TDefRecherche{&Saisies::TRTel(), Locataire::Telephone, false};
        break;
    case Recherche::RechLot:
        if (base == Base::Lots)
            return TDefRecherche{&Saisies::TRLot(), Lot::Designation, true};
        break;
    case Recherche::RechNumLot:
        if (base == Base::Lots)
            return TDefRecherche{&Saisies::TRNumL(), Lot::Numero, false};
        break;
    }
    return std::nullopt;
}

std::optional<TDefTri> defTri(Tri tri, Base base) {
    const QString codePostal = QStringLiteral("Code postal");
    const QString ville = QStringLiteral("Ville");
    switch (tri) {
    case Tri::Trier:
        if (base == Base::Locataires)
            return TDefTri{{QStringLiteral("Nom/ société"), codePostal, ville},
                           {Locataire::NomSoc, Locataire::CodePostal, Locataire::Ville}};
        if (base == Base::Fournisseurs)
            return TDefTri{{QStringLiteral("Nom/ société"), codePostal, ville},
                           {Fournisseur::NomSoc, Fournisseur::CodePostal, Fournisseur::Ville}};
        break;
    case Tri::Trier3:
        if (base == Base::Lots)
            return TDefTri{{QStringLiteral("Désignation"), codePostal, ville},
                           {Lot::Designation, Lot::CodePostal, Lot::Ville}};
        break;
    }
    return std::nullopt;
}
