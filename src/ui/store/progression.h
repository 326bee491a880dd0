#pragma once

#include "store/echange.h"

#include <QElapsedTimer>
#include <QProgressDialog>

// The progress of a long operation over a base (an import, an export): a window that shows
// itself only when the operation lasts, and lets the program repaint while it runs. The
// hourglass cursor stands over the program until the window is gone.
class TFenetreProgression {
public:
    TFenetreProgression(const QString& texte, QWidget* parent);
    ~TFenetreProgression();
    TFenetreProgression(const TFenetreProgression&) = delete;
    TFenetreProgression& operator=(const TFenetreProgression&) = delete;

    // What the operation calls as it goes.
    TProgression progression();

private:
    void avance(qsizetype fait, qsizetype total);

    QProgressDialog m_dialogue;
    QElapsedTimer m_depuis;
};
