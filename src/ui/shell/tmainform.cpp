#include "ui/shell/tmainform.h"

#include "core/app/aide.h"
#include "core/app/cheminsdossier.h"
#include "core/app/sauvegardes.h"
#include "core/app/tfiche.h"
#include "core/app/verrou.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "core/documents/tpagedocument.h"
#include "core/records/lot.h"
#include "ui/common/questions.h"
#include "ui/records/tficheform.h"
#include "ui/shell/parametres.h"
#include "ui/shell/tabout.h"
#include "ui/shell/taide.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), m_fiche(new TFiche(this)), m_ficheForm(new TFicheForm(*m_fiche)) {
    // Amounts are written with a decimal comma and dates as dd/mm/yyyy.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    setCentralWidget(m_ficheForm);
    creeActions();
    creeMenus();
    creeBarreOutils();
    creeBarreEtat();
    relieCommandes();
    // Supprimer ligne acts while the line grid of a document page has the focus.
    for (Base base : ToutesLesBases)
        if (TPageDocument* document = m_fiche->pageDocument(base))
            connect(document, &TPageDocument::grilleActiveChange,
                    action(Action::LocationSupprimerLigne), &QAction::setEnabled);
    connect(m_fiche, &TFiche::titreChange, this, &TMainForm::metAJourTitre);
    metAJourTitre();
    // F1 shows the help page of the window on screen.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { fenetreAide().montre(Aide::pageBase(m_fiche->pageActive())); });
}

TMainForm::~TMainForm() = default;

void TMainForm::metAJourTitre() {
    // The record window fills the frame, so its title, the dossier's file name, shows in the
    // frame's caption, and whether it is only read.
    const QString dossier = m_fiche->titre();
    const QString mode = m_fiche->lectureSeule() ? QStringLiteral(" (lecture seule)") : QString();
    setWindowTitle(dossier.isEmpty() ? QStringLiteral("Tarvinel")
                                     : QStringLiteral("Tarvinel - [%1]%2").arg(dossier, mode));
}

void TMainForm::metAJourHorloge() {
    m_panneauHeure->setText(Clock::now().time().toString(QStringLiteral("HH:mm:ss")));
}

bool TMainForm::event(QEvent* evenement) {
    // The hints show as tooltips; the status bar keeps its two panels, so a hint never takes
    // their place.
    if (evenement->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(evenement);
}

void TMainForm::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    if (m_dejaMontree)
        return;
    m_dejaMontree = true;
    premiereApparition();
}

void TMainForm::premiereApparition() {
    m_startDir = QDir::currentPath();
    if (const QScreen* ecran = screen())
        tailleInitiale(ecran->geometry().width());
    ChargeReglages(*m_fiche, m_startDir);
    const TEtatIni ini = m_fiche->GetIni();
    m_dossierPath = ini.chemin;
    const Action modes[] = {Action::TousLesLocataires, Action::CodePostalLocataires,
                            Action::VilleLocataires, Action::LocatairesActuels};
    if (ini.modeSelLoc >= 1 && ini.modeSelLoc <= 4)
        action(modes[ini.modeSelLoc - 1])->setChecked(true);
    action(Action::OuvrirAutomatiquement)->setChecked(ini.autoOuvrir);
    if (!m_dossierDemarrage.isEmpty()) {
        ouvreDossier(QFileInfo(m_dossierDemarrage).absoluteFilePath());
        return;
    }
    if (!ini.autoOuvrir)
        return;
    // A dossier that is no longer where it was is reported, not shown empty under its name.
    m_dossierPath = resolveFileName(m_dossierPath);
    if (chargeDossier(m_dossierPath))
        appliqueEnsemblesDossier();
}

