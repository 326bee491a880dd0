#pragma once

#include "store/bases.h"

#include <QList>

// Every entry of the main window's menus and every toolbar button.
enum class Commande {
    // "&Fichier"
    Nouveau,
    Ouvrir,
    Enregistrer,
    EnregistrerSous,
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
    // "&Paramètres"
    Proprietaire,
    TypesDeLots,
    FamillesFournisseurs,
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

constexpr int NbCommandes = static_cast<int>(Commande::BoutonImprimerEnveloppe) + 1;

// One change that an enabling set makes.
struct EtatCommande {
    Commande commande;
    bool actif;

    bool operator==(const EtatCommande&) const = default;
};

// Whether an entry is enabled before any dossier is open.
bool actifAuDepart(Commande commande);

// The set applied once a dossier is in memory (new, open, import, automatic open).
QList<EtatCommande> ensembleDossierOuvert();

// The set applied when the menu or the toolbar switches to the page of a base. The entries
// that it does not list keep their state.
QList<EtatCommande> ensemblePage(Base page);
