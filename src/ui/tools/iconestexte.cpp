#include "ui/tools/iconestexte.h"

#include <QPainter>

namespace {

const QColor Encre(40, 40, 40);

// A letter in the middle of the 16 × 16 grid.
void lettre(QPainter& p, const QString& texte, bool gras, bool italique, bool souligne) {
    QFont police(QStringLiteral("Liberation Serif"));
    police.setPixelSize(13);
    police.setBold(gras);
    police.setItalic(italique);
    police.setUnderline(souligne);
    p.setFont(police);
    p.setPen(Encre);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, texte);
}

// Four lines of text set as the alignment wants them.
void lignes(QPainter& p, Qt::Alignment alignement) {
    p.setPen(QPen(Encre, 1.2, Qt::SolidLine, Qt::FlatCap));
    const qreal longueurs[] = {12, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const qreal l = longueurs[i];
        qreal x = 2;
        if (alignement & Qt::AlignHCenter)
            x = 8 - l / 2;
        else if (alignement & Qt::AlignRight)
            x = 14 - l;
        const qreal y = 3.5 + 3 * i;
        p.drawLine(QPointF(x, y), QPointF(x + l, y));
    }
}

void puces(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        const qreal y = 3.5 + 4.5 * i;
        p.setPen(Qt::NoPen);
        p.setBrush(Encre);
        p.drawEllipse(QPointF(3, y), 1.4, 1.4);
        p.setPen(QPen(Encre, 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(6, y), QPointF(14, y));
    }
}

void dessine(QPainter& p, IconeTexte icone) {
    switch (icone) {
    case IconeTexte::Police:
        lettre(p, QStringLiteral("A"), false, false, false);
        p.setPen(QPen(QColor(190, 50, 40), 1.5));
        p.drawLine(QPointF(2, 15), QPointF(14, 15));
        break;
    case IconeTexte::Gras:
        lettre(p, QStringLiteral("G"), true, false, false);
        break;
    case IconeTexte::Italique:
        lettre(p, QStringLiteral("I"), false, true, false);
        break;
    case IconeTexte::Souligne:
        lettre(p, QStringLiteral("S"), false, false, true);
        break;
    case IconeTexte::Gauche:
        lignes(p, Qt::AlignLeft);
        break;
    case IconeTexte::Centre:
        lignes(p, Qt::AlignHCenter);
        break;
    case IconeTexte::Droite:
        lignes(p, Qt::AlignRight);
        break;
    case IconeTexte::Puces:
        puces(p);
        break;
    }
}

} // namespace

QIcon iconeTexte(IconeTexte icone) {
    QIcon resultat;
    for (int cote : {16, 24, 32}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(cote / 16.0, cote / 16.0);
        dessine(p, icone);
        p.end();
        resultat.addPixmap(image);
    }
    return resultat;
}
