#include "core/app/actions.h"

#include <array>

namespace {

using C = Action;
using enum EffetDossier;

// The help contexts of the menus, left to right.
constexpr int Fichier = 3;
constexpr int Edition = 4;
constexpr int Bases = 5;
constexpr int Location = 6;
constexpr int Achat = 7;
constexpr int Selection = 8;
constexpr int Outils = 9;
constexpr int Parametres = 10;
constexpr int Utilitaires = 11;
constexpr int Aide = 12;

// Every page, no page, and an entry that no page set touches.
constexpr const char* Toutes = LettresPages.data();
constexpr const char* Jamais = "";
constexpr const char* HorsPages = nullptr;

// A toolbar button shows its caption as its hint.
constexpr TDefAction bouton(Action action, const char* libelle, Regle regle) {
    return {action, libelle, 0, regle, libelle};
}

// The menus left to right, each from top to bottom, then the toolbar left to right.
constexpr std::array<TDefAction, NbCommandes> Definitions = {{
    {C::Nouveau, "&Nouveau", Fichier, {true, Garde, HorsPages}},
    {C::Ouvrir, "&Ouvrir...", Fichier, {true, Garde, HorsPages}},
    {C::Enregistrer, "&Enregistrer", Fichier, {false, Active, HorsPages}},
    {C::EnregistrerSous, "Enregistrer &sous...", Fichier, {false, Active, HorsPages}},
    {C::RestaurerSauvegarde, "&Restaurer une sauvegarde...", Fichier, {false, Active, HorsPages}},
    {C::Imprimer, "&Imprimer", Fichier, {false, Active, HorsPages}},
    {C::ImprimerListeLocataires, "Liste &locataires", Fichier, {true, Garde, HorsPages}},
    {C::ImprimerListeFournisseurs, "Liste &fournisseurs...", Fichier, {true, Garde, HorsPages}},
    {C::ImprimerListeLots, "Liste l&ots", Fichier, {true, Garde, HorsPages}},
    {C::ImprimerEnveloppes, "&Enveloppes...", Fichier, {true, Garde, HorsPages}},
    {C::MiseEnPage, "&Mise en page...", Fichier, {true, Garde, HorsPages}},
    {C::ConfigurerImprimante, "Configurer imprimante...", Fichier, {true, Garde, HorsPages}},
    {C::Importer, "I&mporter...", Fichier, {true, Garde, HorsPages}},
    {C::Exporter, "E&xporter...", Fichier, {false, Active, HorsPages}},
    {C::Quitter, "&Quitter", Fichier, {true, Garde, HorsPages}, nullptr, Qt::ALT | Qt::Key_X},

    {C::Copier, "&Copier", Edition, {false, Active, HorsPages}},
    {C::Coller, "C&oller", Edition, {false, Active, HorsPages}},
    {C::ListeLocataires,
     "&Liste des locataires                    F2",
     Edition,
     {false, Active, "T"}},
    {C::RechercheNom, "Recherche &Nom / société...", Edition, {false, Garde, "T"}},
    {C::RechercheCode, "Rechercher &Code locataire", Edition, {false, Garde, "T"}},
    {C::RechercheTelephone, "&Recherche Téléphone...", Edition, {false, Garde, "T"}},
    {C::TrierLocataires, "&Trier locataires...", Edition, {false, Garde, "T"}},
    {C::ChercherQuittance, "Chercher &quittance...", Edition, {false, Garde, "Q"}},
    {C::ChercherAvis, "Chercher &avis...", Edition, {false, Garde, "AC"}},
    {C::ChercherRecu, "Chercher reçu...", Edition, {false, Garde, "R"}},
    {C::RechercherLot, "Rechercher &lot...", Edition, {false, Garde, "L"}},
    {C::RechercherNumeroLot, "Rechercher numéro l&ot...", Edition, {false, Garde, "L"}},
    {C::TrierLots, "Tri&er lots...", Edition, {false, Garde, "L"}},
    {C::ListeFournisseurs,
     "&Liste des fournisseurs               F2",
     Edition,
     {false, Garde, "F"}},
    {C::RechercherNomFournisseur, "Rechercher Nom fo&urnisseur...", Edition, {false, Garde, "F"}},
    {C::RechercherCodeFournisseur, "Rechercher Code four&nisseur...", Edition, {false, Garde, "F"}},
    {C::TrierFournisseurs, "Tr&ier fournisseurs...", Edition, {false, Garde, "F"}},
    {C::ChercherCommande, "C&hercher commande...", Edition, {false, Garde, "C"}},

    {C::PageLocataires, "&Locataires", Bases, {true, Garde, "FLQACR"}},
    {C::PageQuittances, "&Quittances", Bases, {true, Garde, "TFLACR"}},
    {C::PageAvis, "&Avis d'échéance", Bases, {true, Garde, "TFLQCR"}},
    {C::PageRecus, "&Reçus", Bases, {true, Garde, "TFLQAC"}},
    {C::PageLots, "L&ots", Bases, {true, Garde, "TFQACR"}},
    {C::PageFournisseurs, "&Fournisseurs", Bases, {true, Garde, "TLQACR"}},
    {C::PageCommandes, "&Commandes", Bases, {true, Garde, "TFLQAR"}},
    {C::Precedent, "&Précédent             PgUo", Bases, {false, Active, HorsPages}},
    {C::Suivant, "&Suivant                   Pgdn", Bases, {false, Active, HorsPages}},
    {C::Premier, "P&remier", Bases, {false, Active, HorsPages}},
    {C::Dernier, "&Dernier", Bases, {false, Active, HorsPages}},
    {C::NouvelleFiche, "&Nouvelle fiche", Bases, {true, Garde, HorsPages}},
    {C::SupprimerFiche, "S&upprimer fiche", Bases, {false, Active, Toutes}},
    {C::Liste, "&Liste", Bases, {false, Garde, Toutes}, nullptr, Qt::Key_F2},
    {C::ImprimerFiche, "&Imprimer fiche", Bases, {false, Garde, Toutes}},

    {C::LocationPrecedent, "&Précédent             PgUp", Location, {false, Garde, "QACR"}},
    {C::LocationSuivant, "&Suivant                   Pgdn", Location, {false, Garde, "QACR"}},
    {C::LocationPremier, "P&remier", Location, {false, Garde, "QACR"}},
    {C::LocationDernier, "&Dernier", Location, {false, Garde, "QACR"}},
    {C::NouvelleQuittance, "&Nouvelle quittance", Location, {true, Active, "T"}},
    {C::ArriveeDepart, "&Arrivée/départ", Location, {true, Active, "T"}},
    {C::SupprimerQuittance, "S&upprimer quittance", Location, {false, Garde, "Q"}},
    {C::ImprimerQuittance, "&Imprimer quittance", Location, {false, Garde, "Q"}},
    {C::ListeQuittances, "&Liste des quittances     F2", Location, {false, Garde, "Q"}},
    {C::NouvelleEcheance, "N&ouvelle échéance", Location, {true, Garde, "T"}},
    {C::SupprimerAvis, "Suppri&mer avis", Location, {false, Garde, "AC", "T"}},
    {C::ImprimerAvis, "I&mprimer avis", Location, {false, Garde, "AC", "T"}},
    {C::ListeAvis, "Li&ste des avis               F2", Location, {false, Garde, "AC"}},
    {C::NouveauRecu, "Nouveau &reçu", Location, {true, Garde, "T"}},
    {C::SupprimerRecu, "Supprim&er reçu", Location, {false, Garde, "R"}},
    {C::ImprimerRecu, "Imprimer reç&u", Location, {false, Garde, "R"}},
    {C::ListeRecus, "&Liste des &reçus             F2", Location, {false, Garde, "R"}},
    {C::QuittancesDuMois, "&Quittances du mois...", Location, {false, Active, Toutes}},
    {C::ReleveBancaire, "Relevé &bancaire...", Location, {false, Active, Toutes}},
    {C::RevisionLoyers, "Ré&vision des loyers...", Location, {false, Active, Toutes}},
    {C::ChargesReelles, "C&harges réelles...", Location, {false, Active, Toutes}},
    {C::RegularisationCharges, "Ré&gularisation des charges...", Location, {false, Active, Toutes}},
    {C::SoldeToutCompte, "Solde de &tout compte...", Location, {false, Active, "T"}},
    {C::EnvoyerCourriel, "Envo&yer par e-mail...", Location, {false, Garde, "QAR"}},
    // Enabled by the document pages while their line grid has the focus.
    {C::LocationSupprimerLigne, "Supprimer &ligne", Location, {false, Garde, HorsPages}},

    {C::AchatPrecedent, "&Précédent             PgUp", Achat, {false, Desactive, "C"}},
    {C::AchatSuivant, "&Suivant                   Pgdn", Achat, {false, Desactive, "C"}},
    {C::AchatPremier, "P&remier", Achat, {false, Desactive, "C"}},
    {C::AchatDernier, "&Dernier", Achat, {false, Desactive, "C"}},
    {C::NouvelleCommande, "&Nouvelle commande", Achat, {true, Garde, "F"}},
    {C::SupprimerCommande, "S&upprimer commande", Achat, {false, Garde, "C"}},
    {C::ImprimerCommande, "&Imprimer commande", Achat, {false, Garde, "C"}},
    {C::ListeCommandes, "&Liste des commandes       F2", Achat, {false, Garde, "C"}},
    {C::AchatSupprimerLigne, "Supprimer &ligne", Achat, {false, Garde, "C"}},

    {C::TousLesLocataires, "&Tous les locataires", Selection, {false, Active, "T"}},
    {C::CodePostalLocataires, "&Code postal...", Selection, {false, Garde, "T"}},
    {C::VilleLocataires, "&Ville", Selection, {false, Garde, "T"}},
    {C::LocatairesActuels, "&Locacaires actuels", Selection, {false, Garde, "T"}},
    {C::ToutesLesQuittances, "T&outes les quittances", Selection, {false, Garde, "Q"}},
    {C::QuittancesCodeLocataire, "&Quittances code locateire...", Selection, {false, Garde, "Q"}},
    {C::TousLesAvis, "T&ous les avis", Selection, {false, Garde, "AC"}},
    {C::AvisCodeLocataire, "&Avis code locateire...", Selection, {false, Garde, "AC"}},
    {C::TousLesLots, "Tous les &lots", Selection, {false, Garde, "L"}},
    {C::TypesDeLotsSelection, "Typ&es de lots", Selection, {false, Garde, "L"}},
    {C::CodePostalLots, "Code po&stal", Selection, {false, Garde, "L"}},
    {C::LotsLibres, "Lots l&ibres", Selection, {false, Garde, "L"}},
    {C::TousLesFournisseurs, "Tous les fo&urnisseurs", Selection, {false, Garde, "F"}},
    {C::CodePostalFournisseurs, "Co&de postal...", Selection, {false, Garde, "F"}},
    {C::VilleFournisseurs, "V&ille...", Selection, {false, Garde, "F"}},
    {C::ToutesLesCommandes, "Tout&es les commandes", Selection, {false, Garde, Jamais}},
    {C::CommandesCodeFournisseur,
     "&Commande code fournisseur...",
     Selection,
     {false, Garde, Jamais}},

    {C::TraitementDeTexte, "&Traitement de texte", Outils, {true, Garde, HorsPages}},
    {C::EnveloppeCourante, "&Enveloppe courante", Outils, {true, Garde, HorsPages}},
    {C::Messages, "&Messages", Outils, {true, Garde, HorsPages}, "Noter des messages"},
    {C::StatistiquesLots, "&Statistiques lots", Outils, {false, Garde, Toutes}},
    {C::StatistiquesMois, "Statistiques &mois", Outils, {false, Garde, Toutes}},
    {C::StatistiquesLocataires, "Statistiques &locataires", Outils, {false, Garde, Toutes}},
    {C::StatistiquesFournisseurs, "Statistiques &fournisseurs", Outils, {false, Garde, Toutes}},
    {C::JournalComptable,
     "&Journal comptable",
     Outils,
     {false, Active, Toutes},
     "Journal Achats/Ventes"},
    {C::LoyersImpayes, "Loyers &impayés", Outils, {false, Active, Toutes}},
    {C::RevenusFonciers, "&Revenus fonciers de l'année...", Outils, {false, Active, Toutes}},

    {C::Proprietaire, "&Propriétaire", Parametres, {true, Garde, HorsPages}},
    {C::TypesDeLots, "&Types de lots", Parametres, {true, Active, Toutes}},
    {C::FamillesFournisseurs, "Familles fo&urnisseurs", Parametres, {true, Garde, HorsPages}},
    {C::CategoriesCharges, "Catégories de c&harges", Parametres, {true, Garde, HorsPages}},
    {C::ParametresCommande,
     "&Commande",
     Parametres,
     {true, Garde, HorsPages},
     "Paramètres commandes"},
    {C::Comptes, "C&omptes", Parametres, {true, Garde, HorsPages}, "Comptes utilisés"},
    {C::OuvrirAutomatiquement, "&Ouvrir automatiquement", Parametres, {true, Garde, HorsPages}},

    {C::Calendrier, "&Calendrier", Utilitaires, {true, Garde, HorsPages}},
    {C::Calculatrice, "C&alculatrice", Utilitaires, {true, Garde, HorsPages}},
    {C::Horloge, "&Horloge", Utilitaires, {true, Garde, HorsPages}},
    {C::EuroConversion, "&Euro conversion", Utilitaires, {true, Garde, HorsPages}},
    {C::BlocNotes, "&Bloc notes", Utilitaires, {true, Garde, HorsPages}},

    {C::AideIndex, "&Index", Aide, {true, Garde, HorsPages}},
    {C::AideRechercher, "&Rechercher...", Aide, {true, Garde, HorsPages}},
    {C::UtiliserAide, "&Utiliser l'aide", Aide, {true, Garde, HorsPages}},
    {C::APropos, "&A propos", Aide, {true, Garde, HorsPages}},

    bouton(C::BoutonNouveau, "Nouveau dossier", {true, Garde, HorsPages}),
    bouton(C::BoutonOuvrir, "Ouvrir", {true, Garde, HorsPages}),
    bouton(C::BoutonEnregistrer, "Enregistrer", {false, Active, HorsPages}),
    bouton(C::BoutonCopier, "Copier", {false, Active, HorsPages}),
    bouton(C::BoutonColler, "Coller", {false, Active, HorsPages}),
    bouton(C::BoutonPremier, "Premier", {false, Active, HorsPages}),
    bouton(C::BoutonPrecedent, "Précédent", {false, Active, HorsPages}),
    bouton(C::BoutonSuivant, "Suivant", {false, Active, HorsPages}),
    bouton(C::BoutonDernier, "Dernier", {false, Active, HorsPages}),
    bouton(C::BoutonNouvelleFiche, "Nouvelle fiche", {true, Garde, HorsPages}),
    bouton(C::BoutonFicheLocataire, "Fiche locataire", {false, Garde, "FLQACR"}),
    bouton(C::BoutonQuittance, "Quittance", {false, Garde, "TFL"}),
    bouton(C::BoutonLots, "Lots", {false, Garde, "TFQACR"}),
    bouton(C::BoutonCalculer, "Calculer", {false, Active, HorsPages}),
    bouton(C::BoutonImprimer, "Imprimer", {false, Active, HorsPages}),
    bouton(C::BoutonImprimerEnveloppe, "Imprimer enveloppe", {false, Active, HorsPages}),
}};

// The table is indexed by the entry: each row stands at its entry's place.
constexpr bool dansLOrdre() {
    for (int i = 0; i < NbCommandes; ++i)
        if (static_cast<int>(Definitions[i].action) != i)
            return false;
    return true;
}
static_assert(dansLOrdre(), "one row per entry, in the order of Commande");

} // namespace

QKeySequence TDefAction::raccourci() const {
    return touche.key() == Qt::Key_unknown ? QKeySequence() : QKeySequence(touche);
}

const TDefAction& definition(Action action) {
    return Definitions[static_cast<int>(action)];
}

std::span<const TDefAction, NbCommandes> definitions() {
    return Definitions;
}