bool TMainForm::reserve(TVerrou& verrou, const QString& dossier, bool& lectureSeule) {
    QString raison;
    try {
        if (verrou.prend(dossier))
            return true;
        const std::optional<TDetenteur> detenteur = TVerrou::detenteur(dossier);
        raison =
            QStringLiteral("Le dossier %1 est déjà ouvert par %2.")
                .arg(QFileInfo(dossier).fileName(),
                     detenteur ? detenteur->description() : QStringLiteral("un autre programme"));
    } catch (const UserError& erreur) {
        raison = erreur.message() + QStringLiteral(" : le dossier ne peut pas être réservé.");
    }
    lectureSeule =
        Questions::instance().okAnnuler(raison + QStringLiteral(" L'ouvrir en lecture seule ?"));
    return lectureSeule;
}

bool TMainForm::chargeDossier(const QString& dossier) {
    // A dossier that is not there is not locked: only a save stopped part-way may bring it.
    const auto absent = [&] {
        if (TextFile::exists(dossier))
            return false;
        Questions::instance().message(QStringLiteral("Le fichier n'existe pas"));
        return true;
    };
    if (!QFileInfo::exists(TFiche::journalDe(dossier)) && absent())
        return false;
    auto verrou = std::make_unique<TVerrou>();
    bool lectureSeule = false;
    if (!reserve(*verrou, dossier, lectureSeule))
        return false;
    // A save that stopped part-way is finished by the program that holds the dossier.
    if (!lectureSeule && !execute([&] { TFiche::RepareDossier(dossier); }))
        return false;
    if (absent())
        return false;
    if (!execute([&] { m_fiche->Charge(dossier, lectureSeule); }))
        return false;
    if (lectureSeule)
        verrou.reset();
    m_verrou = std::move(verrou);
    metAJourTitre();
    return true;
}

