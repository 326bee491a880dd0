#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

// "Quittances du mois...": the month, and whether the receipts made are validated, written
// as one PDF and sent by e-mail.
class TDialogueQuittancesMois : public QDialog {
    Q_OBJECT

public:
    struct TChoix {
        QString mois;
        bool valider = false;
        bool pdf = false;
        bool courriel = false;
    };

    // The months offered, `courant` chosen when it is one of them.
    TDialogueQuittancesMois(const QStringList& mois, const QString& courant,
                            QWidget* parent = nullptr);
    TChoix Result() const;

private:
    QComboBox* m_mois;
    QCheckBox* m_valider;
    QCheckBox* m_pdf;
    QCheckBox* m_courriel;
};
