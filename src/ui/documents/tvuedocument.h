#pragma once

#include "core/documents/descriptiondocument.h"
#include "ui/documents/tvuelignes.h"

#include <array>

class QPushButton;
class QRadioButton;
class TFiche;
class TPageDocument;
class TPanneauTotaux;

// The widgets of a document page (receipt, due notice, payment receipt, order), built from the
// kind's description and bound to its page model: a user edit goes to the model, a change of
// the model refreshes the widgets.
class TVueDocument : public TVueLignes {
    Q_OBJECT

public:
    TVueDocument(TFiche& fiche, Base base, QWidget* parent = nullptr);

    QWidget* widgetChamp(ChampDocument champ) const { return m_widgets[int(champ)]; }
    // Puts the focus on the first coordinate line.
    void focusChamp() override;

private:
    QWidget* creeChamp(const TChampDocument& champ);
    QWidget* creeChoixTiers();
    QLayout* creeModesPrix();
    QWidget* creeGrilleDocument();
    TPanneauTotaux* creeTotaux();
    // A user edit of a field, handed to the page; a refused one shows the page's text again.
    void saisit(ChampDocument champ, const QString& texte);
    void choisitTiers();
    void affiche(ChampDocument champ);
    void afficheTout();
    void afficheValidation();

    TFiche& m_fiche;
    Base m_base;
    TPageDocument& m_page;
    std::array<QWidget*, NbChampsDocument> m_widgets{};
    TPanneauTotaux* m_totaux = nullptr;
    QPushButton* m_valider = nullptr;
    QRadioButton* m_ht = nullptr;
    QRadioButton* m_ttc = nullptr;
};
