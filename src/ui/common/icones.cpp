#include "ui/common/icones.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Trait(60, 60, 60);
const QColor Papier(255, 255, 255);
const QColor Bleu(40, 90, 170);
const QColor Vert(40, 140, 60);
const QColor Jaune(235, 190, 60);
const QColor Rouge(190, 50, 40);

// The drawings use a 16 × 16 grid whatever the size of the picture.
using Dessin = void (*)(QPainter&);

void page(QPainter& p, const QRectF& r) {
    QPainterPath contour;
    const qreal coin = r.width() * 0.35;
    contour.moveTo(r.topLeft());
    contour.lineTo(r.right() - coin, r.top());
    contour.lineTo(r.right(), r.top() + coin);
    contour.lineTo(r.bottomRight());
    contour.lineTo(r.bottomLeft());
    contour.closeSubpath();
    p.setPen(QPen(Trait, 1));
    p.setBrush(Papier);
    p.drawPath(contour);
    p.drawLine(QPointF(r.right() - coin, r.top()), QPointF(r.right() - coin, r.top() + coin));
    p.drawLine(QPointF(r.right() - coin, r.top() + coin), QPointF(r.right(), r.top() + coin));
}

void lignes(QPainter& p, qreal gauche, qreal droite, qreal haut, int nombre) {
    p.setPen(QPen(QColor(130, 130, 130), 1));
    for (int i = 0; i < nombre; ++i)
        p.drawLine(QPointF(gauche, haut + 2 * i), QPointF(droite, haut + 2 * i));
}

void triangle(QPainter& p, qreal pointe, qreal base) {
    QPolygonF t;
    t << QPointF(pointe, 8) << QPointF(base, 3.5) << QPointF(base, 12.5);
    p.setPen(QPen(Bleu.darker(130), 1));
    p.setBrush(Bleu);
    p.drawPolygon(t);
}

void barre(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(Bleu);
    p.drawRect(QRectF(x, 3.5, 2, 9));
}

void plus(QPainter& p, QPointF centre) {
    p.setPen(QPen(Vert, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre - QPointF(3, 0), centre + QPointF(3, 0));
    p.drawLine(centre - QPointF(0, 3), centre + QPointF(0, 3));
}

void nouveau(QPainter& p) {
    page(p, QRectF(2.5, 1.5, 10, 13));
    p.setPen(QPen(Jaune.darker(120), 1.4));
    p.drawLine(QPointF(12, 1), QPointF(15, 4));
    p.drawLine(QPointF(15, 1), QPointF(12, 4));
    p.drawLine(QPointF(13.5, 0.5), QPointF(13.5, 4.5));
}

void ouvrir(QPainter& p) {
    p.setPen(QPen(Jaune.darker(160), 1));
    p.setBrush(Jaune.darker(115));
    p.drawRect(QRectF(1.5, 4.5, 11, 9));
    p.drawRect(QRectF(1.5, 3, 5, 1.5));
    QPolygonF rabat;
    rabat << QPointF(4, 7.5) << QPointF(15, 7.5) << QPointF(12.5, 13.5) << QPointF(1.5, 13.5);
    p.setBrush(Jaune);
    p.drawPolygon(rabat);
}

void enregistrer(QPainter& p) {
    p.setPen(QPen(Bleu.darker(150), 1));
    p.setBrush(Bleu);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Papier);
    p.drawRect(QRectF(3.5, 1.5, 9, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Trait);
    p.drawRect(QRectF(9, 11, 1.5, 2.5));
}

void copier(QPainter& p) {
    page(p, QRectF(1.5, 1.5, 8, 10));
    page(p, QRectF(6.5, 4.5, 8, 10));
    lignes(p, 8.5, 12.5, 9, 3);
}

void coller(QPainter& p) {
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(170, 120, 60));
    p.drawRoundedRect(QRectF(1.5, 2.5, 11, 12.5), 1, 1);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
    page(p, QRectF(6.5, 6.5, 8, 9));
    lignes(p, 8.5, 12.5, 10, 3);
}

void premier(QPainter& p) {
    barre(p, 3);
    triangle(p, 5.5, 12.5);
}

void precedent(QPainter& p) {
    triangle(p, 4, 11.5);
}

void suivant(QPainter& p) {
    triangle(p, 12, 4.5);
}

void dernier(QPainter& p) {
    triangle(p, 10.5, 3.5);
    barre(p, 11);
}

