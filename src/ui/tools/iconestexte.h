#pragma once

#include <QIcon>

// The pictures of the word processor's own buttons, drawn at any size.
enum class IconeTexte { Police, Gras, Italique, Souligne, Gauche, Centre, Droite, Puces };

QIcon iconeTexte(IconeTexte icone);
