#pragma once

#include "core/printing/tcanevas.h"

#include <QList>

// What a layout drew, one stroke at a time.
struct TTrace {
    enum class Genre { Texte, Ligne, Rectangle, Remplissage };

    Genre genre = Genre::Texte;
    int page = 1;
    // A text: its box, from the top-left corner of its line, as wide and high as the text in
    // its font. A line: from its start (top-left) to its end (bottom-right). A rectangle: its
    // corners.
    QRect boite;
    QString texte;
    QString police;
    int taille = 0;
    bool gras = false;
    int epaisseur = 1;
    QColor couleur;

    QPoint de() const { return boite.topLeft(); }
    QPoint a() const { return boite.bottomRight(); }
};

// A canvas that keeps what is drawn instead of printing it, with fixed text measures: a text
// is half its font size wide per character and 1.15 times its size high. Layouts are tested
// on it without a printer.
class TCanevasEnregistre : public TCanevas {
public:
    TCanevasEnregistre(QSize pixels, QSize millimetres);
    // The printer of 600 dots per inch whose printable area measures 4800 x 6600 pixels and
    // 203 x 279 mm, upright; turned on its side for a landscape job.
    static TCanevasEnregistre imprimante600(TOrientation orientation = TOrientation::Portrait);

    QSize taillePixels() const override { return m_pixels; }
    QSize tailleMillimetres() const override { return m_millimetres; }
    void setPolice(const QString& nom, int taille, bool gras) override;
    void setEpaisseur(int pixels) override { m_epaisseur = pixels; }
    void ligne(QPoint de, QPoint a) override;
    void rectangle(const QRect& rectangle) override;
    void remplit(const QRect& rectangle, const QColor& couleur) override;
    void texte(QPoint coin, const QString& texte) override;
    int largeurTexte(const QString& texte) const override;
    int hauteurTexte(const QString& texte) const override;
    void nouvellePage() override { ++m_page; }

    const QList<TTrace>& traces() const { return m_traces; }
    // The texts drawn, in order; those of one page when `page` is given.
    QList<TTrace> textes(int page = 0) const;
    // The first text drawn that reads `texte`; null when none does.
    const TTrace* trouve(const QString& texte) const;
    int pages() const { return m_page; }
    // Every stroke on a line of its own, in a form fit for reference files.
    QString releve() const;

private:
    TTrace trace(TTrace::Genre genre, const QRect& boite) const;
    double pixelsParPoint() const;

    QSize m_pixels;
    QSize m_millimetres;
    QList<TTrace> m_traces;
    QString m_police;
    int m_taille = 10;
    bool m_gras = false;
    int m_epaisseur = 1;
    int m_page = 1;
};
