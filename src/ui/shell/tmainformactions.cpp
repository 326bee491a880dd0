// What each command of the menus and the toolbar does.
#include "ui/shell/tmainform.h"

#include "core/app/tfiche.h"
#include "core/documents/tdepart.h"
#include "core/documents/tpagedocument.h"
#include "ui/accounting/actionsstats.h"
#include "ui/banque/actionsbanque.h"
#include "ui/charges/actionscharges.h"
#include "ui/common/questions.h"
#include "ui/gestion/actionsgestion.h"
#include "ui/printing/actionsimpression.h"
#include "ui/records/tficheform.h"
#include "ui/shell/actionsbase.h"
#include "ui/shell/parametres.h"
#include "ui/tools/outils.h"
#include "ui/tools/tcalendrier.h"
#include "ui/tools/teurof.h"
#include "ui/tools/thorloge.h"
#include "ui/tools/tpocket.h"

#include <QAction>
#include <QDir>

namespace {

using C = Action;

template <class Fenetre> void montreModale(QWidget* parent) {
    Fenetre fenetre(parent);
    fenetre.exec();
}

} // namespace

void TMainForm::relieActions() {
    for (const TDefAction& d : definitions())
        connect(action(d.action), &QAction::triggered, this, [this, c = d.action] { lance(c); });
}

void TMainForm::nouveauDocument(Base base) {
    m_ficheForm->NouveauDocument(base);
    applique(ensemblePage(m_fiche->pageActive()));
}

void TMainForm::arriveeDepart() {
    TDepart depart;
    if (!execute([&] { depart.Init(m_fiche->carteTiers(Base::Locataires)); }) ||
        !Questions::instance().depart(depart))
        return;
    m_ficheForm->Arrivee(depart.Result());
    applique(ensemblePage(m_fiche->pageActive()));
}

