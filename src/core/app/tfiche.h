#pragma once

#include "core/accounting/parametres.h"
#include "core/app/treglages.h"
#include "core/common/signaturefichier.h"
#include "core/documents/cartelocataire.h"
#include "core/records/recherches.h"
#include "core/records/tcontextepage.h"
#include "core/records/tpageenregistrement.h"
#include "core/store/bases.h"
#include "core/store/echange.h"
#include "core/store/navigation.h"
#include "core/store/selections.h"
#include "core/store/tlistebase.h"
#include "core/store/tpage.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

// The record window without its widgets: it owns the seven bases of the open dossier, their
// pages, its extra files and the dossier-wide state, and loads and saves the dossier's files.
class AtomicFileSet;
class TPageCommande;
class TPageDocument;

class TFiche : public QObject {
    Q_OBJECT

public:
    explicit TFiche(QObject* parent = nullptr);
    ~TFiche() override;

    TListeBase& base(Base b) { return m_bases[indexOf(b)]; }
    const TListeBase& base(Base b) const { return m_bases[indexOf(b)]; }
    // An extra file of the dossier, in the same block format. Whoever changes it marks the
    // dossier modified (SetSauve).
    TListeBase& annexe(Annexe a) { return m_annexes[indexOf(a)]; }
    const TListeBase& annexe(Annexe a) const { return m_annexes[indexOf(a)]; }

    // The page that shows a base, made from its description when the record window is; none
    // for a base whose page has no model. setPage puts another page in its place.
    void setPage(Base b, TPage* page) { m_pages[indexOf(b)] = page; }
    TPage* page(Base b) const { return m_pages[indexOf(b)]; }
    // The same page when it is a record card (tenants, suppliers, lots), else none.
    TPageEnregistrement* pageFiche(Base b) const;
    // The same page when it shows rent documents (receipts, notices, payment receipts), else
    // none. Whatever such a page stores marks the dossier modified.
    TPageDocument* pageDocument(Base b) const;
    // The order page. Whatever it stores marks the dossier modified.
    TPageCommande* pageCommande() const;

    Base pageActive() const { return m_pageActive; }
    void setPageActive(Base b);
    // Shows the page of a base: the page left is stored, the page shown is read again.
    void AffichePage(Base b);

    // The amount format and the text measure of the window's font, shared by the pages.
    TContextePage& contexte() { return m_contexte; }
    // The tenant number of the record that a receipt or notice page shows (its third line).
    QString locataireAffiche(Base b) const;
    // Refills the "N° lot" list of the tenant page from the lot base, stored first.
    void InitLots();
    // Copy and paste of the identity fields of the card on screen.
    void Copier();
    void Coller();

    // The main file's path (FicLoc) and the companion paths derived from it.
    QString ficLoc() const { return m_fichiers[indexOf(Base::Locataires)]; }
    QString fichier(Base b) const { return m_fichiers[indexOf(b)]; }
    QString fichier(Annexe a) const { return m_fichiers[fichierOf(a)]; }
    // The window title: the file name part of the dossier's path.
    QString titre() const { return m_titre; }

    bool dossierModifie() const { return m_dossierModifie; }
    void SetSauve() { m_dossierModifie = true; }

    // The dossier in memory as a long command finds it (the bases, their current keys and
    // whether the dossier was changed), to be put back when the command is cancelled.
    struct TEtatDossier {
        std::array<TListeBase, NbBases> bases;
        std::array<TListeBase, NbAnnexes> annexes;
        bool modifie = false;
    };
    TEtatDossier etatDossier() const { return {m_bases, m_annexes, m_dossierModifie}; }
    // Puts it back and reads every page again.
    void retablit(const TEtatDossier& etat);

    TSelections& selections() { return m_selections; }
    const TSelections& selections() const { return m_selections; }

    TReglages& reglages() { return m_reglages; }
    const TReglages& reglages() const { return m_reglages; }

    // The settings files of the start-up directory, read once at start and written once at
    // close. GetIni gives the main path, which holds the last dossier after ChargeIni.
    void ChargeSoc(const QString& repertoire);
    void ChargeIni(const QString& repertoire);
    void ChargeCombo(const QString& repertoire);
    // Gives back the warning of a dossier path that could not be kept, or an empty text.
    QString SauveIni(const QString& repertoire, const QString& path);
    void SauveSoc(const QString& repertoire);
    void SauveCombo(const QString& repertoire);
    TEtatIni GetIni() const;
    void SetIni(bool autoOuvrir);
    // The owner lines returned by the owner dialog; an empty name leaves them as they were.
    void SetProprio(const LignesProprio& lignes);
    void SetListe(ListeValeurs liste, const QStringList& valeurs);

    void Nouveau();
    // Opens the dossier; `lectureSeule` when another program holds it: a save that stopped
    // part-way is then left to that program, and the dossier is never written over.
    void Charge(const QString& path, bool lectureSeule = false);
    // Writes the files of the dossier (the seven bases, then the extra files) as one set; the files
    // it replaces are kept as a dated copy. A dossier opened read-only is never written over: only
    // saved under another name.
    void Sauve(const QString& path);
    bool lectureSeule() const { return m_lectureSeule; }
    // The files of the open dossier that changed on disk since it read or wrote them (another
    // program, a synchronisation tool): appeared, gone, rewritten or replaced.
    QStringList fichiersChanges() const;
    // Puts a dated copy (its main file) back in place of the open dossier's files, keeping
    // those as a copy in turn, and opens the dossier again.
    void Restaure(const QString& copie);
    // Finishes or undoes a save of the dossier that stopped part-way; nothing when none did.
    static void RepareDossier(const QString& principal);
    static QString journalDe(const QString& principal);
    void Synchro();
    // The main path and the companion paths derived from it (the six other bases, then the
    // extra files), existing names resolved without regard to letter case; all empty when the
    // main path is.
    static std::array<QString, NbFichiers> cheminsDossier(const QString& principal);
    // Stores the page of every base, then tells whether the dossier differs from its files.
    bool TestModif();

