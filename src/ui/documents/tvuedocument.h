#pragma once

#include "documents/descriptiondocument.h"
#include "records/tpagevue.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TFiche;
class TPageDocument;

// The widgets of a rent document page (receipt, due notice, payment receipt), built from the
// kind's description and bound to its page model: a user edit goes to the model, a change of
// the model refreshes the widgets. The totals, the status and the amount in words are labels
// whose accessible name is their caption.
class TVueDocument : public TPageVue {
    Q_OBJECT

public:
    TVueDocument(TFiche& fiche, Base base, QWidget* parent = nullptr);

    QWidget* widgetChamp(ChampDocument champ) const { return m_widgets[int(champ)]; }
    QTableView* grille() const { return m_grille; }
    // Puts the focus on the first coordinate line.
    void focusChamp() override;
    // Supprimer ligne: the grid's current row, while the grid has the focus.
    void SupLigne1() override;

private:
    QWidget* creeChamp(const TChampDocument& champ);
    QWidget* creeGrille();
    QWidget* creeTotaux();
    QWidget* creeMemo();
    // A user edit of a field, handed to the page; a refused one shows the page's text again.
    void saisit(ChampDocument champ, const QString& texte);
    void choisitLocataire();
    void finMontant(int ligne);
    void affiche(ChampDocument champ);
    void afficheTout();
    void afficheTotaux();
    void afficheValidation();
    void focusChange(QWidget* maintenant);

    TFiche& m_fiche;
    Base m_base;
    TPageDocument& m_page;
    std::array<QWidget*, NbChampsDocument> m_widgets{};
    QTableView* m_grille = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_euros = nullptr;
    QLabel* m_francs = nullptr;
    QLabel* m_enLettres = nullptr;
    QLabel* m_statut = nullptr;
    QPushButton* m_valider = nullptr;
    bool m_miseAJour = false;
};
