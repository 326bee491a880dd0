#include "core/printing/tfeuille.h"

#include "core/printing/coupure.h"

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
    m_taille = taille;
    m_gras = gras;
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

QStringList TFeuille::ajuste(const QString& texte, int pixels, int nbLignes) {
    const TMesureTexte mesure = [this](const QString& t) { return m_canevas.largeurTexte(t); };
    QStringList lignes;
    for (int taille = m_taille; taille >= std::min(TailleMin, m_taille); --taille) {
        m_canevas.setPolice(Police, taille, m_gras);
        lignes = CoupeTexte(texte, pixels, mesure);
        if (lignes.size() <= nbLignes)
            return lignes;
    }
    // Even the smallest font needs more lines: the last one says that the text goes on.
    const QString reste = lignes.mid(nbLignes - 1).join(u' ');
    lignes.resize(nbLignes);
    lignes.last() = Raccourcit(reste, pixels, mesure);
    return lignes;
}

void TFeuille::texteDans(int x, int y, int largeur, const QString& texte) {
    texteDansPixels(Mh(x), y, Mh(largeur), texte);
}

void TFeuille::texteDansPixels(int x, int y, int largeur, const QString& texte) {
    m_canevas.texte(QPoint(x, Mv(y)), ajuste(texte, largeur, 1).value(0));
    police(m_taille, m_gras);
}

void TFeuille::texteDroiteDans(int x, int y, int largeur, const QString& texte) {
    const QString ajuste = this->ajuste(texte, Mh(largeur), 1).value(0);
    m_canevas.texte(QPoint(Mh(x) - m_canevas.largeurTexte(ajuste), Mv(y)), ajuste);
    police(m_taille, m_gras);
}

void TFeuille::paragraphe(int x, int y, int largeur, int pas, int nbLignes, const QString& texte) {
    const QStringList lignes = ajuste(texte, Mh(largeur), std::max(nbLignes, 1));
    for (int i = 0; i < lignes.size(); ++i)
        m_canevas.texte(QPoint(Mh(x), Mv(y + pas * i)), lignes[i]);
    police(m_taille, m_gras);
}

QStringList TFeuille::coupe(const QStringList& lignes, int largeur) const {
    const TMesureTexte mesure = [this](const QString& t) { return m_canevas.largeurTexte(t); };
    QStringList coupees;
    for (const QString& ligne : lignes)
        coupees.append(CoupeTexte(ligne, Mh(largeur), mesure));
    return coupees;
}
