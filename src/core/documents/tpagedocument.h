#pragma once

#include "cartelocataire.h"
#include "descriptiondocument.h"
#include "records/tcontextepage.h"
#include "store/tlistebase.h"
#include "store/tpage.h"
#include "tgrilledocument.h"

#include <QDate>
#include <QObject>
#include <QStringList>

#include <array>

class TPageEnregistrement;

// A rent document page (rent receipts, due notices, payment receipts) without its widgets:
// the header fields, the memo, the line grid and its totals, exactly as shown, with the
// page's store, read, numbering, totals and commands on its base. The kinds differ by their
// description only. Views bind to it: a user edit goes through a saisit... method, which
// raises the page's flag; a text that the dossier's files cannot hold is refused with its
// message and the field or cell keeps its text.
class TPageDocument : public QObject, public TPage {
    Q_OBJECT

public:
    // The widest designation a row takes.
    static constexpr int LongueurDesignation = 41;
    // The Rset width of the grid's amounts.
    static constexpr int AlignementMontant = 90;
    // Enter in the amount column goes on to the next row while fewer rows are in use.
    static constexpr int LignesAvance = 20;

    TPageDocument(const TDescriptionDocument& description, TListeBase& base,
                  const TContextePage& contexte, QObject* parent = nullptr);

    const TDescriptionDocument& description() const { return m_description; }
    bool modifie() const { return m_modifie; }

    QString champ(ChampDocument champ) const { return m_champs[int(champ)]; }
    // A date field's value.
    QDate date(ChampDocument champ) const;
    // The items a choice field offers: the payment modes, the kinds, the months.
    QStringList liste(ChampDocument champ) const;
    QStringList lignesMemo() const { return m_memo; }
    QString memo() const { return m_memo.join(u'\n'); }
    TGrilleDocument& grille() { return m_grille; }
    const TGrilleDocument& grille() const { return m_grille; }
    // The rows in use, counted from the first (LignesQtc and its kin): the rows written,
    // validated and printed.
    int lignes() const { return m_lignes; }
    bool validee() const { return champ(ChampDocument::Valide) == QLatin1String("Y"); }
    // "Quittance validée" or "Quittance non validée"; empty for the kinds without validation.
    QString statut() const;
    QString totalEuros() const { return m_totalEuros; }
    QString totalFrancs() const { return m_totalFrancs; }
    QString enLettres() const { return m_enLettres; }
    bool grilleActive() const { return m_grilleActive; }

    // User edits. A date field takes a date text; the month also sets the period, and a
    // month text whose year does not read stops with the date message, the period unchanged.
    // The number takes nine digits at most. The validated flag is not an edit.
    void saisitChamp(ChampDocument champ, const QString& texte);
    void saisitDate(ChampDocument champ, const QDate& date);
    void saisitMemo(const QString& texte);
    // A cell typed or pasted: line breaks and TABs become blanks, a designation keeps its first
    // 41 characters, an amount's full stops become commas and the totals are computed again.
    // A row beyond the rows in use brings them up to it.
    void saisitCellule(int ligne, int colonne, const QString& texte);
    // Enter (or Tab) in the amount column of `ligne`: the totals computed again, the rows in use
    // brought up to it. Gives the row to go on with, in the designation column.
    int finMontant(int ligne);
    // The grid takes and loses the focus: Supprimer ligne acts only while it has it.
    void entreGrille();
    void quitteGrille();
    // Supprimer ligne: the rows below `ligne` move up one.
    void SupLigne1(int ligne);

    // The next number of the base (Numeroq and its kin).
    int numero() const;
    // Whether the page holds a document worth storing (Valideq and its kin).
    bool estValide() const;
    // Formats the amounts and computes the totals (Calculeq and its kin).
    void Calcule();

    // "Créer": a new blank document under the next key, the page stored first.
    void Cree();
    // A new document for a tenant (NouvQtc, NouvEch, NouvRecu): its number and coordinates,
    // and for the receipts and notices the rent lines.
    void CreePour(const TCarteLocataire& carte);
    // The "..." beside the tenant number: that number, and when the tenant base has it, the
    // tenant's coordinates and (on a grid that is not frozen) rent lines.
    void choisitLocataire(const QString& numero, const TListeBase& locataires);
    // "Valider": freezes the document and posts "Loyer " + month and the total into the history
    // of the tenant whose number it carries, shown on the tenant page. A document that cannot
    // be stored is not validated. False when nothing was done.
    bool Valider(TPageEnregistrement& locataires);
    // Shows the document numbered `numero` under `tag` (the kind's own tag by default), the
    // page stored first; false, and nothing done, when there is none (ChercheQtc and its kin).
    bool Cherche(const QString& numero, const QString& tag = {});

    bool ecrit() override;
    void lit() override;
    void Copier() override;
    void Coller() override;

signals:
    // The whole page changed (a read, a new document, a paste): views refresh every widget.
    void relue();
    // One field changed without the user typing it (the period of a month).
    void champChange(ChampDocument champ);
    void totauxChange();
    // The document was validated: the status, "Valider" and the grid change.
    void validationChange();
    void grilleActiveChange(bool active);
    // A block of the dossier was stored.
    void stockee();

private:
    // The entry rules of a field or a cell, without raising the flag.
    void entre(ChampDocument champ, const QString& texte);
    void entreCellule(int ligne, int colonne, const QString& texte);
    void remplitSiVide(ChampDocument champ, const QString& texte);
    void remplitLignes(const TMontantsLoyer& montants);
    void setChamp(ChampDocument champ, const QString& texte) { m_champs[int(champ)] = texte; }
    void reinitialise();
    void setValidee(bool validee);

    const TDescriptionDocument& m_description;
    TListeBase& m_base;
    const TContextePage& m_contexte;
    std::array<QString, NbChampsDocument> m_champs;
    QStringList m_mois;
    QStringList m_memo;
    TGrilleDocument m_grille;
    QStringList m_pressePapiers;
    QString m_totalEuros;
    QString m_totalFrancs;
    QString m_enLettres;
    int m_lignes = 0;
    bool m_grilleActive = false;
    bool m_modifie = false;
};
