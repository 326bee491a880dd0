#pragma once

#include "core/tools/regle.h"

#include <QWidget>

class TMarqueur;

// The ruler above the letter: a tick at every tab stop and the three indent markers of the
// paragraph at the caret, which the mouse drags. Dropping a marker gives the paragraph's new
// indents.
class TRegle : public QWidget {
    Q_OBJECT

public:
    explicit TRegle(QWidget* parent = nullptr);

    // Places the markers for the indents of the paragraph at the caret.
    void montre(const TRetraits& retraits);
    // Pixels from one tick to the next, as the letter's tab stops.
    void setPasTabulation(double pixels);

signals:
    void retraitsChoisis(const TRetraits& retraits);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void lache(TMarqueur* marqueur);

    TMarqueur* m_premiere;
    TMarqueur* m_gauche;
    TMarqueur* m_droite;
    TRetraits m_retraits;
    double m_pasTabulation = 80;
};
