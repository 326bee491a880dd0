#pragma once

#include <QWidget>

// One indent marker of the ruler: a small triangle, pointing down on the top row (first line)
// or up on the bottom row (other lines, right edge). The mouse drags it along the ruler; it
// is held by its middle.
class TMarqueur : public QWidget {
    Q_OBJECT

public:
    enum class Pointe { Bas, Haut };

    TMarqueur(Pointe pointe, const QString& nom, const QString& libelle, QWidget* regle);

    // Where the mouse holds the marker (DecalageDrag), from its left edge.
    int decalage() const { return m_decalage; }

signals:
    void lache();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void glisse(int x);

    Pointe m_pointe;
    int m_decalage = 0;
    bool m_enDrag = false;
};
