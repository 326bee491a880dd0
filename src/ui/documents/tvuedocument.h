#pragma once

#include "core/documents/descriptiondocument.h"
#include "ui/documents/tvuelignes.h"

#include <array>

class QLabel;
class QPushButton;
class TFiche;
class TPageDocument;

// The widgets of a rent document page (receipt, due notice, payment receipt), built from the
// kind's description and bound to its page model: a user edit goes to the model, a change of
// the model refreshes the widgets. The totals, the status and the amount in words are labels
// whose accessible name is their caption.
class TVueDocument : public TVueLignes {
    Q_OBJECT

public:
    TVueDocument(TFiche& fiche, Base base, QWidget* parent = nullptr);

    QWidget* widgetChamp(ChampDocument champ) const { return m_widgets[int(champ)]; }
    // Puts the focus on the first coordinate line.
    void focusChamp() override;

private:
    QWidget* creeChamp(const TChampDocument& champ);
    QWidget* creeGrilleDocument();
    QWidget* creeTotaux();
    // A user edit of a field, handed to the page; a refused one shows the page's text again.
    void saisit(ChampDocument champ, const QString& texte);
    void choisitLocataire();
    void affiche(ChampDocument champ);
    void afficheTout();
    void afficheTotaux();
    void afficheValidation();

    TFiche& m_fiche;
    Base m_base;
    TPageDocument& m_page;
    std::array<QWidget*, NbChampsDocument> m_widgets{};
    QLabel* m_euros = nullptr;
    QLabel* m_francs = nullptr;
    QLabel* m_enLettres = nullptr;
    QLabel* m_statut = nullptr;
    QPushButton* m_valider = nullptr;
};
