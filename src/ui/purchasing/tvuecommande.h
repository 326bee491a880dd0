#pragma once

#include "purchasing/tpagecommande.h"
#include "records/tpagevue.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class TFiche;

// The widgets of the order page, bound to its page model: a user edit goes to the model, a
// change of the model refreshes the widgets. The totals and the status are labels whose
// accessible name is their caption.
class TVueCommande : public TPageVue {
    Q_OBJECT

public:
    explicit TVueCommande(TFiche& fiche, QWidget* parent = nullptr);

    QWidget* widgetChamp(ChampCommande champ) const { return m_widgets[int(champ)]; }
    QTableView* grille() const { return m_grille; }
    // Puts the focus on the supplier's name.
    void focusChamp() override;
    // Supprimer ligne: the grid's current row, while the grid has the focus.
    void SupLigne1() override;

private:
    QWidget* creeEntete();
    QWidget* creeCoordonnees();
    QWidget* creeGrille();
    QWidget* creeTotaux();
    QWidget* creeMemo();
    QWidget* creeChamp(ChampCommande champ);
    void saisit(ChampCommande champ, const QString& texte);
    void choisitFournisseur();
    void finLigne(int ligne);
    void affiche(ChampCommande champ);
    void afficheTout();
    void afficheTotaux();
    void afficheValidation();
    void focusChange(QWidget* maintenant);

    TFiche& m_fiche;
    TPageCommande& m_page;
    std::array<QWidget*, NbChampsCommande> m_widgets{};
    QRadioButton* m_ht = nullptr;
    QRadioButton* m_ttc = nullptr;
    QTableView* m_grille = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_totalHT = nullptr;
    QLabel* m_totalTVA = nullptr;
    QLabel* m_euros = nullptr;
    QLabel* m_francs = nullptr;
    QLabel* m_statut = nullptr;
    QPushButton* m_valider = nullptr;
    bool m_miseAJour = false;
};
