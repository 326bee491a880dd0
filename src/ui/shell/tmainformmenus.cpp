// The menus, the toolbar and the status bar of the main window.
#include "ui/shell/tmainform.h"

#include "ui/common/icones.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

using C = Action;

} // namespace

void TMainForm::creeActions() {
    for (const TDefAction& d : definitions()) {
        auto* a = new QAction(QString::fromUtf8(d.libelle), this);
        a->setShortcut(d.raccourci());
        if (d.bulle)
            a->setToolTip(QString::fromUtf8(d.bulle));
        a->setProperty("contexteAide", d.contexteAide);
        a->setEnabled(actifAuDepart(d.action));
        m_actions[static_cast<int>(d.action)] = a;
    }
    action(C::OuvrirAutomatiquement)->setCheckable(true);
}

QMenu* TMainForm::menu(const QString& titre, int contexteAide) {
    QMenu* m = menuBar()->addMenu(titre);
    m->setProperty("contexteAide", contexteAide);
    m->installEventFilter(this);
    // Only the entries given a hint show a tooltip.
    m->setToolTipsVisible(true);
    return m;
}

void TMainForm::ajoute(QMenu* menu, std::initializer_list<Action> choix) {
    for (Action c : choix)
        menu->addAction(action(c));
}

void TMainForm::groupeSelection(std::initializer_list<Action> entrees) {
    auto* groupe = new QActionGroup(this);
    for (Action c : entrees) {
        action(c)->setCheckable(true);
        groupe->addAction(action(c));
    }
    action(*entrees.begin())->setChecked(true);
}

void TMainForm::creeMenus() {
    QMenu* fichier = menu(QStringLiteral("&Fichier"), 3);
    ajoute(fichier,
           {C::Nouveau, C::Ouvrir, C::Enregistrer, C::EnregistrerSous, C::RestaurerSauvegarde});
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
    ajoute(location,
           {C::QuittancesDuMois, C::ReleveBancaire, C::RevisionLoyers, C::EnvoyerCourriel});
    location->addSeparator();
    ajoute(location, {C::ChargesReelles, C::RegularisationCharges, C::SoldeToutCompte});
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
    const std::initializer_list<std::initializer_list<Action>> groupes = {
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
    outils->addSeparator();
    ajoute(outils, {C::LoyersImpayes, C::RevenusFonciers});

    QMenu* parametres = menu(QStringLiteral("&Paramètres"), 10);
    ajoute(parametres, {C::Proprietaire, C::TypesDeLots, C::FamillesFournisseurs,
                        C::CategoriesCharges, C::ParametresCommande, C::Comptes});
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
    const std::initializer_list<std::initializer_list<Action>> groupes = {
        {C::BoutonNouveau, C::BoutonOuvrir, C::BoutonEnregistrer},
        {C::BoutonCopier, C::BoutonColler},
        {C::BoutonPremier, C::BoutonPrecedent, C::BoutonSuivant, C::BoutonDernier},
        {C::BoutonNouvelleFiche, C::BoutonFicheLocataire, C::BoutonQuittance, C::BoutonLots},
        {C::BoutonCalculer, C::BoutonImprimer, C::BoutonImprimerEnveloppe},
    };
    for (const auto& groupe : groupes) {
        if (!barre->actions().isEmpty())
            barre->addSeparator();
        for (Action c : groupe) {
            QAction* bouton = action(c);
            bouton->setIcon(iconeBouton(c));
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
