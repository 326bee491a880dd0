#pragma once

#include "core/printing/tcanevas.h"

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

    // The smallest font a text is made to fit in, in points.
    static constexpr int TailleMin = 6;

    void police(int taille, bool gras = false);
    void epaisseur(int pixels);
    void texte(int x, int y, const QString& texte);
    // A text that ends at x.
    void texteDroite(int x, int y, const QString& texte);
    // A text on one line of at most `largeur` mm from x: as it is when it fits; otherwise in a
    // smaller font, down to TailleMin, and shortened with "…" if it still does not fit. The
    // font is the same after.
    void texteDans(int x, int y, int largeur, const QString& texte);
    // The same from x pixels, within `largeur` pixels.
    void texteDansPixels(int x, int y, int largeur, const QString& texte);
    // The same for a text that ends at x.
    void texteDroiteDans(int x, int y, int largeur, const QString& texte);
    // The printable width, in pixels.
    int largeurPixels() const { return m_canevas.taillePixels().width(); }
    // A text wrapped at its blanks into lines of at most `largeur` mm, `pas` mm apart from y:
    // as many as it needs up to `nbLignes`, in a smaller font when more would be needed, the
    // last line shortened with "…" if even TailleMin does not hold it.
    void paragraphe(int x, int y, int largeur, int pas, int nbLignes, const QString& texte);
    // The lines of `lignes`, each wrapped into lines of at most `largeur` mm in the current
    // font, in order.
    QStringList coupe(const QStringList& lignes, int largeur) const;
    void ligne(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void nouvellePage();

private:
    // The size, down to TailleMin, at which `texte` holds in `pixels` on `nbLignes` lines,
    // and those lines; shortened with "…" at TailleMin when nothing holds it.
    QStringList ajuste(const QString& texte, int pixels, int nbLignes);

    TCanevas& m_canevas;
    int m_taille = 10;
    bool m_gras = false;
    int m_pixelsParMmH;
    int m_pixelsParMmV;
};
