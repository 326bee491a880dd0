#pragma once

#include "tcanevas.h"

#include <QString>

// A page of a canvas measured in whole millimetres from the top-left corner of its printable
// area. Mh and Mv turn millimetres into printer pixels with the whole number of pixels per
// millimetre of the printable area (23 on a 600-dpi printer, not 23.6); Mv places every line
// 3 mm lower. Texts are in "Arial".
class TFeuille {
public:
    static inline const QString Police = QStringLiteral("Arial");

    explicit TFeuille(TCanevas& canevas);

    TCanevas& canevas() { return m_canevas; }
    int Mh(int x) const { return m_pixelsParMmH * x; }
    int Mv(int y) const { return m_pixelsParMmV * (y + 3); }
    // Whether a line at y mm stands below the last line of a page of lists: beyond the
    // printable height less Mv(20).
    bool sousLeBas(int y) const;
    // Whether a line of text at y mm, in the current font, ends within the printable height.
    bool tient(int y) const;

    void police(int taille, bool gras = false);
    void epaisseur(int pixels);
    void texte(int x, int y, const QString& texte);
    // A text that ends at x.
    void texteDroite(int x, int y, const QString& texte);
    void ligne(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void nouvellePage();

private:
    TCanevas& m_canevas;
    int m_pixelsParMmH;
    int m_pixelsParMmV;
};
