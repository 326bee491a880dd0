#include "core/printing/tcanevaspeintre.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

TCanevasPeintre::TCanevasPeintre(QPainter& peintre, QPagedPaintDevice& support)
    : m_peintre(peintre), m_support(support) {
    setEpaisseur(1);
    m_peintre.setBrush(Qt::NoBrush);
}

QSize TCanevasPeintre::taillePixels() const {
    return QSize(m_support.width(), m_support.height());
}

QSize TCanevasPeintre::tailleMillimetres() const {
    return QSize(m_support.widthMM(), m_support.heightMM());
}

void TCanevasPeintre::setPolice(const QString& nom, int taille, bool gras) {
    QFont police(nom);
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(taille);
    police.setBold(gras);
    m_peintre.setFont(police);
}

void TCanevasPeintre::setEpaisseur(int pixels) {
    QPen stylo(Qt::black);
    stylo.setWidth(pixels);
    m_peintre.setPen(stylo);
}

void TCanevasPeintre::ligne(QPoint de, QPoint a) {
    m_peintre.drawLine(de, a);
}

void TCanevasPeintre::rectangle(const QRect& rectangle) {
    m_peintre.drawRect(QRectF(rectangle.topLeft(), rectangle.bottomRight()));
}

void TCanevasPeintre::remplit(const QRect& rectangle, const QColor& couleur) {
    m_peintre.fillRect(QRectF(rectangle.topLeft(), rectangle.bottomRight()), couleur);
}

void TCanevasPeintre::texte(QPoint coin, const QString& texte) {
    if (!texte.isEmpty())
        m_peintre.drawText(QPoint(coin.x(), coin.y() + m_peintre.fontMetrics().ascent()), texte);
}

int TCanevasPeintre::largeurTexte(const QString& texte) const {
    return m_peintre.fontMetrics().horizontalAdvance(texte);
}

int TCanevasPeintre::hauteurTexte(const QString&) const {
    return m_peintre.fontMetrics().height();
}

void TCanevasPeintre::nouvellePage() {
    m_support.newPage();
}

void dessineTravail(const TTravailImpression& travail, QPagedPaintDevice& support) {
    QPainter peintre(&support);
    TCanevasPeintre canevas(peintre, support);
    if (travail.dessine)
        travail.dessine(canevas);
    peintre.end();
}
