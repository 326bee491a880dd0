#pragma once

#include "core/common/usererror.h"
#include "core/store/echange.h"

#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

// The progress of a long operation over a base (an import, an export): a window that shows
// itself only once the operation has gone on for a while, and lets the program repaint while it
// runs. It has no timer of its own: it appears only from the operation's progress, so never
// while nothing is being done, and it is gone before any message about the operation is shown.
// The hourglass cursor stands over the program until the operation ends. When the operation
// may be stopped, the window has the button "Annuler", and the progress it is told answers
// false once the button is pressed.
class TFenetreProgression {
public:
    TFenetreProgression(const QString& texte, QWidget* parent, bool annulable = false);
    ~TFenetreProgression();
    TFenetreProgression(const TFenetreProgression&) = delete;
    TFenetreProgression& operator=(const TFenetreProgression&) = delete;

    // Runs the operation, given what it calls as it goes (which answers whether to go on); a
    // UserError stops it, and its text is shown once the window is gone. True when the
    // operation ran to its end.
    template <typename Operation> bool execute(Operation&& operation);

private:
    bool avance(qsizetype fait, qsizetype total);
    void termine();
    static void message(const QString& texte);

    QString m_texte;
    QWidget* m_parent;
    bool m_annulable;
    std::unique_ptr<QProgressDialog> m_dialogue;
    QElapsedTimer m_depuis;
    QElapsedTimer m_affiche;
    bool m_curseur = false;
};

template <typename Operation> bool TFenetreProgression::execute(Operation&& operation) {
    try {
        operation([this](qsizetype fait, qsizetype total) { return avance(fait, total); });
        termine();
        return true;
    } catch (const UserError& erreur) {
        termine();
        message(erreur.message());
        return false;
    }
}
