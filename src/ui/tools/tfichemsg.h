#pragma once

#include "core/tools/messages.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// The telephone-message pad of the open dossier: one card per message, paged with "<" and
// ">" (or Page Up and Page Down), added with "+", deleted with "-". The messages are saved
// beside the dossier when the window closes.
class TFicheMsg : public QDialog {
    Q_OBJECT

public:
    explicit TFicheMsg(QWidget* parent = nullptr);

    // Reads the messages of the dossier; closing the window saves them there. False, the
    // message shown, when the file is there but cannot be read: the window is not to be shown,
    // so that closing it never replaces that file.
    bool Charge(const QString& dossier);

    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    QWidget* creePanneau();
    QWidget* creeBandeau();
    TMessage carte() const;
    // Shows the current message (LitFiche) and puts the caret in "Pour".
    void LitFiche();
    // Stores the card, then moves; a card the file cannot hold stays on screen.
    void deplace(void (TListeMessages::*mouvement)());

    TListeMessages m_liste;
    QString m_dossier;
    std::array<QLineEdit*, TMessage::NbChamps> m_champs{};
    std::array<QCheckBox*, TMessage::NbCases> m_cases{};
    QLabel* m_numero = nullptr;
};
