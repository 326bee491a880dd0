#include "core/app/descriptionbase.h"

#include "core/app/actions.h"
#include "core/documents/descriptiondocument.h"
#include "core/purchasing/descriptioncommande.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"

#include <array>

namespace {

using F = FicheImprimee;
using L = ListeImprimee;
using S = SorteImprimee;

constexpr std::array<TDescriptionBase, NbBases> Descriptions = {{
    {Base::Locataires, "loc", 'T', "Locataires", "Locataires", "locataire.html", "locataire", false,
     &Locataire::description, nullptr, F::Locataire, std::nullopt, nullptr, L::Locataires,
     Locataire::NomSoc},
    {Base::Fournisseurs, "frs", 'F', "Fournisseurs", "Fournisseurs", "fournisseur.html",
     "fournisseur", false, &Fournisseur::description, nullptr, F::Fournisseur, std::nullopt,
     nullptr, L::Fournisseurs, Fournisseur::NomSoc},
    {Base::Lots, "lot", 'L', "Lots", "Lots", "lot.html", "lot", false, &Lot::description, nullptr,
     F::Lot, std::nullopt, nullptr, L::Lots, 0},
    {Base::Quittances, "qtc", 'Q', "Quittances", "Quittances", "quittance.html", "quittance", false,
     nullptr, &Documents::quittance, std::nullopt, S::Quittance, "quittance de loyer", std::nullopt,
     0},
    {Base::Avis, "ech", 'A', "Avis d'échéance", "Avis", "avis.html", "avis", true, nullptr,
     &Documents::avis, std::nullopt, S::Avis, "avis d'échéance", std::nullopt, 0},
    {Base::Commandes, "cmd", 'C', "Commandes", "Commandes", "achat.html", "commande", false,
     nullptr, &Documents::commande, std::nullopt, std::nullopt, nullptr, std::nullopt, 0},
    {Base::Recus, "rcu", 'R', "Reçus", "Reçus", "recu.html", "reçu", false, nullptr,
     &Documents::recu, std::nullopt, S::Recu, nullptr, std::nullopt, 0},
}};

constexpr bool enOrdre() {
    for (int i = 0; i < NbBases; ++i)
        if (indexOf(Descriptions[i].base) != i || Descriptions[i].lettre != LettresPages[i])
            return false;
    return true;
}
static_assert(enOrdre(), "one row per base, in the order of Base and of the pages' letters");

constexpr bool annexesEnOrdre() {
    for (int i = 0; i < NbAnnexes; ++i)
        if (indexOf(Annexes[i].annexe) != i)
            return false;
    return true;
}
static_assert(annexesEnOrdre(), "one row per extra file, in the order of Annexe");

template <typename Test> const TDescriptionBase& premiere(Test test) {
    for (const TDescriptionBase& d : Descriptions)
        if (test(d))
            return d;
    return Descriptions.front();
}

} // namespace

const TDescriptionBase& descriptionBase(Base base) {
    return Descriptions[indexOf(base)];
}

const TDescriptionBase& descriptionBase(SorteImprimee sorte) {
    return premiere([sorte](const TDescriptionBase& d) { return d.documentImprime == sorte; });
}

const TDescriptionBase& descriptionBase(ListeImprimee liste) {
    return premiere([liste](const TDescriptionBase& d) { return d.listeImprimee == liste; });
}

QString extensionOf(Base base) {
    return QString::fromLatin1(descriptionBase(base).extension);
}

QString extensionOf(Annexe annexe) {
    return QString::fromLatin1(Annexes[indexOf(annexe)].extension);
}

QString extensionFichier(int fichier) {
    return fichier < NbBases ? extensionOf(static_cast<Base>(fichier))
                             : extensionOf(Annexes[fichier - NbBases].annexe);
}
