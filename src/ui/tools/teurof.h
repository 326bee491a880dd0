#pragma once

#include "core/tools/teurocalc.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The franc/euro converter: an amount typed with its buttons or the keyboard, converted by
// "=" or Enter in the chosen direction, at a rate that the spin button moves by 0,00001.
class TEurof : public QDialog {
    Q_OBJECT

public:
    explicit TEurof(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* creeBoutonTaux();
    void montre();

    TEuroCalc m_calc;
    QLabel* m_entree;
    QLabel* m_resultat;
    QLineEdit* m_taux;
};
