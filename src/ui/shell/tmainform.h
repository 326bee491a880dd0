#pragma once

#include "core/app/actions.h"
#include "core/app/ensembles.h"
#include "core/store/bases.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QActionGroup;
class QLabel;
class QMenu;
class QTimer;
class TAide;
class TFiche;
class TFicheForm;
class TVerrou;

// The application's frame: the menus, the toolbar, the status bar with its clock, and the
// record window as its only child. It owns the path of the open dossier and the start-up
// directory; every command goes to the record window, to a dialog, or is a file command.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TFiche& fiche() { return *m_fiche; }
    TFicheForm& ficheForm() { return *m_ficheForm; }
    // The entry of the menus or the button of the toolbar that carries a command.
    QAction* action(Action choix) const { return m_actions[static_cast<int>(choix)]; }

    QString dossierPath() const { return m_dossierPath; }
    QString startDir() const { return m_startDir; }
    // The help window, made at its first use.
    TAide& fenetreAide();

    // The file commands. Save and Save as tell whether the dossier was written.
    void Nouveau();
    void Ouvrir();
    bool Enregistrer();
    bool EnregistrerSous();
    // The dossier named on the command line: the first showing opens it, in place of the
    // dossier of the auto-open setting.
    void setDossierDemarrage(const QString& chemin) { m_dossierDemarrage = chemin; }
    // Puts one of the dated copies of the open dossier back in its place, after asking.
    void RestaurerSauvegarde();

    // The size of the first showing on a screen `largeurEcran` pixels wide.
    void tailleInitiale(int largeurEcran);

protected:
    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creeActions();
    void creeMenus();
    void creeBarreOutils();
    void creeBarreEtat();
    // Every action triggers `lance` with its command.
    void relieCommandes();
    void lance(Action choix);
    QMenu* menu(const QString& titre, int contexteAide);
    void ajoute(QMenu* menu, std::initializer_list<Action> choix);
    void groupeSelection(std::initializer_list<Action> entrees);

    void applique(const QList<EtatAction>& ensemble);
    // The dossier-open set and the tenants-page set, after every new, open or import.
    void appliqueEnsemblesDossier();
    // A page switch of the menu or the toolbar, with the page's enabling set.
    void changePage(Base base);
    // A new document for the tenant on the card, then the enabling set of its page.
    void nouveauDocument(Base base);
    // Arrivée/départ: the dialog on the tenant of the card, then a receipt for the days due;
    // none when the dialog is cancelled.
    void arriveeDepart();
    void SetSel(Base base, int mode);
    void confirmeSuppression(const QString& question);
    // The auto-open setting follows the check mark of "Ouvrir automatiquement"; the dossier
    // path becomes the record window's main file.
    void noteOuvertureAutomatique();

    // Asks whether to save the changes; false when the user chose "Annuler" or the save
    // did not happen.
    bool questionModif();
    bool sauve(const QString& path);
    // Before the open dossier's files are written over: when another program changed them on
    // disk since they were read, asks whether to replace them; false when not.
    bool confirmeRemplacement(const QString& path);
    // Opens the dossier chosen or named, the open one kept when it cannot be.
    void ouvreDossier(const QString& chemin);
    // Opens `dossier` under its lock, or read-only when another program holds it and the
    // user agrees; false, the open dossier kept, when it is not opened.
    bool chargeDossier(const QString& dossier);
    // Takes the lock of `dossier`; when it cannot be had, offers to open the dossier read-only
    // (`lectureSeule` then raised). False when the dossier is not to be opened.
    bool reserve(TVerrou& verrou, const QString& dossier, bool& lectureSeule);
    // The first showing of the window: the start-up directory and the first size.
    void premiereApparition();
    // The window closes, its unsaved changes dealt with.
    void fermeture();
    // "&Index", "&Rechercher..." and "&Utiliser l'aide".
    void aide(Action choix);
    // F1 in an open menu shows the page of its help context.
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void aPropos();
    void metAJourTitre();
    void metAJourHorloge();

    TFiche* m_fiche;
    TFicheForm* m_ficheForm;
    std::array<QAction*, NbCommandes> m_actions{};
    QLabel* m_panneauAide;
    QLabel* m_panneauHeure;
    QTimer* m_horloge;
    QString m_startDir;
    QString m_dossierPath;
    QString m_dossierDemarrage;
    // The lock of the open dossier; none when it is opened read-only or has no file.
    std::unique_ptr<TVerrou> m_verrou;
    TAide* m_aide = nullptr;
    bool m_dejaMontree = false;
};
