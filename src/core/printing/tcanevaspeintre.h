#pragma once

#include "core/printing/tcanevas.h"

class QPagedPaintDevice;
class QPainter;

// The canvas of a paged device, a printer or a PDF file, painted with a painter already begun
// on it. The printable area is the device's own; the names of the fonts are resolved by the
// system, "Arial" to its metric-compatible family where Arial itself is not installed.
class TCanevasPeintre : public TCanevas {
public:
    TCanevasPeintre(QPainter& peintre, QPagedPaintDevice& support);

    QSize taillePixels() const override;
    QSize tailleMillimetres() const override;
    void setPolice(const QString& nom, int taille, bool gras) override;
    void setEpaisseur(int pixels) override;
    void ligne(QPoint de, QPoint a) override;
    void rectangle(const QRect& rectangle) override;
    void remplit(const QRect& rectangle, const QColor& couleur) override;
    void texte(QPoint coin, const QString& texte) override;
    int largeurTexte(const QString& texte) const override;
    int hauteurTexte(const QString& texte) const override;
    void nouvellePage() override;

private:
    QPainter& m_peintre;
    QPagedPaintDevice& m_support;
};

// Draws a job on a paged device: the painter is begun and ended here.
void dessineTravail(const TTravailImpression& travail, QPagedPaintDevice& support);
