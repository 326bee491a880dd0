#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

// The surface a printed layout draws on: a printer's page, a PDF page, or a recording for
// the tests. Positions are printer pixels from the top-left corner of the printable area; a
// text is placed by the top-left corner of its line.
class TCanevas {
public:
    virtual ~TCanevas() = default;

    // The printable area, in pixels and in whole millimetres.
    virtual QSize taillePixels() const = 0;
    virtual QSize tailleMillimetres() const = 0;

    // The font of the texts that follow; the size is in points.
    virtual void setPolice(const QString& nom, int taille, bool gras) = 0;
    // The width in pixels of the lines and rectangles that follow.
    virtual void setEpaisseur(int pixels) = 0;

    virtual void ligne(QPoint de, QPoint a) = 0;
    // The outline of a rectangle.
    virtual void rectangle(const QRect& rectangle) = 0;
    // A rectangle painted in one colour, without outline.
    virtual void remplit(const QRect& rectangle, const QColor& couleur) = 0;
    virtual void texte(QPoint coin, const QString& texte) = 0;

    // The size of a text in the current font, in pixels.
    virtual int largeurTexte(const QString& texte) const = 0;
    virtual int hauteurTexte(const QString& texte) const = 0;

    virtual void nouvellePage() = 0;
};

// How the paper lies for a job.
enum class TOrientation { Portrait, Paysage };

// One print job: its title for the print queue, how the paper lies, and what it draws. The
// drawing holds its own copy of what it prints, so that a preview may draw it again.
struct TTravailImpression {
    QString titre;
    TOrientation orientation = TOrientation::Portrait;
    std::function<void(TCanevas&)> dessine;
};
