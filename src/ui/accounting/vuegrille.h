#pragma once

#include <QList>

class QLabel;
class QString;
class QTableView;
class TGrilleTexte;

// The read-only grid of a statistics or journal window: its columns as wide as given, no
// row header (column 0 numbers the rows), the window's font.
QTableView* creeVueGrille(TGrilleTexte* modele, const QList<int>& largeurs);

// The progress of a long run on a status-bar panel: each step's text is shown, and the
// window painted again now and then, so that it does not look frozen.
class QLabel;
class Progression {
public:
    explicit Progression(QLabel* panneau);
    ~Progression();
    Progression(const Progression&) = delete;
    Progression& operator=(const Progression&) = delete;
    void operator()(const QString& texte);

private:
    QLabel* m_panneau;
    qint64 m_dernier = -1;
};
