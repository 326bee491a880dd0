#pragma once

#include "core/accounting/journal.h"

#include <QDialog>

class QDateEdit;
class QTableView;
class TGrilleTexte;

// "Journal des Achats / Ventes": the journal lines of a period, printed or exported.
class TCompta : public QDialog {
    Q_OBJECT

public:
    explicit TCompta(QWidget* parent = nullptr);
    // Keeps the lines, opens the period on the first and last lines' dates (the day's date
    // when there is none) and fills the grid.
    void Init(const QList<TLigneJournal>& lignes);
    // Fills the grid with the lines of the period shown ("OK").
    void Remplit();

    const TGrilleTexte& grille() const { return *m_grille; }
    QTableView* vue() const { return m_vue; }
    QDateEdit* du() const { return m_du; }
    QDateEdit* au() const { return m_au; }
    // The print button: the rows shown, titled with the day's date.
    void Imprime();
    // The export button: the rows shown, into the file chosen, as a tab file or as the
    // accounting entries file of the tax office, "|" or TAB separated, by the filter chosen.
    void Exporte();

private:
    QList<TLigneJournal> m_lignes;
    QList<TLigneJournal> m_affichees;
    TGrilleTexte* m_grille;
    QTableView* m_vue;
    QDateEdit* m_du;
    QDateEdit* m_au;
};
