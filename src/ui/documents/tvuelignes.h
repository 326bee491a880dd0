#pragma once

#include "ui/records/tpagevue.h"

class QPlainTextEdit;
class QTableView;
class TPageLignes;

// What the views of the document pages share, rent documents and orders alike: the line grid
// with the keys its columns declare, the grid's focus told to the page, the memo, and
// Supprimer ligne on the grid's current row.
class TVueLignes : public TPageVue {
    Q_OBJECT

public:
    QTableView* grille() const { return m_grille; }
    void SupLigne1() override;

protected:
    TVueLignes(TPageLignes& page, QWidget* parent);

    // The view of the page's grid; the key that ends a row moves on to the row the page gives.
    QTableView* creeGrille();
    // The memo captioned `libelle`, its edits handed to the page.
    QWidget* creeMemo(const QString& libelle);
    // Shows the page's memo again.
    void afficheMemo();

    // Set while the view writes into its widgets, so that nothing goes back to the page.
    bool m_miseAJour = false;

private:
    void finLigne(int ligne);
    void focusChange(QWidget* maintenant);

    TPageLignes& m_lignes;
    QTableView* m_grille = nullptr;
    QPlainTextEdit* m_memo = nullptr;
};
