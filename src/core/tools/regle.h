#pragma once

// The word processor's ruler: the indents of the paragraph at the caret, in points, placed as
// three markers, and the indents a dragged marker gives. A marker's place is its left edge in
// ruler pixels, 4/3 of a point; the text starts after a gutter of 6 pixels.

struct TRetraits {
    int premiere = 0; // where the first line starts
    int gauche = 0;   // where the other lines start, from the first line's start
    int droite = 0;   // from the right edge

    bool operator==(const TRetraits&) const = default;
};

namespace RegleTexte {

constexpr int Gouttiere = 6;
// A marker is 11 pixels wide; it is held by its middle, 5 pixels from its left edge, and at
// that offset a marker put back at its place gives back the same indent.
constexpr int LargeurMarqueur = 11;
constexpr int Decalage = LargeurMarqueur / 2;

int placePremiere(const TRetraits& r);
int placeGauche(const TRetraits& r);
int placeDroite(const TRetraits& r, int largeurRegle);

// The first-line indent of the marker dropped at `place` held at `decalage`.
int premiereDepuis(int place, int decalage);
// The other lines' indent of the marker dropped at `place`, from the first line's `premiere`.
int gaucheDepuis(int place, int decalage, int premiere);
int droiteDepuis(int place, int decalage, int largeurRegle);

} // namespace RegleTexte
