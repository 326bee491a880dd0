#pragma once

#include "core/accounting/parametres.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;

// "Comptes": the six account numbers of the journal. Each number is completed or cut to six
// characters on leaving its field.
class TComptes : public QDialog {
    Q_OBJECT

public:
    explicit TComptes(QWidget* parent = nullptr);

    static QString libelle(int compte);
    QLineEdit* edit(int compte) const { return m_edits[compte]; }

    void Init(const Comptes& comptes);
    // The six numbers when the dialog was closed with "OK"; nothing after "Annuler".
    std::optional<Comptes> Result() const;

    // "OK" from the keyboard leaves the field being typed into, as a click would.
    void accept() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::array<QLineEdit*, 6> m_edits{};
};