void TMainForm::lance(Action choix) {
    switch (choix) {
    case C::Nouveau:
    case C::BoutonNouveau:
        Nouveau();
        break;
    case C::Ouvrir:
    case C::BoutonOuvrir:
        Ouvrir();
        break;
    case C::Enregistrer:
    case C::BoutonEnregistrer:
        Enregistrer();
        break;
    case C::EnregistrerSous:
        EnregistrerSous();
        break;
    case C::RestaurerSauvegarde:
        RestaurerSauvegarde();
        break;
    case C::Quitter:
        close();
        break;
    case C::Importer:
        // The records read, the dossier is open and the page on screen keeps its entries.
        if (Importer(*m_fiche, *m_ficheForm, this)) {
            applique(ensembleDossierOuvert());
            applique(ensemblePage(m_fiche->pageActive()));
            action(C::TousLesLocataires)->trigger();
        }
        break;
    case C::Exporter:
        Exporter(*m_fiche, this);
        break;
    case C::RechercheNom:
    case C::RechercherNomFournisseur:
        Rechercher(*m_fiche, *m_ficheForm, Recherche::RechNom);
        break;
    case C::RechercheCode:
    case C::RechercherCodeFournisseur:
        Rechercher(*m_fiche, *m_ficheForm, Recherche::RechNum);
        break;
    case C::RechercheTelephone:
        Rechercher(*m_fiche, *m_ficheForm, Recherche::RechTel);
        break;
    case C::RechercherLot:
        Rechercher(*m_fiche, *m_ficheForm, Recherche::RechLot);
        break;
    case C::RechercherNumeroLot:
        Rechercher(*m_fiche, *m_ficheForm, Recherche::RechNumLot);
        break;
    case C::TrierLocataires:
    case C::TrierFournisseurs:
        Trier(*m_fiche, *m_ficheForm, Tri::Trier);
        break;
    case C::TrierLots:
        Trier(*m_fiche, *m_ficheForm, Tri::Trier3);
        break;
    case C::Copier:
    case C::BoutonCopier:
        m_ficheForm->Copier();
        break;
    case C::Coller:
    case C::BoutonColler:
        m_ficheForm->Coller();
        break;
    case C::Liste:
    case C::ListeLocataires:
    case C::ListeFournisseurs:
    case C::ListeQuittances:
    case C::ListeAvis:
    case C::ListeRecus:
    case C::ListeCommandes:
        m_ficheForm->Liste();
        break;
    case C::ChercherQuittance:
        m_ficheForm->ChercheDocument(Base::Quittances);
        break;
    case C::ChercherAvis:
        m_ficheForm->ChercheDocument(Base::Avis);
        break;
    case C::ChercherRecu:
        m_ficheForm->ChercheDocument(Base::Recus);
        break;
    case C::NouvelleQuittance:
        nouveauDocument(Base::Quittances);
        break;
    case C::NouvelleEcheance:
        nouveauDocument(Base::Avis);
        break;
    case C::NouveauRecu:
        nouveauDocument(Base::Recus);
        break;
    case C::ArriveeDepart:
        arriveeDepart();
        break;
    case C::QuittancesDuMois:
        QuittancesDuMois(*m_fiche, this);
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::ReleveBancaire:
        ReleveBancaire(*m_fiche, m_startDir, this);
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::RevisionLoyers:
        RevisionLoyers(*m_fiche, this);
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::ChargesReelles:
        SaisieChargesReelles(*m_fiche, this);
        break;
    case C::RegularisationCharges:
        RegularisationDesCharges(*m_fiche, this);
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::SoldeToutCompte:
        SoldeDeToutCompte(*m_fiche, this);
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::EnvoyerCourriel:
        EnvoieDocument(*m_fiche, m_fiche->pageActive());
        break;
    case C::LoyersImpayes:
        LoyersImpayes(*m_fiche, this);
        break;
    case C::RevenusFonciers:
        RevenusFonciers(*m_fiche, this);
        break;
    case C::LocationSupprimerLigne:
    case C::AchatSupprimerLigne:
        m_ficheForm->SupLigne1();
        break;
    case C::BoutonCalculer:
        execute([this] { m_fiche->pageDocument(Base::Quittances)->Calcule(); });
        break;
    case C::PageLocataires:
    case C::BoutonFicheLocataire:
        changePage(Base::Locataires);
        break;
    case C::PageQuittances:
    case C::BoutonQuittance:
        changePage(Base::Quittances);
        break;
    case C::PageAvis:
        changePage(Base::Avis);
        break;
    case C::PageRecus:
        changePage(Base::Recus);
        break;
    case C::PageLots:
    case C::BoutonLots:
        changePage(Base::Lots);
        break;
    case C::PageFournisseurs:
        changePage(Base::Fournisseurs);
        break;
    case C::PageCommandes:
        changePage(Base::Commandes);
        break;
    case C::Premier:
    case C::LocationPremier:
    case C::AchatPremier:
    case C::BoutonPremier:
        m_ficheForm->Premier();
        break;
    case C::Precedent:
    case C::LocationPrecedent:
    case C::AchatPrecedent:
    case C::BoutonPrecedent:
        m_ficheForm->Precedent();
        break;
    case C::Suivant:
    case C::LocationSuivant:
    case C::AchatSuivant:
    case C::BoutonSuivant:
        m_ficheForm->Suivant();
        break;
    case C::Dernier:
    case C::LocationDernier:
    case C::AchatDernier:
    case C::BoutonDernier:
        m_ficheForm->Dernier();
        break;
    case C::NouvelleFiche:
    case C::BoutonNouvelleFiche:
        m_ficheForm->Ajout();
        break;
    case C::SupprimerFiche:
        confirmeSuppression(QStringLiteral("Confirmer suppression de la fiche ?"));
        break;
    case C::SupprimerQuittance:
    case C::SupprimerAvis:
        confirmeSuppression(QStringLiteral("Confirmer suppression de la quittance ?"));
        break;
    case C::SupprimerCommande:
        confirmeSuppression(QStringLiteral("Confirmer suppression de la Commande ?"));
        break;
    case C::SupprimerRecu:
        confirmeSuppression(QStringLiteral("Confirmer suppression du reçu ?"));
        break;
    case C::TousLesLocataires:
        SetSel(Base::Locataires, 1);
        break;
    case C::CodePostalLocataires:
        SetSel(Base::Locataires, 2);
        break;
    case C::VilleLocataires:
        SetSel(Base::Locataires, 3);
        break;
    case C::LocatairesActuels:
        SetSel(Base::Locataires, 4);
        break;
    case C::ToutesLesQuittances:
        SetSel(Base::Quittances, 1);
        break;
    case C::QuittancesCodeLocataire:
        SetSel(Base::Quittances, 2);
        break;
    case C::TousLesAvis:
        SetSel(Base::Avis, 1);
        break;
    case C::AvisCodeLocataire:
        SetSel(Base::Avis, 2);
        break;
    case C::TousLesLots:
        SetSel(Base::Lots, 1);
        break;
    case C::TypesDeLotsSelection:
        SetSel(Base::Lots, 2);
        break;
    case C::CodePostalLots:
        SetSel(Base::Lots, 3);
        break;
    case C::LotsLibres:
        SetSel(Base::Lots, 4);
        break;
    case C::TousLesFournisseurs:
        SetSel(Base::Fournisseurs, 1);
        break;
    case C::CodePostalFournisseurs:
        SetSel(Base::Fournisseurs, 2);
        break;
    case C::VilleFournisseurs:
        SetSel(Base::Fournisseurs, 3);
        break;
    case C::Proprietaire:
        Psoc(*m_fiche, this);
        break;
    case C::TypesDeLots:
        Design(*m_fiche, this);
        break;
    case C::FamillesFournisseurs:
        FamFournis(*m_fiche, this);
        break;
    case C::CategoriesCharges:
        CategoriesCharges(*m_fiche, this);
        break;
    case C::ParametresCommande:
        Parc(*m_fiche, this);
        break;
    case C::Comptes:
        Compte(*m_fiche, this);
        break;
    case C::NouvelleCommande:
        m_ficheForm->NouvelleCommande();
        applique(ensemblePage(m_fiche->pageActive()));
        break;
    case C::ChercherCommande:
        m_ficheForm->ChercheCommande();
        break;
    case C::OuvrirAutomatiquement:
        noteOuvertureAutomatique();
        break;
    case C::Calculatrice:
        montreModale<TPocket>(this);
        break;
    case C::EuroConversion:
        montreModale<TEurof>(this);
        break;
    case C::Calendrier:
        montreModale<TCalendrier>(this);
        break;
    case C::Horloge:
        montreModale<THorloge>(this);
        break;
    case C::BlocNotes:
        // The start-up directory is known once the window has been shown.
        MontreBlocNotes(m_startDir.isEmpty() ? QDir::currentPath() : m_startDir, this);
        break;
    case C::TraitementDeTexte:
        TrTexte(*m_fiche, this);
        break;
    case C::Messages:
        MontreMessages(m_fiche->ficLoc(), this);
        break;
    case C::StatistiquesMois:
        Statistiques(*m_fiche, SorteStats::Mois, m_panneauAide, this);
        break;
    case C::StatistiquesLocataires:
        Statistiques(*m_fiche, SorteStats::Locataires, m_panneauAide, this);
        break;
    case C::StatistiquesLots:
        Statistiques(*m_fiche, SorteStats::Lots, m_panneauAide, this);
        break;
    case C::StatistiquesFournisseurs:
        Statistiques(*m_fiche, SorteStats::Fournisseurs, m_panneauAide, this);
        break;
    case C::JournalComptable:
        JournalComptable(*m_fiche, m_panneauAide, this);
        break;
    case C::AideIndex:
    case C::AideRechercher:
    case C::UtiliserAide:
        aide(choix);
        break;
    case C::APropos:
        aPropos();
        break;
    case C::ImprimerFiche:
    case C::ImprimerQuittance:
    case C::ImprimerAvis:
    case C::ImprimerRecu:
    case C::ImprimerCommande:
    case C::BoutonImprimer:
        ImprimeFiche(*m_fiche);
        break;
    case C::ImprimerListeLocataires:
        ImprimeListe(*m_fiche, ListeImprimee::Locataires);
        break;
    case C::ImprimerListeFournisseurs:
        ImprimeListe(*m_fiche, ListeImprimee::Fournisseurs);
        break;
    case C::ImprimerListeLots:
        ImprimeListe(*m_fiche, ListeImprimee::Lots);
        break;
    case C::EnveloppeCourante:
    case C::BoutonImprimerEnveloppe:
        ImprimeEnveloppe(*m_fiche);
        break;
    case C::MiseEnPage:
        MiseEnPage(*m_fiche);
        break;
    case C::ConfigurerImprimante:
        ConfigureImprimante();
        break;
    // The print submenu holds entries only; "Enveloppes..." has no action of its own. The
    // order selections are not available yet.
    case C::Imprimer:
    case C::ImprimerEnveloppes:
    case C::ToutesLesCommandes:
    case C::CommandesCodeFournisseur:
        break;
    }
}
