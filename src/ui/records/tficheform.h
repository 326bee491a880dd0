#pragma once

#include "core/store/bases.h"

#include <QWidget>
#include <array>

class QStackedWidget;
class TFiche;
class TPageVue;
struct TMontantsLoyer;

// The record window: the seven pages of the dossier, one per base, of which one is on screen.
// The pages have no tabs; commands switch them. Page Up, Page Down, Ctrl+Home, Ctrl+End and F2
// act on the page on screen wherever the focus stands in the window, and are consumed.
class TFicheForm : public QWidget {
    Q_OBJECT

public:
    explicit TFicheForm(TFiche& fiche, QWidget* parent = nullptr);

    // Puts the view of a base's page in place of the one it had; the window takes it.
    void installePage(Base base, TPageVue* vue);
    TPageVue* vue(Base base) const { return m_vues[indexOf(base)]; }
    // The page on screen.
    TPageVue* vueVisible() const;

    // Makes the page of `base` the one on screen (the page left is stored, the page shown read
    // again) and focuses its field.
    void Montre(Base base);
    // The moves, the new record, the deletion, copy and paste and the pick list, on the page
    // on screen.
    void Premier();
    void Precedent();
    void Suivant();
    void Dernier();
    void Ajout();
    void Supprime();
    void Copier();
    void Coller();
    void Liste();
    // Nouvelle quittance, Nouvelle échéance, Nouveau reçu: the page of `base` with a new
    // document for the tenant on the card.
    void NouveauDocument(Base base);
    // Chercher quittance, avis, reçu: asks the number and shows that document of `base`.
    void ChercheDocument(Base base);
    // The receipt of an arrival or departure for the tenant on the card.
    void Arrivee(const TMontantsLoyer& montants);
    // Supprimer ligne on the document or order page on screen.
    void SupLigne1();
    // Nouvelle commande: the order page with a new order for the supplier on the card.
    void NouvelleCommande();
    // Chercher commande: asks the number and shows that order.
    void ChercheCommande();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Runs an operation of the record window's dossier, then focuses the page on screen.
    template <typename Operation> void agit(Operation&& operation);
    bool touche(int touche, Qt::KeyboardModifiers modificateurs, bool executer);

    TFiche& m_fiche;
    QStackedWidget* m_pages;
    std::array<TPageVue*, NbBases> m_vues{};
};
