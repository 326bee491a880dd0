#pragma once

#include <QKeyCombination>
#include <QKeySequence>

#include <span>
#include <string_view>

// Every entry of the main window's menus and every toolbar button.
enum class Action {
    // "&Fichier"
    Nouveau,
    Ouvrir,
    Enregistrer,
    EnregistrerSous,
    RestaurerSauvegarde,
    Imprimer,
    ImprimerListeLocataires,
    ImprimerListeFournisseurs,
    ImprimerListeLots,
    ImprimerEnveloppes,
    MiseEnPage,
    ConfigurerImprimante,
    Importer,
    Exporter,
    Quitter,
    // "&Edition"
    Copier,
    Coller,
    ListeLocataires,
    RechercheNom,
    RechercheCode,
    RechercheTelephone,
    TrierLocataires,
    ChercherQuittance,
    ChercherAvis,
    ChercherRecu,
    RechercherLot,
    RechercherNumeroLot,
    TrierLots,
    ListeFournisseurs,
    RechercherNomFournisseur,
    RechercherCodeFournisseur,
    TrierFournisseurs,
    ChercherCommande,
    // "&Bases"
    PageLocataires,
    PageQuittances,
    PageAvis,
    PageRecus,
    PageLots,
    PageFournisseurs,
    PageCommandes,
    Precedent,
    Suivant,
    Premier,
    Dernier,
    NouvelleFiche,
    SupprimerFiche,
    Liste,
    ImprimerFiche,
    // "&Location"
    LocationPrecedent,
    LocationSuivant,
    LocationPremier,
    LocationDernier,
    NouvelleQuittance,
    ArriveeDepart,
    SupprimerQuittance,
    ImprimerQuittance,
    ListeQuittances,
    NouvelleEcheance,
    SupprimerAvis,
    ImprimerAvis,
    ListeAvis,
    NouveauRecu,
    SupprimerRecu,
    ImprimerRecu,
    ListeRecus,
    QuittancesDuMois,
    ReleveBancaire,
    RevisionLoyers,
    ChargesReelles,
    RegularisationCharges,
    SoldeToutCompte,
    EnvoyerCourriel,
    LocationSupprimerLigne,
    // "&Achat"
    AchatPrecedent,
    AchatSuivant,
    AchatPremier,
    AchatDernier,
    NouvelleCommande,
    SupprimerCommande,
    ImprimerCommande,
    ListeCommandes,
    AchatSupprimerLigne,
    // "&Sélection"
    TousLesLocataires,
    CodePostalLocataires,
    VilleLocataires,
    LocatairesActuels,
    ToutesLesQuittances,
    QuittancesCodeLocataire,
    TousLesAvis,
    AvisCodeLocataire,
    TousLesLots,
    TypesDeLotsSelection,
    CodePostalLots,
    LotsLibres,
    TousLesFournisseurs,
    CodePostalFournisseurs,
    VilleFournisseurs,
    ToutesLesCommandes,
    CommandesCodeFournisseur,
    // "&Outils"
    TraitementDeTexte,
    EnveloppeCourante,
    Messages,
    StatistiquesLots,
    StatistiquesMois,
    StatistiquesLocataires,
    StatistiquesFournisseurs,
    JournalComptable,
    LoyersImpayes,
    RevenusFonciers,
    // "&Paramètres"
    Proprietaire,
    TypesDeLots,
    FamillesFournisseurs,
    CategoriesCharges,
    ParametresCommande,
    Comptes,
    OuvrirAutomatiquement,
    // "&Utilitaires"
    Calendrier,
    Calculatrice,
    Horloge,
    EuroConversion,
    BlocNotes,
    // "&?"
    AideIndex,
    AideRechercher,
    UtiliserAide,
    APropos,
    // The toolbar, left to right
    BoutonNouveau,
    BoutonOuvrir,
    BoutonEnregistrer,
    BoutonCopier,
    BoutonColler,
    BoutonPremier,
    BoutonPrecedent,
    BoutonSuivant,
    BoutonDernier,
    BoutonNouvelleFiche,
    BoutonFicheLocataire,
    BoutonQuittance,
    BoutonLots,
    BoutonCalculer,
    BoutonImprimer,
    BoutonImprimerEnveloppe,
};

constexpr int NbCommandes = static_cast<int>(Action::BoutonImprimerEnveloppe) + 1;

// What opening a dossier does to an entry.
enum class EffetDossier { Garde, Active, Desactive };

// The pages of the bases, named by one letter each in the order of Base: T tenants,
// F suppliers, L lots, Q receipts, A notices, C orders, R payment receipts.
constexpr std::string_view LettresPages = "TFLQACR";

// When an entry is enabled.
struct Regle {
    bool auDepart;
    EffetDossier dossierOuvert;
    // The letters of the pages whose set enables the entry; every other page set disables
    // it, except the pages in `gardeSur`, whose set leaves it as it is. Null when no page
    // set touches the entry.
    const char* actifSur;
    const char* gardeSur = "";
};

// An entry of the menus or a button of the toolbar, as the main window shows it.
struct TDefAction {
    Action action;
    // UTF-8, with the "&" before the access key and the blank-padded key name of some entries.
    const char* libelle;
    // The number of the menu in the help file; 0 for the toolbar.
    int contexteAide;
    Regle regle;
    // The hint shown over the entry, UTF-8; null when it has none.
    const char* bulle = nullptr;
    // Key_unknown when the entry has no key of its own.
    QKeyCombination touche = Qt::Key_unknown;

    // Empty when the entry has no key of its own.
    QKeySequence raccourci() const;
};

// The row of an entry.
const TDefAction& definition(Action action);

// Every row, in the order of Commande.
std::span<const TDefAction, NbCommandes> definitions();
