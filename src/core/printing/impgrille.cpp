#include "core/printing/impgrille.h"

#include "core/common/conversions.h"
#include "core/printing/coupure.h"

#include <algorithm>

namespace {

// The room between a text and the rules around it, in pixels.
constexpr int Marge = 10;

// One run of ImpGrille: its margins, column positions and current height.
class TImpressionGrille {
public:
    TImpressionGrille(TCanevas& canevas, const TGrilleImprimee& grille, const QString& entete,
                      const QDate& jour)
        : m_canevas(canevas), m_grille(grille), m_entete(entete),
          m_date(QStringLiteral("Imprimé le ") + DateToStr(jour)) {
        const QSize page = canevas.taillePixels();
        const int echelle = page.width() / std::max(grille.largeurControle, 1);
        canevas.setPolice(grille.police, grille.taille, false);
        m_hauteurLigne = canevas.hauteurTexte(m_date) * 3 / 2;
        m_gauche = page.width() / 25;
        m_haut = page.height() / 25;
        m_droite = page.width() - m_gauche;
        m_bas = page.height() - m_haut;
        int x = m_gauche;
        for (int c = 0; c < grille.largeurs.size(); ++c) {
            m_colonnes.append(x);
            x += grille.largeurs[c] * echelle;
        }
    }

    void imprime(int nbLignes) {
        enTete();
        for (int r = 1; r <= nbLignes; ++r) {
            rangee(r);
            // The next page only for a row to come: the last one never leaves a bare header.
            if (m_y >= m_bas && r < nbLignes) {
                filets();
                m_canevas.nouvellePage();
                enTete();
            }
        }
        filets();
    }

private:
    void enTete() {
        m_canevas.setPolice(m_grille.police, m_grille.taille, true);
        const int date = m_droite - m_canevas.largeurTexte(m_date);
        m_canevas.texte(QPoint(m_gauche, m_haut), ajuste(m_entete, date - Marge - m_gauche));
        m_canevas.texte(QPoint(date, m_haut), m_date);
        m_y = m_haut + m_hauteurLigne;
        m_canevas.remplit(QRect(QPoint(m_gauche, m_y), QPoint(m_droite, m_y + m_hauteurLigne)),
                          QColor(192, 192, 192));
        m_canevas.ligne(QPoint(m_gauche, m_y), QPoint(m_droite, m_y));
        rangee(0);
        m_canevas.setPolice(m_grille.police, m_grille.taille, false);
    }

    void rangee(int r) {
        const QStringList textes = m_grille.cellules.value(r);
        for (int c = 0; c < m_colonnes.size(); ++c) {
            const int fin = c + 1 < m_colonnes.size() ? m_colonnes[c + 1] : m_droite;
            m_canevas.texte(QPoint(m_colonnes[c] + Marge, m_y + Marge),
                            ajuste(textes.value(c), fin - m_colonnes[c] - 2 * Marge));
        }
        m_y += m_hauteurLigne;
        m_canevas.ligne(QPoint(m_gauche, m_y), QPoint(m_droite, m_y));
    }

    // A text within `largeur` pixels, shortened with "…" when it is wider.
    QString ajuste(const QString& texte, int largeur) const {
        return Raccourcit(texte, largeur,
                          [this](const QString& t) { return m_canevas.largeurTexte(t); });
    }

    // The vertical rules from the top of the header band down to the last row.
    void filets() {
        const int haut = m_haut + m_hauteurLigne;
        for (int x : m_colonnes)
            m_canevas.ligne(QPoint(x, haut), QPoint(x, m_y));
        m_canevas.ligne(QPoint(m_droite, haut), QPoint(m_droite, m_y));
    }

    TCanevas& m_canevas;
    const TGrilleImprimee& m_grille;
    const QString m_entete;
    const QString m_date;
    QList<int> m_colonnes;
    int m_hauteurLigne = 0;
    int m_gauche = 0;
    int m_haut = 0;
    int m_droite = 0;
    int m_bas = 0;
    int m_y = 0;
};

} // namespace

void ImpGrille(TCanevas& canevas, const TGrilleImprimee& grille, const QString& entete,
               int nbLignes, const QDate& jour) {
    TImpressionGrille(canevas, grille, entete, jour).imprime(nbLignes);
}

TTravailImpression travailGrille(const TGrilleImprimee& grille, const QString& titre,
                                 const QString& entete, int nbLignes, const QDate& jour) {
    return {titre, TOrientation::Portrait,
            [=](TCanevas& canevas) { ImpGrille(canevas, grille, entete, nbLignes, jour); }};
}
