#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;

// The clock: the time and the date, ticking every second while the window is active. "Set"
// holds them still; the spin button then moves the field chosen, and "Set" again gives the
// time shown to the computer's clock.
class THorloge : public QDialog {
    Q_OBJECT

public:
    explicit THorloge(QWidget* parent = nullptr);

    bool reglageEnCours() const { return m_reglageEnCours; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* creeBoutonFleches();
    void tic();
    void regle();
    void tourne(int pas);

    QLabel* m_heure;
    QLabel* m_date;
    QTimer* m_timer;
    QButtonGroup* m_champs;
    QPushButton* m_set;
    bool m_reglageEnCours = false;
};
