#pragma once

#include "core/purchasing/tpagecommande.h"
#include "ui/documents/tvuelignes.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class TFiche;

// The widgets of the order page, bound to its page model: a user edit goes to the model, a
// change of the model refreshes the widgets. The totals and the status are labels whose
// accessible name is their caption.
class TVueCommande : public TVueLignes {
    Q_OBJECT

public:
    explicit TVueCommande(TFiche& fiche, QWidget* parent = nullptr);

    QWidget* widgetChamp(ChampCommande champ) const { return m_widgets[int(champ)]; }
    // Puts the focus on the supplier's name.
    void focusChamp() override;

private:
    QWidget* creeEntete();
    QWidget* creeCoordonnees();
    QWidget* creeGrilleCommande();
    QWidget* creeTotaux();
    QWidget* creeChamp(ChampCommande champ);
    void saisit(ChampCommande champ, const QString& texte);
    void choisitFournisseur();
    void affiche(ChampCommande champ);
    void afficheTout();
    void afficheTotaux();
    void afficheValidation();

    TFiche& m_fiche;
    TPageCommande& m_page;
    std::array<QWidget*, NbChampsCommande> m_widgets{};
    QRadioButton* m_ht = nullptr;
    QRadioButton* m_ttc = nullptr;
    QLabel* m_totalHT = nullptr;
    QLabel* m_totalTVA = nullptr;
    QLabel* m_euros = nullptr;
    QLabel* m_francs = nullptr;
    QLabel* m_statut = nullptr;
    QPushButton* m_valider = nullptr;
};
