// The menus, the toolbar and the status bar of the main window, and the commands behind them.
#include "tmainform.h"

#include "app/tfiche.h"
#include "icones.h"
#include "parametres.h"
#include "records/tficheform.h"
#include "tools/teurof.h"
#include "tools/tpocket.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

using C = Commande;

struct Libelle {
    Commande commande;
    const char* texte;
};

// The captions of the entries, a blank-padded key name included, and the hints of the
// toolbar buttons.
constexpr Libelle Libelles[] = {
    {C::Nouveau, "&Nouveau"},
    {C::Ouvrir, "&Ouvrir..."},
    {C::Enregistrer, "&Enregistrer"},
    {C::EnregistrerSous, "Enregistrer &sous..."},
    {C::Imprimer, "&Imprimer"},
    {C::ImprimerListeLocataires, "Liste &locataires"},
    {C::ImprimerListeFournisseurs, "Liste &fournisseurs..."},
    {C::ImprimerListeLots, "Liste l&ots"},
    {C::ImprimerEnveloppes, "&Enveloppes..."},
    {C::MiseEnPage, "&Mise en page..."},
    {C::ConfigurerImprimante, "Configurer imprimante..."},
    {C::Importer, "I&mporter..."},
    {C::Exporter, "E&xporter..."},
    {C::Quitter, "&Quitter"},
    {C::Copier, "&Copier"},
    {C::Coller, "C&oller"},
    {C::ListeLocataires, "&Liste des locataires                    F2"},
    {C::RechercheNom, "Recherche &Nom / société..."},
    {C::RechercheCode, "Rechercher &Code locataire"},
    {C::RechercheTelephone, "&Recherche Téléphone..."},
    {C::TrierLocataires, "&Trier locataires..."},
    {C::ChercherQuittance, "Chercher &quittance..."},
    {C::ChercherAvis, "Chercher &avis..."},
    {C::ChercherRecu, "Chercher reçu..."},
    {C::RechercherLot, "Rechercher &lot..."},
    {C::RechercherNumeroLot, "Rechercher numéro l&ot..."},
    {C::TrierLots, "Tri&er lots..."},
    {C::ListeFournisseurs, "&Liste des fournisseurs               F2"},
    {C::RechercherNomFournisseur, "Rechercher Nom fo&urnisseur..."},
    {C::RechercherCodeFournisseur, "Rechercher Code four&nisseur..."},
    {C::TrierFournisseurs, "Tr&ier fournisseurs..."},
    {C::ChercherCommande, "C&hercher commande..."},
    {C::PageLocataires, "&Locataires"},
    {C::PageQuittances, "&Quittances"},
    {C::PageAvis, "&Avis d'échéance"},
    {C::PageRecus, "&Reçus"},
    {C::PageLots, "L&ots"},
    {C::PageFournisseurs, "&Fournisseurs"},
    {C::PageCommandes, "&Commandes"},
    {C::Precedent, "&Précédent             PgUo"},
    {C::Suivant, "&Suivant                   Pgdn"},
    {C::Premier, "P&remier"},
    {C::Dernier, "&Dernier"},
    {C::NouvelleFiche, "&Nouvelle fiche"},
    {C::SupprimerFiche, "S&upprimer fiche"},
    {C::Liste, "&Liste"},
    {C::ImprimerFiche, "&Imprimer fiche"},
    {C::LocationPrecedent, "&Précédent             PgUp"},
    {C::LocationSuivant, "&Suivant                   Pgdn"},
    {C::LocationPremier, "P&remier"},
    {C::LocationDernier, "&Dernier"},
    {C::NouvelleQuittance, "&Nouvelle quittance"},
    {C::ArriveeDepart, "&Arrivée/départ"},
    {C::SupprimerQuittance, "S&upprimer quittance"},
    {C::ImprimerQuittance, "&Imprimer quittance"},
    {C::ListeQuittances, "&Liste des quittances     F2"},
    {C::NouvelleEcheance, "N&ouvelle échéance"},
    {C::SupprimerAvis, "Suppri&mer avis"},
    {C::ImprimerAvis, "I&mprimer avis"},
    {C::ListeAvis, "Li&ste des avis               F2"},
    {C::NouveauRecu, "Nouveau &reçu"},
    {C::SupprimerRecu, "Supprim&er reçu"},
    {C::ImprimerRecu, "Imprimer reç&u"},
    {C::ListeRecus, "&Liste des &reçus             F2"},
    {C::LocationSupprimerLigne, "Supprimer &ligne"},
    {C::AchatPrecedent, "&Précédent             PgUp"},
    {C::AchatSuivant, "&Suivant                   Pgdn"},
    {C::AchatPremier, "P&remier"},
    {C::AchatDernier, "&Dernier"},
    {C::NouvelleCommande, "&Nouvelle commande"},
    {C::SupprimerCommande, "S&upprimer commande"},
    {C::ImprimerCommande, "&Imprimer commande"},
    {C::ListeCommandes, "&Liste des commandes       F2"},
    {C::AchatSupprimerLigne, "Supprimer &ligne"},
    {C::TousLesLocataires, "&Tous les locataires"},
    {C::CodePostalLocataires, "&Code postal..."},
    {C::VilleLocataires, "&Ville"},
    {C::LocatairesActuels, "&Locacaires actuels"},
    {C::ToutesLesQuittances, "T&outes les quittances"},
    {C::QuittancesCodeLocataire, "&Quittances code locateire..."},
    {C::TousLesAvis, "T&ous les avis"},
    {C::AvisCodeLocataire, "&Avis code locateire..."},
    {C::TousLesLots, "Tous les &lots"},
    {C::TypesDeLotsSelection, "Typ&es de lots"},
    {C::CodePostalLots, "Code po&stal"},
    {C::LotsLibres, "Lots l&ibres"},
    {C::TousLesFournisseurs, "Tous les fo&urnisseurs"},
    {C::CodePostalFournisseurs, "Co&de postal..."},
    {C::VilleFournisseurs, "V&ille..."},
    {C::ToutesLesCommandes, "Tout&es les commandes"},
    {C::CommandesCodeFournisseur, "&Commande code fournisseur..."},
    {C::TraitementDeTexte, "&Traitement de texte"},
    {C::EnveloppeCourante, "&Enveloppe courante"},
    {C::Messages, "&Messages"},
    {C::StatistiquesLots, "&Statistiques lots"},
    {C::StatistiquesMois, "Statistiques &mois"},
    {C::StatistiquesLocataires, "Statistiques &locataires"},
    {C::StatistiquesFournisseurs, "Statistiques &fournisseurs"},
    {C::JournalComptable, "&Journal comptable"},
    {C::Proprietaire, "&Propriétaire"},
    {C::TypesDeLots, "&Types de lots"},
    {C::FamillesFournisseurs, "Familles fo&urnisseurs"},
    {C::ParametresCommande, "&Commande"},
    {C::Comptes, "C&omptes"},
    {C::OuvrirAutomatiquement, "&Ouvrir automatiquement"},
    {C::Calendrier, "&Calendrier"},
    {C::Calculatrice, "C&alculatrice"},
    {C::Horloge, "&Horloge"},
    {C::EuroConversion, "&Euro conversion"},
    {C::BlocNotes, "&Bloc notes"},
    {C::AideIndex, "&Index"},
    {C::AideRechercher, "&Rechercher..."},
    {C::UtiliserAide, "&Utiliser l'aide"},
    {C::APropos, "&A propos"},
    {C::BoutonNouveau, "Nouveau dossier"},
    {C::BoutonOuvrir, "Ouvrir"},
    {C::BoutonEnregistrer, "Enregistrer"},
    {C::BoutonCopier, "Copier"},
    {C::BoutonColler, "Coller"},
    {C::BoutonPremier, "Premier"},
    {C::BoutonPrecedent, "Précédent"},
    {C::BoutonSuivant, "Suivant"},
    {C::BoutonDernier, "Dernier"},
    {C::BoutonNouvelleFiche, "Nouvelle fiche"},
    {C::BoutonFicheLocataire, "Fiche locataire"},
    {C::BoutonQuittance, "Quittance"},
    {C::BoutonLots, "Lots"},
    {C::BoutonCalculer, "Calculer"},
    {C::BoutonImprimer, "Imprimer"},
    {C::BoutonImprimerEnveloppe, "Imprimer enveloppe"},
};

