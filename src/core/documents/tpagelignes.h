#pragma once

#include "core/documents/tgrilledocument.h"
#include "core/records/tcontextepage.h"
#include "core/store/tlistebase.h"
#include "core/store/tpage.h"

#include <QObject>
#include <QStringList>

// What the document pages share, rent documents and purchase orders alike: a numbered
// document per block of a base, its line grid with the rows in use, its memo, the grid's
// focus, the computation of the totals and the moves that make a new document. A user edit
// goes through a saisit... method, which raises the page's flag; a text that the dossier's
// files cannot hold is refused with its message and the field or cell keeps its text.
class TPageLignes : public QObject, public TPage {
    Q_OBJECT

public:
    // Enter in the grid goes on to the next row while fewer rows are in use.
    static constexpr int LignesAvance = 20;

    bool modifie() const { return m_modifie; }
    TGrilleDocument& grille() { return m_grille; }
    const TGrilleDocument& grille() const { return m_grille; }
    // The rows in use, counted from the first: the rows written, validated and printed.
    int lignes() const { return m_lignes; }
    QStringList lignesMemo() const { return m_memo; }
    QString memo() const { return m_memo.join(u'\n'); }
    bool grilleActive() const { return m_grilleActive; }

    void saisitMemo(const QString& texte);
    // A cell typed or pasted, as its column takes it; a row beyond the rows in use brings them
    // up to it.
    void saisitCellule(int ligne, int colonne, const QString& texte);
    // Enter (and for some columns Tab) ending the input of a row: the totals computed again,
    // the rows in use brought up to it. Gives the row to go on with, in the first column.
    int finLigne(int ligne);
    // The grid takes and loses the focus: Supprimer ligne acts only while it has it.
    void entreGrille();
    void quitteGrille();
    // Supprimer ligne: the rows below `ligne` move up one.
    void SupLigne1(int ligne);

    // The next number of the base; the conversion message when a stored number is not whole.
    virtual int numero() const = 0;
    // Why the page's document is not worth storing, as the end of a sentence ("aucune ligne
    // n'a de désignation"); empty when it is.
    virtual QString raisonInvalide() const = 0;
    // Whether the page holds a document worth storing.
    bool estValide() const { return raisonInvalide().isEmpty(); }
    // Formats the cells and computes the totals.
    virtual void Calcule() = 0;
    // "Créer": a new blank document under the next key, the page stored first.
    void Cree();

    // The grid rows a block's tagged lines hold: the lines under `tagLigne` long enough to be
    // a row, in order, each cut into `colonnes` cells.
    static QList<QStringList> lignesDuBloc(const QList<TLigneTag>& tags, const QString& tagLigne,
                                           int colonnes);

signals:
    // The whole page changed (a read, a new document, a paste): views refresh every widget.
    void relue();
    void totauxChange();
    // The document was validated: the status, "Valider" and the grid change.
    void validationChange();
    void grilleActiveChange(bool active);
    // A block of the dossier was stored.
    void stockee();

protected:
    TPageLignes(TListeBase& base, const TContextePage& contexte, QList<TColonneGrille> colonnes,
                QString tagLigne, bool avecMemo, QObject* parent);

    // A typed number: nine digits at most, blanks around it dropped.
    static QString numeroSaisi(const QString& texte);
    // A cell as the grid takes it, refused when the block could not hold its row.
    void entreCellule(int ligne, int colonne, const QString& texte);
    // What a cell typed into a column does besides; nothing by default.
    virtual void celluleSaisie(int colonne);
    // What ending a row does before the totals are computed; nothing by default.
    virtual void avantCalcul(int ligne);
    // Empties the grid and the memo.
    void videLignes();
    // The grid's rows and the memo of a block read: its tagged lines, in order.
    void litLignes(const QList<TLigneTag>& tags);
    // The block's lines of the rows in use and of the memo, after the header.
    QStringList lignesBloc() const;
    // The number a new document gets, or an empty text when the base's numbers do not convert:
    // the message waits until a new number is needed.
    QString numeroPropose() const;
    // A user edit: the page is to be stored, and what the user typed is not to be lost.
    void saisi() {
        m_modifie = true;
        m_saisi = true;
    }
    // Whether the page is to be stored: false when nothing changed. A document that is not
    // worth storing is not stored: silently when the user typed nothing into it since it was
    // read or made, otherwise the command stops with EditionNonEnregistree, whose giving up
    // clears the flag.
    bool aEnregistrer();
    // "Valider" on a document not worth storing stops with the reason.
    void verifieValidable() const;
    // Ends a read: the grid frozen as the document is, the totals, the flags cleared.
    void finLecture(bool figee);
    // Stores the body into the block shown, which moves to the end of the base.
    void stocke(const QStringList& corps);

    TListeBase& m_base;
    const TContextePage& m_contexte;
    TGrilleDocument m_grille;
    QStringList m_memo;
    QStringList m_pressePapiers;
    int m_lignes = 0;
    bool m_modifie = false;
    bool m_saisi = false;

private:
    QString m_tagLigne;
    bool m_avecMemo;
    bool m_grilleActive = false;
};
