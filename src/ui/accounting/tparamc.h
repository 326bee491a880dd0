#pragma once

#include "core/accounting/parametres.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QSpinBox;

// "Paramètres de la commande": the three VAT rates, the decimals of amounts and five payment
// conditions. Enter in a rate closes the dialog as "OK" does; a rate that does not read keeps
// the dialog open with its message.
class TParamc : public QDialog {
    Q_OBJECT

public:
    explicit TParamc(QWidget* parent = nullptr);

    QLineEdit* taux(int i) const { return m_taux[i]; }
    QSpinBox* decimales() const { return m_decimales; }
    QLineEdit* condition(int i) const { return m_conditions[i]; }

    void Init(const TParametresCommandes& parametres);
    // The parameters when the dialog was closed with "OK"; nothing after "Annuler".
    std::optional<TParametresCommandes> Result() const { return m_resultat; }

    void accept() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::array<QLineEdit*, 3> m_taux{};
    QSpinBox* m_decimales = nullptr;
    std::array<QLineEdit*, NbConditions> m_conditions{};
    std::optional<TParametresCommandes> m_resultat;
};