static_assert(std::size(Libelles) == NbCommandes, "one caption per entry");

} // namespace

void TMainForm::creeActions() {
    for (const Libelle& libelle : Libelles) {
        QAction* a = new QAction(QString::fromUtf8(libelle.texte), this);
        a->setEnabled(actifAuDepart(libelle.commande));
        m_actions[static_cast<int>(libelle.commande)] = a;
    }
    action(C::Quitter)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    action(C::Liste)->setShortcut(QKeySequence(Qt::Key_F2));
    action(C::OuvrirAutomatiquement)->setCheckable(true);
}

QMenu* TMainForm::menu(const QString& titre, int contexteAide) {
    QMenu* m = menuBar()->addMenu(titre);
    m->setProperty("contexteAide", contexteAide);
    return m;
}

void TMainForm::ajoute(QMenu* menu, std::initializer_list<Commande> commandes) {
    for (Commande c : commandes)
        menu->addAction(action(c));
}

void TMainForm::groupeSelection(std::initializer_list<Commande> entrees) {
    auto* groupe = new QActionGroup(this);
    for (Commande c : entrees) {
        action(c)->setCheckable(true);
        groupe->addAction(action(c));
    }
    action(*entrees.begin())->setChecked(true);
}

void TMainForm::creeMenus() {
    QMenu* fichier = menu(QStringLiteral("&Fichier"), 3);
    ajoute(fichier, {C::Nouveau, C::Ouvrir, C::Enregistrer, C::EnregistrerSous});
    fichier->addSeparator();
    auto* imprimer = new QMenu(this);
    ajoute(imprimer, {C::ImprimerListeLocataires, C::ImprimerListeFournisseurs,
                      C::ImprimerListeLots, C::ImprimerEnveloppes});
    action(C::Imprimer)->setMenu(imprimer);
    ajoute(fichier, {C::Imprimer, C::MiseEnPage, C::ConfigurerImprimante});
    fichier->addSeparator();
    ajoute(fichier, {C::Importer, C::Exporter});
    fichier->addSeparator();
    ajoute(fichier, {C::Quitter});

    QMenu* edition = menu(QStringLiteral("&Edition"), 4);
    ajoute(edition, {C::Copier, C::Coller});
    edition->addSeparator();
    ajoute(edition, {C::ListeLocataires, C::RechercheNom, C::RechercheCode, C::RechercheTelephone,
                     C::TrierLocataires});
    edition->addSeparator();
    ajoute(edition, {C::ChercherQuittance, C::ChercherAvis, C::ChercherRecu});
    edition->addSeparator();
    ajoute(edition, {C::RechercherLot, C::RechercherNumeroLot, C::TrierLots});
    edition->addSeparator();
    ajoute(edition, {C::ListeFournisseurs, C::RechercherNomFournisseur,
                     C::RechercherCodeFournisseur, C::TrierFournisseurs});
    edition->addSeparator();
    ajoute(edition, {C::ChercherCommande});

    QMenu* bases = menu(QStringLiteral("&Bases"), 5);
    ajoute(bases, {C::PageLocataires, C::PageQuittances, C::PageAvis, C::PageRecus, C::PageLots,
                   C::PageFournisseurs, C::PageCommandes});
    bases->addSeparator();
    ajoute(bases, {C::Precedent, C::Suivant, C::Premier, C::Dernier});
    bases->addSeparator();
    ajoute(bases, {C::NouvelleFiche, C::SupprimerFiche, C::Liste, C::ImprimerFiche});

    QMenu* location = menu(QStringLiteral("&Location"), 6);
    ajoute(location,
           {C::LocationPrecedent, C::LocationSuivant, C::LocationPremier, C::LocationDernier});
    location->addSeparator();
    ajoute(location, {C::NouvelleQuittance, C::ArriveeDepart, C::SupprimerQuittance,
                      C::ImprimerQuittance, C::ListeQuittances});
    location->addSeparator();
    ajoute(location, {C::NouvelleEcheance, C::SupprimerAvis, C::ImprimerAvis, C::ListeAvis});
    location->addSeparator();
    ajoute(location, {C::NouveauRecu, C::SupprimerRecu, C::ImprimerRecu, C::ListeRecus});
    location->addSeparator();
    ajoute(location, {C::LocationSupprimerLigne});

    QMenu* achat = menu(QStringLiteral("&Achat"), 7);
    ajoute(achat, {C::AchatPrecedent, C::AchatSuivant, C::AchatPremier, C::AchatDernier});
    achat->addSeparator();
    ajoute(achat,
           {C::NouvelleCommande, C::SupprimerCommande, C::ImprimerCommande, C::ListeCommandes});
    achat->addSeparator();
    ajoute(achat, {C::AchatSupprimerLigne});

    QMenu* selection = menu(QStringLiteral("&Sélection"), 8);
    const std::initializer_list<std::initializer_list<Commande>> groupes = {
        {C::TousLesLocataires, C::CodePostalLocataires, C::VilleLocataires, C::LocatairesActuels},
        {C::ToutesLesQuittances, C::QuittancesCodeLocataire},
        {C::TousLesAvis, C::AvisCodeLocataire},
        {C::TousLesLots, C::TypesDeLotsSelection, C::CodePostalLots, C::LotsLibres},
        {C::TousLesFournisseurs, C::CodePostalFournisseurs, C::VilleFournisseurs},
        {C::ToutesLesCommandes, C::CommandesCodeFournisseur},
    };
    for (const auto& groupe : groupes) {
        if (!selection->isEmpty())
            selection->addSeparator();
        ajoute(selection, groupe);
        groupeSelection(groupe);
    }

    QMenu* outils = menu(QStringLiteral("&Outils"), 9);
    ajoute(outils, {C::TraitementDeTexte, C::EnveloppeCourante, C::Messages});
    outils->addSeparator();
    ajoute(outils, {C::StatistiquesLots, C::StatistiquesMois, C::StatistiquesLocataires,
                    C::StatistiquesFournisseurs});
    outils->addSeparator();
    ajoute(outils, {C::JournalComptable});

    QMenu* parametres = menu(QStringLiteral("&Paramètres"), 10);
    ajoute(parametres, {C::Proprietaire, C::TypesDeLots, C::FamillesFournisseurs,
                        C::ParametresCommande, C::Comptes});
    parametres->addSeparator();
    ajoute(parametres, {C::OuvrirAutomatiquement});

    QMenu* utilitaires = menu(QStringLiteral("&Utilitaires"), 11);
    ajoute(utilitaires,
           {C::Calendrier, C::Calculatrice, C::Horloge, C::EuroConversion, C::BlocNotes});

    QMenu* aide = menu(QStringLiteral("&?"), 12);
    ajoute(aide, {C::AideIndex, C::AideRechercher, C::UtiliserAide});
    aide->addSeparator();
    ajoute(aide, {C::APropos});
}

