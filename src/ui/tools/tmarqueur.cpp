#include "ui/tools/tmarqueur.h"

#include "core/tools/regle.h"

#include <QMouseEvent>
#include <QPainter>

TMarqueur::TMarqueur(Pointe pointe, const QString& nom, const QString& libelle, QWidget* regle)
    : QWidget(regle), m_pointe(pointe) {
    setObjectName(nom);
    setAccessibleName(libelle);
    setToolTip(libelle);
    setFixedSize(RegleTexte::LargeurMarqueur, 9);
    setCursor(Qt::SizeHorCursor);
}

void TMarqueur::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal l = width() - 1;
    const qreal h = height() - 1;
    QPolygonF triangle;
    if (m_pointe == Pointe::Bas)
        triangle << QPointF(0.5, 0.5) << QPointF(l - 0.5, 0.5) << QPointF(l / 2, h);
    else
        triangle << QPointF(0.5, h - 0.5) << QPointF(l - 0.5, h - 0.5) << QPointF(l / 2, 0);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(triangle);
}

void TMarqueur::glisse(int x) {
    const int largeur = parentWidget()->width();
    move(std::clamp(this->x() + x - m_decalage, 0, largeur - width()), y());
}

void TMarqueur::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_decalage = width() / 2;
    glisse(event->position().toPoint().x());
    m_enDrag = true;
}

void TMarqueur::mouseMoveEvent(QMouseEvent* event) {
    if (m_enDrag)
        glisse(event->position().toPoint().x());
}

void TMarqueur::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_enDrag || event->button() != Qt::LeftButton)
        return;
    m_enDrag = false;
    emit lache();
}
