#include "ensembles.h"

#include <array>
#include <string_view>

namespace {

// What the dossier-open set does to an entry.
enum Effet { Garde, Active, Desactive };

// The pages are named by letters: T tenants, F suppliers, L lots, Q receipts, A notices,
// C orders, R payment receipts.
constexpr const char* Toutes = "TFLQACR";
constexpr const char* Jamais = "";
// Entries that no page set touches.
constexpr const char* HorsPages = nullptr;

struct Regle {
    Commande commande;
    bool auDepart;
    Effet dossierOuvert;
    // The pages whose set enables the entry; every other page set disables it, except the
    // pages listed in `gardeSur`, whose set leaves it as it is.
    const char* actifSur;
    const char* gardeSur = "";
};

using C = Commande;

constexpr std::array<Regle, NbCommandes> Regles = {{
    // "&Fichier"
    {C::Nouveau, true, Garde, HorsPages},
    {C::Ouvrir, true, Garde, HorsPages},
    {C::Enregistrer, false, Active, HorsPages},
    {C::EnregistrerSous, false, Active, HorsPages},
    {C::Imprimer, false, Active, HorsPages},
    {C::ImprimerListeLocataires, true, Garde, HorsPages},
    {C::ImprimerListeFournisseurs, true, Garde, HorsPages},
    {C::ImprimerListeLots, true, Garde, HorsPages},
    {C::ImprimerEnveloppes, true, Garde, HorsPages},
    {C::MiseEnPage, true, Garde, HorsPages},
    {C::ConfigurerImprimante, true, Garde, HorsPages},
    {C::Importer, true, Garde, HorsPages},
    {C::Exporter, false, Active, HorsPages},
    {C::Quitter, true, Garde, HorsPages},
    // "&Edition"
    {C::Copier, false, Active, HorsPages},
    {C::Coller, false, Active, HorsPages},
    {C::ListeLocataires, false, Active, "T"},
    {C::RechercheNom, false, Garde, "T"},
    {C::RechercheCode, false, Garde, "T"},
    {C::RechercheTelephone, false, Garde, "T"},
    {C::TrierLocataires, false, Garde, "T"},
    {C::ChercherQuittance, false, Garde, "Q"},
    {C::ChercherAvis, false, Garde, "AC"},
    {C::ChercherRecu, false, Garde, "R"},
    {C::RechercherLot, false, Garde, "L"},
    {C::RechercherNumeroLot, false, Garde, "L"},
    {C::TrierLots, false, Garde, "L"},
    {C::ListeFournisseurs, false, Garde, "F"},
    {C::RechercherNomFournisseur, false, Garde, "F"},
    {C::RechercherCodeFournisseur, false, Garde, "F"},
    {C::TrierFournisseurs, false, Garde, "F"},
    {C::ChercherCommande, false, Garde, Jamais},
    // "&Bases"
    {C::PageLocataires, true, Garde, "FLQACR"},
    {C::PageQuittances, true, Garde, "TFLACR"},
    {C::PageAvis, true, Garde, "TFLQCR"},
    {C::PageRecus, true, Garde, "TFLQAC"},
    {C::PageLots, true, Garde, "TFQACR"},
    {C::PageFournisseurs, true, Garde, "TLQACR"},
    {C::PageCommandes, true, Garde, "TFLQAR"},
    {C::Precedent, false, Active, HorsPages},
    {C::Suivant, false, Active, HorsPages},
    {C::Premier, false, Active, HorsPages},
    {C::Dernier, false, Active, HorsPages},
    {C::NouvelleFiche, true, Garde, HorsPages},
    {C::SupprimerFiche, false, Active, Toutes},
    {C::Liste, false, Garde, Toutes},
    {C::ImprimerFiche, false, Garde, Toutes},
    // "&Location"
    {C::LocationPrecedent, false, Garde, "QACR"},
    {C::LocationSuivant, false, Garde, "QACR"},
    {C::LocationPremier, false, Garde, "QACR"},
    {C::LocationDernier, false, Garde, "QACR"},
    {C::NouvelleQuittance, true, Active, "T"},
    {C::ArriveeDepart, true, Active, "T"},
    {C::SupprimerQuittance, false, Garde, "Q"},
    {C::ImprimerQuittance, false, Garde, "Q"},
    {C::ListeQuittances, false, Garde, "Q"},
    {C::NouvelleEcheance, true, Garde, "T"},
    {C::SupprimerAvis, false, Garde, "AC", "T"},
    {C::ImprimerAvis, false, Garde, "AC", "T"},
    {C::ListeAvis, false, Garde, "AC"},
    {C::NouveauRecu, true, Garde, "T"},
    {C::SupprimerRecu, false, Garde, "R"},
    {C::ImprimerRecu, false, Garde, "R"},
    {C::ListeRecus, false, Garde, "R"},
    // Enabled by the document pages while their line grid has the focus.
    {C::LocationSupprimerLigne, false, Garde, HorsPages},
    // "&Achat"
    {C::AchatPrecedent, false, Desactive, "C"},
    {C::AchatSuivant, false, Desactive, "C"},
    {C::AchatPremier, false, Desactive, "C"},
    {C::AchatDernier, false, Desactive, "C"},
    {C::NouvelleCommande, true, Garde, "F"},
    {C::SupprimerCommande, false, Garde, "C"},
    {C::ImprimerCommande, false, Garde, Jamais},
    {C::ListeCommandes, false, Garde, "C"},
    {C::AchatSupprimerLigne, false, Garde, "C"},
    // "&Sélection"
    {C::TousLesLocataires, false, Active, "T"},
    {C::CodePostalLocataires, false, Garde, "T"},
    {C::VilleLocataires, false, Garde, "T"},
    {C::LocatairesActuels, false, Garde, "T"},
    {C::ToutesLesQuittances, false, Garde, "Q"},
    {C::QuittancesCodeLocataire, false, Garde, "Q"},
    {C::TousLesAvis, false, Garde, "AC"},
    {C::AvisCodeLocataire, false, Garde, "AC"},
    {C::TousLesLots, false, Garde, "L"},
    {C::TypesDeLotsSelection, false, Garde, "L"},
    {C::CodePostalLots, false, Garde, "L"},
    {C::LotsLibres, false, Garde, "L"},
    {C::TousLesFournisseurs, false, Garde, "F"},
    {C::CodePostalFournisseurs, false, Garde, "F"},
    {C::VilleFournisseurs, false, Garde, "F"},
    {C::ToutesLesCommandes, false, Garde, Jamais},
    {C::CommandesCodeFournisseur, false, Garde, Jamais},
    // "&Outils"
    {C::TraitementDeTexte, true, Garde, HorsPages},
    {C::EnveloppeCourante, true, Garde, HorsPages},
    {C::Messages, true, Garde, HorsPages},
    {C::StatistiquesLots, false, Garde, Toutes},
    {C::StatistiquesMois, false, Garde, Toutes},
    {C::StatistiquesLocataires, false, Garde, Toutes},
    {C::StatistiquesFournisseurs, false, Garde, Toutes},
    {C::JournalComptable, false, Active, Toutes},
    // "&Paramètres"
    {C::Proprietaire, true, Garde, HorsPages},
    {C::TypesDeLots, true, Active, Toutes},
    {C::FamillesFournisseurs, true, Garde, HorsPages},
    {C::ParametresCommande, true, Garde, HorsPages},
    {C::Comptes, true, Garde, HorsPages},
    {C::OuvrirAutomatiquement, true, Garde, HorsPages},
    // "&Utilitaires"
    {C::Calendrier, true, Garde, HorsPages},
    {C::Calculatrice, true, Garde, HorsPages},
    {C::Horloge, true, Garde, HorsPages},
    {C::EuroConversion, true, Garde, HorsPages},
    {C::BlocNotes, true, Garde, HorsPages},
    // "&?"
    {C::AideIndex, true, Garde, HorsPages},
    {C::AideRechercher, true, Garde, HorsPages},
    {C::UtiliserAide, true, Garde, HorsPages},
    {C::APropos, true, Garde, HorsPages},
    // The toolbar
    {C::BoutonNouveau, true, Garde, HorsPages},
    {C::BoutonOuvrir, true, Garde, HorsPages},
    {C::BoutonEnregistrer, false, Active, HorsPages},
    {C::BoutonCopier, false, Active, HorsPages},
    {C::BoutonColler, false, Active, HorsPages},
    {C::BoutonPremier, false, Active, HorsPages},
    {C::BoutonPrecedent, false, Active, HorsPages},
    {C::BoutonSuivant, false, Active, HorsPages},
    {C::BoutonDernier, false, Active, HorsPages},
    {C::BoutonNouvelleFiche, true, Garde, HorsPages},
    {C::BoutonFicheLocataire, false, Garde, "FLQACR"},
    {C::BoutonQuittance, false, Garde, "TFL"},
    {C::BoutonLots, false, Garde, "TFQACR"},
    {C::BoutonCalculer, false, Active, HorsPages},
    {C::BoutonImprimer, false, Active, HorsPages},
    {C::BoutonImprimerEnveloppe, false, Active, HorsPages},
}};

// The table is indexed by the entry: each row stands at its entry's place.
constexpr bool dansLOrdre() {
    for (int i = 0; i < NbCommandes; ++i)
        if (static_cast<int>(Regles[i].commande) != i)
            return false;
    return true;
}
static_assert(dansLOrdre(), "one rule per entry, in the order of Commande");

char lettre(Base page) {
    return Toutes[indexOf(page)];
}

bool contient(const char* pages, Base page) {
    return std::string_view(pages).find(lettre(page)) != std::string_view::npos;
}

} // namespace

static_assert(std::string_view(Toutes).size() == NbBases);

bool actifAuDepart(Commande commande) {
    return Regles[static_cast<int>(commande)].auDepart;
}

QList<EtatCommande> ensembleDossierOuvert() {
    QList<EtatCommande> ensemble;
    for (const Regle& r : Regles)
        if (r.dossierOuvert != Garde)
            ensemble.append({r.commande, r.dossierOuvert == Active});
    return ensemble;
}

QList<EtatCommande> ensemblePage(Base page) {
    QList<EtatCommande> ensemble;
    for (const Regle& r : Regles)
        if (r.actifSur && !contient(r.gardeSur, page))
            ensemble.append({r.commande, contient(r.actifSur, page)});
    return ensemble;
}
