#pragma once

#include <QList>
#include <QRect>
#include <QStringList>

// The bar chart of a statistics window: the last 32 amounts, rounded to whole euros, as blue
// bars 10 pixels wide every 15 pixels on a 559 × 321 canvas, the tallest reaching 280 pixels
// above the axis.
namespace Graphique {

constexpr int MaxValeurs = 32;
constexpr int Largeur = 559;
constexpr int Hauteur = 321;
constexpr int Origine = 20; // the axes meet at (20, 300)
constexpr int Axe = 300;
constexpr int FinAxeX = 550;
constexpr int HauteurMax = 280;
constexpr int LargeurBarre = 10;
constexpr int Pas = 15;

// The amounts charted: the last 32 texts, each trimmed, read with a decimal comma and rounded
// to the nearest whole number, halves to the even one. A text that does not read stops with
// the conversion message.
QList<qint64> Valeurs(const QStringList& textes);
// The bars of the values, left to right, from the axis up (down for a negative value): each
// as high as its value × 280 / the largest value, truncated. With no value above zero there
// is no scale and no bar.
QList<QRect> Barres(const QList<qint64>& valeurs);

} // namespace Graphique
