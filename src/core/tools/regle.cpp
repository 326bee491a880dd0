#include "core/tools/regle.h"

// Integer division truncates towards zero, like the conversions of the ruler.
namespace RegleTexte {

namespace {

int enPixels(int points) {
    return points * 4 / 3;
}

int enPoints(int pixels) {
    return pixels * 3 / 4;
}

} // namespace

int placePremiere(const TRetraits& r) {
    return enPixels(r.premiere) + 2;
}

int placeGauche(const TRetraits& r) {
    return enPixels(r.gauche + r.premiere) + 2;
}

int placeDroite(const TRetraits& r, int largeurRegle) {
    return largeurRegle - Gouttiere - enPixels(r.droite + Gouttiere);
}

int premiereDepuis(int place, int decalage) {
    return enPoints(place + decalage - Gouttiere);
}

int gaucheDepuis(int place, int decalage, int premiere) {
    return enPoints(place + decalage - Gouttiere) - premiere;
}

int droiteDepuis(int place, int decalage, int largeurRegle) {
    return enPoints(largeurRegle - place + decalage - 2) - 12;
}

} // namespace RegleTexte