void TMainForm::creeBarreOutils() {
    QToolBar* barre = addToolBar(QStringLiteral("Barre d'outils"));
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setIconSize(QSize(16, 16));
    barre->toggleViewAction()->setEnabled(false);
    const std::initializer_list<std::initializer_list<Commande>> groupes = {
        {C::BoutonNouveau, C::BoutonOuvrir, C::BoutonEnregistrer},
        {C::BoutonCopier, C::BoutonColler},
        {C::BoutonPremier, C::BoutonPrecedent, C::BoutonSuivant, C::BoutonDernier},
        {C::BoutonNouvelleFiche, C::BoutonFicheLocataire, C::BoutonQuittance, C::BoutonLots},
        {C::BoutonCalculer, C::BoutonImprimer, C::BoutonImprimerEnveloppe},
    };
    for (const auto& groupe : groupes) {
        if (!barre->actions().isEmpty())
            barre->addSeparator();
        for (Commande c : groupe) {
            QAction* bouton = action(c);
            bouton->setIcon(iconeBouton(c));
            bouton->setToolTip(bouton->text());
            barre->addAction(bouton);
        }
    }
}

void TMainForm::creeBarreEtat() {
    m_panneauAide = new QLabel;
    m_panneauHeure = new QLabel;
    for (QLabel* panneau : {m_panneauAide, m_panneauHeure})
        panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(m_panneauAide);
    statusBar()->addWidget(m_panneauHeure, 1);
    m_horloge = new QTimer(this);
    m_horloge->setInterval(1000);
    connect(m_horloge, &QTimer::timeout, this, &TMainForm::metAJourHorloge);
    m_horloge->start();
    metAJourHorloge();
}

