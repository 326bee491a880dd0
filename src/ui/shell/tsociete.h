#pragma once

#include "core/app/treglages.h"

#include <QDialog>
#include <array>

class QLineEdit;

// "Société": the eight lines of the owner's header printed at the top of documents. The
// eighth, the logo picture, has no visible field.
class TSociete : public QDialog {
    Q_OBJECT

public:
    explicit TSociete(QWidget* parent = nullptr);

    void Init(const LignesProprio& lignes);
    // The eight texts when the dialog was closed with "OK", else an empty name.
    LignesProprio Result() const;

private:
    void valide();
    void choisitLogo();

    std::array<QLineEdit*, 8> m_edits{};
};
