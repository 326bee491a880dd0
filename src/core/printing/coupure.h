#pragma once

#include "core/common/montants.h"

#include <QString>
#include <QStringList>

// The lines a text makes within `largeur` pixels: the text itself when it fits; otherwise cut
// at its blanks (the blank of each cut dropped), a word wider than a line cut where it reaches
// the width. Always one line at least.
QStringList CoupeTexte(const QString& texte, int largeur, const TMesureTexte& mesure);

// The text itself when it fits in `largeur` pixels; otherwise as much of its beginning as
// fits followed by "…".
QString Raccourcit(const QString& texte, int largeur, const TMesureTexte& mesure);