void TMainForm::relieCommandes() {
    auto relie = [this](std::initializer_list<Commande> commandes, auto&& faire) {
        for (Commande c : commandes)
            connect(action(c), &QAction::triggered, this, faire);
    };
    TFicheForm* f = m_ficheForm;

    relie({C::Nouveau, C::BoutonNouveau}, [this] { Nouveau(); });
    relie({C::Ouvrir, C::BoutonOuvrir}, [this] { Ouvrir(); });
    relie({C::Enregistrer, C::BoutonEnregistrer}, [this] { Enregistrer(); });
    relie({C::EnregistrerSous}, [this] { EnregistrerSous(); });
    relie({C::Quitter}, [this] { close(); });

    relie({C::PageLocataires, C::BoutonFicheLocataire}, [this] { changePage(Base::Locataires); });
    relie({C::PageQuittances, C::BoutonQuittance}, [this] { changePage(Base::Quittances); });
    relie({C::PageAvis}, [this] { changePage(Base::Avis); });
    relie({C::PageRecus}, [this] { changePage(Base::Recus); });
    relie({C::PageLots, C::BoutonLots}, [this] { changePage(Base::Lots); });
    relie({C::PageFournisseurs}, [this] { changePage(Base::Fournisseurs); });
    relie({C::PageCommandes}, [this] { changePage(Base::Commandes); });

    relie({C::Premier, C::LocationPremier, C::AchatPremier, C::BoutonPremier},
          [f] { f->Premier(); });
    relie({C::Precedent, C::LocationPrecedent, C::AchatPrecedent, C::BoutonPrecedent},
          [f] { f->Precedent(); });
    relie({C::Suivant, C::LocationSuivant, C::AchatSuivant, C::BoutonSuivant},
          [f] { f->Suivant(); });
    relie({C::Dernier, C::LocationDernier, C::AchatDernier, C::BoutonDernier},
          [f] { f->Dernier(); });
    relie({C::NouvelleFiche, C::BoutonNouvelleFiche}, [f] { f->Ajout(); });
    relie({C::Liste, C::ListeLocataires, C::ListeFournisseurs}, [f] { f->Liste(); });
    relie({C::Copier}, [f] { f->Copier(); });
    relie({C::Coller}, [f] { f->Coller(); });

    relie({C::SupprimerFiche},
          [this] { confirmeSuppression(QStringLiteral("Confirmer suppression de la fiche ?")); });
    relie({C::SupprimerQuittance, C::SupprimerAvis}, [this] {
        confirmeSuppression(QStringLiteral("Confirmer suppression de la quittance ?"));
    });
    relie({C::SupprimerCommande}, [this] {
        confirmeSuppression(QStringLiteral("Confirmer suppression de la Commande ?"));
    });
    relie({C::SupprimerRecu},
          [this] { confirmeSuppression(QStringLiteral("Confirmer suppression du reçu ?")); });

    const struct {
        Commande entree;
        Base base;
        int mode;
    } selections[] = {
        {C::TousLesLocataires, Base::Locataires, 1},
        {C::CodePostalLocataires, Base::Locataires, 2},
        {C::VilleLocataires, Base::Locataires, 3},
        {C::LocatairesActuels, Base::Locataires, 4},
        {C::ToutesLesQuittances, Base::Quittances, 1},
        {C::QuittancesCodeLocataire, Base::Quittances, 2},
        {C::TousLesAvis, Base::Avis, 1},
        {C::AvisCodeLocataire, Base::Avis, 2},
        {C::TousLesLots, Base::Lots, 1},
        {C::TypesDeLotsSelection, Base::Lots, 2},
        {C::CodePostalLots, Base::Lots, 3},
        {C::LotsLibres, Base::Lots, 4},
        {C::TousLesFournisseurs, Base::Fournisseurs, 1},
        {C::CodePostalFournisseurs, Base::Fournisseurs, 2},
        {C::VilleFournisseurs, Base::Fournisseurs, 3},
    };
    for (const auto& s : selections)
        relie({s.entree}, [this, s] { SetSel(s.base, s.mode); });

    relie({C::Proprietaire}, [this] { Psoc(*m_fiche, this); });
    relie({C::TypesDeLots}, [this] { Design(*m_fiche, this); });
    relie({C::OuvrirAutomatiquement}, [this] {
        m_dossierPath = m_fiche->GetIni().chemin;
        m_fiche->SetIni(action(C::OuvrirAutomatiquement)->isChecked());
    });

    relie({C::AideIndex, C::AideRechercher, C::UtiliserAide}, [this] { aide(); });
    relie({C::APropos}, [this] { aPropos(); });
    relie({C::Calculatrice}, [this] {
        TPocket calculatrice(this);
        calculatrice.exec();
    });
    relie({C::EuroConversion}, [this] {
        TEurof conversion(this);
        conversion.exec();
    });
}
