#pragma once

#include <QDialog>

class QPlainTextEdit;

// The notepad: one page of free text for the whole program, kept in its file from one run to
// the next. The file is written when the window closes, only when the text was changed.
class TBlocnotes : public QDialog {
    Q_OBJECT

public:
    explicit TBlocnotes(QWidget* parent = nullptr);

    // Reads the page from the file at `chemin`, where closing writes it back. False, the
    // message shown, when the file is there but cannot be read: the window is not to be shown,
    // so that closing it never replaces that file.
    bool Charge(const QString& chemin);
    void Imprimer();

    void done(int resultat) override;

private:
    QPlainTextEdit* m_memo;
    QString m_chemin;
};
