#pragma once

#include "core/charges/regularisation.h"
#include "core/gestion/ttableau.h"

#include <QDialog>

class QComboBox;
class QSpinBox;
class QTableView;
class TFiche;

// "Régularisation des charges": for a year and a lot, or every lot, the settlement of each
// tenant in a grid; the "Décompte de charges" of the tenants chosen printed (through the
// preview) or written to a PDF file, and "Reporter" of their balance to their next receipt.
class TDialogueRegularisation : public QDialog {
    Q_OBJECT

public:
    TDialogueRegularisation(TFiche& fiche, QWidget* parent = nullptr);

    QComboBox* lot() const { return m_lot; }
    QSpinBox* annee() const { return m_annee; }
    QTableView* vue() const { return m_vue; }
    const QList<TRegularisation>& resultats() const { return m_resultats; }

    void Calcule();
    // The tenants of the rows chosen, every row when none is.
    QList<TRegularisation> choisis() const;
    void Imprime();
    void Pdf();
    void Reporte();

private:
    TFiche& m_fiche;
    QComboBox* m_lot;
    QSpinBox* m_annee;
    QTableView* m_vue;
    TModeleTableau m_modele;
    QList<TRegularisation> m_resultats;
};