void fiche(QPainter& p) {
    p.setPen(QPen(Trait, 1));
    p.setBrush(QColor(250, 245, 220));
    p.drawRect(QRectF(0.5, 2.5, 12, 9));
    lignes(p, 2.5, 10.5, 5, 3);
}

void nouvelleFiche(QPainter& p) {
    fiche(p);
    plus(p, QPointF(12, 12));
}

void locataire(QPainter& p) {
    p.setPen(QPen(Bleu.darker(150), 1));
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(5, 1.5, 6, 6));
    p.setBrush(Bleu);
    QPainterPath buste;
    buste.moveTo(2, 15);
    buste.cubicTo(2, 8.5, 14, 8.5, 14, 15);
    buste.closeSubpath();
    p.drawPath(buste);
}

void quittance(QPainter& p) {
    page(p, QRectF(2.5, 0.5, 11, 15));
    lignes(p, 4.5, 9, 4, 2);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(7);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Vert.darker(120));
    p.drawText(QRectF(5, 8, 8, 7), Qt::AlignCenter, QStringLiteral("€"));
}

void maison(QPainter& p, const QColor& toit) {
    p.setPen(QPen(Trait, 1));
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    QPolygonF pignon;
    pignon << QPointF(1, 8) << QPointF(8, 1.5) << QPointF(15, 8);
    p.setBrush(toit);
    p.drawPolygon(pignon);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(6.5, 10.5, 3, 4));
}

void lots(QPainter& p) {
    maison(p, Rouge);
}

void calculer(QPainter& p) {
    p.setPen(QPen(Trait, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    p.setBrush(QColor(190, 220, 190));
    p.drawRect(QRectF(4, 2, 8, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Trait);
    for (int ligne = 0; ligne < 3; ++ligne)
        for (int colonne = 0; colonne < 3; ++colonne)
            p.drawRect(QRectF(4 + 3 * colonne, 7 + 2.7 * ligne, 2, 1.7));
}

void imprimante(QPainter& p) {
    page(p, QRectF(4.5, 0.5, 7, 6));
    p.setPen(QPen(Trait, 1));
    p.setBrush(QColor(180, 180, 180));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6.5), 1, 1);
    p.setBrush(Papier);
    p.drawRect(QRectF(3.5, 10, 9, 5.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Vert);
    p.drawRect(QRectF(12.5, 7, 1.5, 1.5));
}

void enveloppe(QPainter& p) {
    p.setPen(QPen(Trait, 1));
    p.setBrush(Papier);
    p.drawRect(QRectF(0.5, 3.5, 15, 10));
    p.drawLine(QPointF(0.5, 3.5), QPointF(8, 9));
    p.drawLine(QPointF(8, 9), QPointF(15.5, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Rouge);
    p.drawRect(QRectF(12, 5, 2.5, 3));
}

Dessin dessin(Action bouton) {
    switch (bouton) {
    case Action::BoutonNouveau:
        return nouveau;
    case Action::BoutonOuvrir:
        return ouvrir;
    case Action::BoutonEnregistrer:
        return enregistrer;
    case Action::BoutonCopier:
        return copier;
    case Action::BoutonColler:
        return coller;
    case Action::BoutonPremier:
        return premier;
    case Action::BoutonPrecedent:
        return precedent;
    case Action::BoutonSuivant:
        return suivant;
    case Action::BoutonDernier:
        return dernier;
    case Action::BoutonNouvelleFiche:
        return nouvelleFiche;
    case Action::BoutonFicheLocataire:
        return locataire;
    case Action::BoutonQuittance:
        return quittance;
    case Action::BoutonLots:
        return lots;
    case Action::BoutonCalculer:
        return calculer;
    case Action::BoutonImprimer:
        return imprimante;
    case Action::BoutonImprimerEnveloppe:
        return enveloppe;
    default:
        return nullptr;
    }
}

QPixmap dessine(Dessin d, int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 16.0, cote / 16.0);
    d(p);
    return image;
}

void programme(QPainter& p) {
    maison(p, Bleu);
    p.setPen(QPen(Jaune.darker(130), 1.2));
    p.setBrush(Jaune);
    p.drawEllipse(QRectF(10.5, 10, 3.5, 3.5));
    p.drawLine(QPointF(12.2, 13.5), QPointF(12.2, 15.5));
}

} // namespace

QIcon iconeBouton(Action bouton) {
    QIcon icone;
    if (Dessin d = dessin(bouton))
        for (int cote : {16, 24, 32, 48})
            icone.addPixmap(dessine(d, cote));
    return icone;
}

QPixmap imageProgramme(int cote) {
    return dessine(programme, cote);
}
