#include "tfeuille.h"

#include <algorithm>

namespace {

// A printable area reported without millimetres counts as one millimetre, not as a division
// by zero.
int pixelsParMm(int pixels, int millimetres) {
    return pixels / std::max(millimetres, 1);
}

} // namespace

TFeuille::TFeuille(TCanevas& canevas)
    : m_canevas(canevas), m_pixelsParMmH(pixelsParMm(canevas.taillePixels().width(),
                                                     canevas.tailleMillimetres().width())),
      m_pixelsParMmV(
          pixelsParMm(canevas.taillePixels().height(), canevas.tailleMillimetres().height())) {}

bool TFeuille::sousLeBas(int y) const {
    return Mv(y) > m_canevas.taillePixels().height() - Mv(20);
}

bool TFeuille::tient(int y) const {
    return Mv(y) + m_canevas.hauteurTexte(QString()) <= m_canevas.taillePixels().height();
}

void TFeuille::police(int taille, bool gras) {
    m_canevas.setPolice(Police, taille, gras);
}

void TFeuille::epaisseur(int pixels) {
    m_canevas.setEpaisseur(pixels);
}

void TFeuille::texte(int x, int y, const QString& texte) {
    m_canevas.texte(QPoint(Mh(x), Mv(y)), texte);
}

void TFeuille::texteDroite(int x, int y, const QString& texte) {
    m_canevas.texte(QPoint(Mh(x) - m_canevas.largeurTexte(texte), Mv(y)), texte);
}

void TFeuille::ligne(int x1, int y1, int x2, int y2) {
    m_canevas.ligne(QPoint(Mh(x1), Mv(y1)), QPoint(Mh(x2), Mv(y2)));
}

void TFeuille::rectangle(int x1, int y1, int x2, int y2) {
    m_canevas.rectangle(QRect(QPoint(Mh(x1), Mv(y1)), QPoint(Mh(x2), Mv(y2))));
}

void TFeuille::nouvellePage() {
    m_canevas.nouvellePage();
}
