#pragma once

#include "core/tools/tpocketcalc.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QPushButton;

// The pocket calculator: four operations, reciprocal and square root, typed with its buttons
// or the keyboard. A failing step shows the runtime's message and changes nothing.
class TPocket : public QDialog {
    Q_OBJECT

public:
    explicit TPocket(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* ajouteBouton(const QString& legende, const QString& nom);
    void presse(const QString& bouton);

    TPocketCalc m_calc;
    QLabel* m_affichage;
    QHash<QString, QPushButton*> m_boutons;
};
