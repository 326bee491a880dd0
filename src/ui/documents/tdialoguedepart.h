#pragma once

#include <QDialog>
#include <array>

class QDateEdit;
class QLineEdit;
class TDepart;

// "Arrivée/départ du locataire": the rent, charges and taxes due for the days from "Du" to
// "au", computed again when either date or "Nb jours" is left. OK gives back the amounts shown.
class TDialogueDepart : public QDialog {
    Q_OBJECT

public:
    explicit TDialogueDepart(TDepart& depart, QWidget* parent = nullptr);

private:
    void calcule();
    void affiche();

    TDepart& m_depart;
    QDateEdit* m_du;
    QDateEdit* m_au;
    QLineEdit* m_jours;
    std::array<QLineEdit*, 3> m_montants{};
};
