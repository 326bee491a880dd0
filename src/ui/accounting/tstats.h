#pragma once

#include "core/accounting/descriptionstats.h"

#include <QDialog>

class QTableView;
class TCumul;
class TGrilleTexte;

// A statistics window, for one of the four kinds: the totals in a grid, a print button, a
// chart button and "Fermer". Its object name is the kind's class name (TStatsV, TStatsC,
// TStatsL, TStatsF).
class TStats : public QDialog {
    Q_OBJECT

public:
    explicit TStats(SorteStats sorte, QWidget* parent = nullptr);
    // Fills the grid from the cumulation, right-aligning the amounts in the window's font.
    void Init(const TCumul& cumul);

    const TGrilleTexte& grille() const { return *m_grille; }
    QTableView* vue() const { return m_vue; }
    // The print button: the rows filled, under the title of the kind and the day's date.
    void Imprime();
    // The chart button: the amounts from the first row down to the first empty one.
    void Graphique();

private:
    const TDescriptionStats& m_description;
    TGrilleTexte* m_grille;
    QTableView* m_vue;
};
