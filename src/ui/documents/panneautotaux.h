#pragma once

#include <QWidget>

class QBoxLayout;
class QLabel;
class QPushButton;
class TPageDocument;
struct TDescriptionDocument;

// The totals of a document page, as its kind has them: "TOTAL Euros" and "Francs" (and the
// amount in words where the kind gives it) beside the grid of a rent document; "Total H.T.",
// "Total TVA" and "TOTAL TTC" in euros and francs below the grid of an order. Then the status
// of the kinds that are validated, and the page's buttons. Each value is a label whose
// accessible name is its caption.
class TPanneauTotaux : public QWidget {
    Q_OBJECT

public:
    explicit TPanneauTotaux(const TDescriptionDocument& description, QWidget* parent = nullptr);

    // Puts a button after the others.
    void ajouteBouton(QPushButton* bouton);
    void afficheTotaux(const TPageDocument& page);
    void afficheStatut(const QString& statut);

private:
    void creeTotauxLoyer(const TDescriptionDocument& description);
    void creeTotauxTVA();
    QLabel* creeStatut();

    QLabel* m_totalHT = nullptr;
    QLabel* m_totalTVA = nullptr;
    QLabel* m_euros = nullptr;
    QLabel* m_francs = nullptr;
    QLabel* m_enLettres = nullptr;
    QLabel* m_statut = nullptr;
    QBoxLayout* m_boutons = nullptr;
    bool m_enLigne = false; // the buttons side by side, else one under the other
};
