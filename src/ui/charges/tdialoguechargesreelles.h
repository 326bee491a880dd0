#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;
class QTableWidget;
class TFiche;

// "Charges réelles": for a lot and a year, the amount of each category of the real charges.
// The categories of the list come first; a category typed in an empty row is kept too.
class TDialogueChargesReelles : public QDialog {
    Q_OBJECT

public:
    TDialogueChargesReelles(TFiche& fiche, QWidget* parent = nullptr);

    QComboBox* lot() const { return m_lot; }
    QSpinBox* annee() const { return m_annee; }
    QTableWidget* grille() const { return m_grille; }
    // "Enregistrer": the amounts of the lot and year into the dossier.
    bool Enregistre();

private:
    void relit();
    QString numeroLot() const;

    TFiche& m_fiche;
    QComboBox* m_lot;
    QSpinBox* m_annee;
    QTableWidget* m_grille;
};