    // Stores the page of a base into it when the page was edited.
    void EcritPage(Base b);
    // The moves on the page on screen: store it, go to the new key, read it.
    void Deplace(Mouvement mouvement);
    void Premier() { Deplace(Mouvement::Premier); }
    void Precedent() { Deplace(Mouvement::Precedent); }
    void Suivant() { Deplace(Mouvement::Suivant); }
    void Dernier() { Deplace(Mouvement::Dernier); }
    // A new record on the tenant, supplier or lot page on screen; it becomes a block of the
    // base only when its page is stored, so that keys stay dense.
    void Ajout();
    // Deletes the record on screen and shows the one that takes its key.
    void Supprime();
    // Whether the page on screen offers its pick list: a tenant, supplier or lot page whose
    // base holds more than 20 lines.
    bool listeDisponible() const;
    // Shows the record of `key` picked from the list, when its base has such a key. The page
    // is not stored first: the list drops the edits not yet stored.
    void AfficheChoix(int key);

    // A search on the page on screen, which is stored first: the first record, in the order
    // of the base, whose field begins with `debut` is shown; "Fiche ... non trouvée" when none
    // is. Nothing on a page the search does not act on, nor for an empty `debut`.
    void Cherche(Recherche recherche, const QString& debut);
    // The base of the page on screen, stored first, sorted on the criterion of rank `critere`;
    // the page then shows the record now at its current key. Nothing on a page the sort does
    // not act on, nor for a criterion out of range (-1: none chosen).
    void Trie(Tri tri, int critere);
    // Importer (ImportTxt, ImportCsv): the records of a ".txt" or ".csv" file appended to the
    // base of the tenant or supplier page on screen, which then moves to its last record.
    Echange::TBilan Importe(const QString& chemin, const TProgression& progression = {});
    // Exporter (ExportTxt, ExportCsv): the address of every record of the tenant or supplier
    // page's base, written as one set to the file (Echange::cheminExport).
    void Exporte(const QString& chemin, const TProgression& progression = {});

    // The tenant card as the tenant page shows it, edits not stored included.
    TCarteLocataire carteLocataire() const;
    // Nouvelle quittance, Nouvelle échéance, Nouveau reçu (NouvQtc, NouvEch, NouvRecu): shows
    // the page of `b` with a new document for the tenant on the card.
    void NouvDocument(Base b);
    // The "..." beside the tenant number on the page of `b`: the tenant page is stored first,
    // so that the document takes the card's last edits.
    void ChoisitLocataire(Base b, const QString& numero);
    // "Valider" on the receipt page; false when nothing was done.
    bool ValideQuittance();
    // Shows on the tenant page the tenant numbered `numero` (LitLoc); false when none is.
    bool LitLoc(const QString& numero);
    // Arrivée/départ once the dialog closed: a new receipt for the tenant on the card with the
    // rent, charges and taxes given back; an empty rent (the dialog cancelled) makes none.
    void Arrivee(const TMontantsLoyer& montants);

    // Nouvelle commande (NouvCmd): shows the order page with a new order for the supplier on
    // the supplier card.
    void NouvCmd();
    // The "..." beside the supplier code: the supplier page is stored first, so that the order
    // takes the card's last edits.
    void ChoisitFournisseur(const QString& code);
    // "Valider" on the order page; false when nothing was done.
    bool ValideCommande();

    // The order parameters and the account numbers, as their dialogs show them and give them
    // back (Parc, Compte). The parameters set the amount format from the decimals.
    TParametresCommandes parametresCommandes() const;
    void Parc(const TParametresCommandes& parametres);
    Comptes comptes() const;
    void Compte(const Comptes& comptes);

signals:
    void titreChange(const QString& titre);
    void pageActiveChange(Base page);
    void listeValeursChange(ListeValeurs liste);

private:
    void setTitre(const QString& path);
    // Writes the files of rank `fichier` in the order of a save.
    void ecritDossier(const std::array<QString, NbFichiers>& fichiers,
                      const std::function<void(AtomicFileSet&, int fichier)>& contenu);
    // Every list of the dossier by the rank of its file.
    TListeBase& liste(int fichier);
    void relitPages();
    void noteSignatures();
    // Throws UserError when `path` is the dossier opened read-only.
    void refuseLectureSeule(const QString& path) const;
    // Offers a value list in the choice fields of the pages that take it.
    void appliqueListe(ListeValeurs liste);

    std::array<TListeBase, NbBases> m_bases;
    std::array<TListeBase, NbAnnexes> m_annexes;
    TContextePage m_contexte;
    std::array<std::unique_ptr<TPage>, NbBases> m_pagesCreees;
    std::array<TPage*, NbBases> m_pages{};
    std::array<QString, NbFichiers> m_fichiers;
    TSelections m_selections;
    TReglages m_reglages;
    QString m_titre;
    Base m_pageActive = Base::Locataires;
    bool m_dossierModifie = false;
    bool m_lectureSeule = false;
    std::array<SignatureFichier, NbFichiers> m_signatures{};
};