void TMainForm::tailleInitiale(int largeurEcran) {
    if (largeurEcran > 800) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resize(800, 600);
        if (const QScreen* ecran = screen())
            move(ecran->availableGeometry().center() - rect().center());
    } else {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TMainForm::resizeEvent(QResizeEvent* evenement) {
    QMainWindow::resizeEvent(evenement);
    m_panneauAide->setFixedWidth(qMax(0, width() - 100));
}

void TMainForm::closeEvent(QCloseEvent* evenement) {
    if (!questionModif()) {
        evenement->ignore();
        return;
    }
    fermeture();
    evenement->accept();
}

void TMainForm::fermeture() {
    m_verrou.reset();
    // The settings files live in the start-up directory; they were read at the first showing.
    if (m_startDir.isEmpty())
        return;
    QDir::setCurrent(m_startDir);
    SauveReglages(*m_fiche, m_startDir, m_dossierPath);
}

void TMainForm::applique(const QList<EtatAction>& ensemble) {
    for (const EtatAction& etat : ensemble)
        action(etat.action)->setEnabled(etat.actif);
}

void TMainForm::appliqueEnsemblesDossier() {
    applique(ensembleDossierOuvert());
    applique(ensemblePage(Base::Locataires));
}

void TMainForm::changePage(Base base) {
    // A page that could not be left stays on screen with its own enabling set.
    m_ficheForm->Montre(base);
    applique(ensemblePage(m_fiche->pageActive()));
}

void TMainForm::SetSel(Base base, int mode) {
    TSelections& selections = m_fiche->selections();
    std::optional<QString> reponse;
    if (const auto demande =
            demandeSelection(base, mode, selections, m_fiche->locataireAffiche(base)))
        reponse =
            demande->reponse(Questions::instance().entree(*demande->saisie, demande->initial));
    // The lots by type: the chooser offers the lot types, opened on the type on screen.
    if (base == Base::Lots && mode == 2)
        reponse = Questions::instance().typeLot(m_fiche->reglages().liste(ListeValeurs::TypesLots),
                                                m_fiche->pageFiche(Base::Lots)->champ(Lot::Type));
    ::SetSel(selections, base, mode, reponse);
    m_ficheForm->Premier();
}

void TMainForm::confirmeSuppression(const QString& question) {
    if (Questions::instance().okAnnuler(question))
        m_ficheForm->Supprime();
}

void TMainForm::noteOuvertureAutomatique() {
    m_dossierPath = m_fiche->GetIni().chemin;
    m_fiche->SetIni(action(Action::OuvrirAutomatiquement)->isChecked());
}

bool TMainForm::sauve(const QString& path) {
    // Edits still on screen are stored first, so that none is left out of the files.
    bool modifie = false;
    if (!execute([&] { modifie = m_fiche->TestModif(); }))
        return false;
    if (modifie && !m_fiche->lectureSeule() && !confirmeRemplacement(path))
        return false;
    return execute([&] { m_fiche->Sauve(path); });
}

bool TMainForm::confirmeRemplacement(const QString& path) {
    if (m_fiche->ficLoc().isEmpty() ||
        QFileInfo(path).absoluteFilePath() != QFileInfo(m_fiche->ficLoc()).absoluteFilePath())
        return true;
    QStringList noms;
    for (const QString& fichier : m_fiche->fichiersChanges())
        noms.append(QFileInfo(fichier).fileName());
    return noms.isEmpty() ||
           Questions::instance().okAnnuler(
               QStringLiteral("Les fichiers %1 du dossier ont été modifiés sur le disque par un "
                              "autre programme depuis qu'ils ont été lus. Les remplacer par le "
                              "dossier affiché ?")
                   .arg(noms.join(QStringLiteral(", "))));
}

bool TMainForm::questionModif() {
    bool modifie = false;
    if (!execute([&] { modifie = m_fiche->TestModif(); }))
        return false;
    if (!modifie)
        return true;
    const QString nom = QFileInfo(m_dossierPath).fileName();
    switch (Questions::instance().ouiNonAnnuler(
        QStringLiteral("Enregistrer changements dans %1 ?").arg(nom))) {
    case Questions::Reponse::Oui:
        // A dossier that has no file yet is given a name first, and so is one only read.
        return m_dossierPath.isEmpty() || m_fiche->lectureSeule() ? EnregistrerSous()
                                                                  : sauve(m_dossierPath);
    case Questions::Reponse::Non:
        return true;
    case Questions::Reponse::Annuler:
        break;
    }
    return false;
}

void TMainForm::Nouveau() {
    if (!questionModif())
        return;
    m_dossierPath.clear();
    m_verrou.reset();
    m_fiche->Nouveau();
    metAJourTitre();
    appliqueEnsemblesDossier();
    action(Action::TousLesLocataires)->trigger();
}

void TMainForm::Ouvrir() {
    if (!questionModif())
        return;
    Questions& questions = Questions::instance();
    const QString chemin = questions.fichierAOuvrir(QStringLiteral("Fichier locataires (*.loc)"));
    if (!chemin.isEmpty())
        ouvreDossier(chemin);
}

void TMainForm::ouvreDossier(const QString& chemin) {
    Questions& questions = Questions::instance();
    if (!estFichierLoc(chemin)) {
        m_dossierPath.clear();
        questions.message(QStringLiteral("Type de fichier non valide"));
        return;
    }
    // The open dossier keeps its path when the chosen one cannot be loaded, so that its
    // changes are never saved under another name.
    const QString dossier = resolveFileName(chemin);
    if (!chargeDossier(dossier))
        return;
    m_dossierPath = dossier;
    appliqueEnsemblesDossier();
    m_ficheForm->Montre(Base::Locataires);
    action(Action::TousLesLocataires)->trigger();
}

bool TMainForm::Enregistrer() {
    if (!TextFile::exists(resolveFileName(m_dossierPath)))
        m_dossierPath.clear();
    if (m_dossierPath.isEmpty())
        return EnregistrerSous();
    m_dossierPath = resolveFileName(avecExtensionLoc(m_dossierPath));
    return sauve(m_dossierPath);
}

bool TMainForm::EnregistrerSous() {
    // A Save as given up leaves the dossier under its own name, so that the next Save never
    // writes over the file that was only looked at.
    Questions& questions = Questions::instance();
    const QString chemin = questions.fichierAEnregistrer(QStringLiteral("Tous les fichiers (*)"),
                                                         QStringLiteral("*.loc"));
    if (chemin.isEmpty())
        return false;
    const QString choisi = resolveFileName(avecExtensionLoc(chemin));
    if (TextFile::exists(choisi) && !questions.confirmeRemplacement())
        return false;
    // Another dossier is written only under its own lock, never over one another program holds.
    std::unique_ptr<TVerrou> verrou;
    const bool memeDossier = m_verrou && QFileInfo(choisi).absoluteFilePath() ==
                                             QFileInfo(m_verrou->principal()).absoluteFilePath();
    if (!memeDossier) {
        verrou = std::make_unique<TVerrou>();
        bool pris = false;
        if (!execute([&] { pris = verrou->prend(choisi); }))
            return false;
        if (!pris) {
            const std::optional<TDetenteur> detenteur = TVerrou::detenteur(choisi);
            questions.message(QStringLiteral("Le dossier %1 est ouvert par %2 : il ne peut pas "
                                             "être remplacé.")
                                  .arg(QFileInfo(choisi).fileName(),
                                       detenteur ? detenteur->description()
                                                 : QStringLiteral("un autre programme")));
            return false;
        }
    } else if (!confirmeRemplacement(choisi)) {
        return false;
    }
    const bool fait = execute([&] {
        m_fiche->TestModif();
        m_fiche->SetSauve();
        m_fiche->Sauve(choisi);
    });
    if (fait) {
        m_dossierPath = choisi;
        if (verrou)
            m_verrou = std::move(verrou);
        metAJourTitre();
    }
    return fait;
}

void TMainForm::RestaurerSauvegarde() {
    // Changes not yet saved are dealt with first: the list then shows every copy there is.
    if (!questionModif())
        return;
    Questions& questions = Questions::instance();
    const QString dossier = resolveFileName(m_dossierPath);
    const QList<Sauvegardes::TSauvegarde> copies =
        dossier.isEmpty() ? QList<Sauvegardes::TSauvegarde>() : Sauvegardes::liste(dossier);
    if (copies.isEmpty()) {
        questions.message(QStringLiteral("Aucune sauvegarde de ce dossier"));
        return;
    }
    QStringList elements;
    for (const Sauvegardes::TSauvegarde& copie : copies)
        elements.append(copie.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
                        QStringLiteral(" — ") + Sauvegardes::resume(copie));
    const std::optional<int> choisie = questions.choix(
        QStringLiteral("Restaurer une sauvegarde"),
        QStringLiteral("Sauvegardes de %1 :").arg(QFileInfo(dossier).fileName()), elements);
    if (!choisie)
        return;
    const Sauvegardes::TSauvegarde& copie = copies[*choisie];
    if (!questions.okAnnuler(
            QStringLiteral("Remplacer le dossier %1 par sa sauvegarde du %2 à %3 ? Le dossier "
                           "actuel sera lui-même gardé en sauvegarde.")
                .arg(QFileInfo(dossier).fileName(),
                     copie.date.toString(QStringLiteral("dd/MM/yyyy")),
                     copie.date.toString(QStringLiteral("HH:mm:ss")))))
        return;
    if (execute([&] { m_fiche->Restaure(copie.dossier); })) {
        appliqueEnsemblesDossier();
        action(Action::TousLesLocataires)->trigger();
    }
}

TAide& TMainForm::fenetreAide() {
    if (!m_aide)
        m_aide = new TAide(this);
    return *m_aide;
}

void TMainForm::aide(Action choix) {
    if (choix == Action::AideRechercher)
        fenetreAide().recherche();
    else
        fenetreAide().montre(choix == Action::UtiliserAide ? Aide::UtiliserAide : Aide::Sommaire);
}

bool TMainForm::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1) {
        if (auto* m = qobject_cast<QMenu*>(objet)) {
            m->close();
            fenetreAide().montre(Aide::pageContexte(m->property("contexteAide").toInt()));
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TMainForm::aPropos() {
    TAbout boite(m_dossierPath, m_startDir, this);
    boite.exec();
}
