#pragma once

#include "core/charges/soldetoutcompte.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;
class TFiche;

// "Solde de tout compte": the tenant's deposit, the deductions typed with their designation,
// his unpaid rents and the charges balance; the amount to return or to claim. The document is
// printed (through the preview) or written to a PDF file; "Valider" posts it into his history.
class TDialogueSolde : public QDialog {
    Q_OBJECT

public:
    TDialogueSolde(TFiche& fiche, const TSoldeToutCompte& solde, QWidget* parent = nullptr);

    QTableWidget* deductions() const { return m_deductions; }
    QCheckBox* conformes() const { return m_conformes; }
    QLabel* resultat() const { return m_resultat; }
    // The settlement with the deductions and the inventories as the dialog holds them.
    TSoldeToutCompte solde() const;

    void Imprime();
    void Pdf();
    void Valide();

private:
    void recalcule();

    TFiche& m_fiche;
    TSoldeToutCompte m_solde;
    QTableWidget* m_deductions;
    QCheckBox* m_conformes;
    QLabel* m_resultat;
};
