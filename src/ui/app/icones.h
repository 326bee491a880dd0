#pragma once

#include "app/commandes.h"

#include <QIcon>
#include <QPixmap>

// The pictures of the toolbar buttons, drawn at any size, so that they need no image file.
QIcon iconeBouton(Commande bouton);

// The program's picture: a house with its key, for the splash window, the About box and the
// window icon.
QPixmap imageProgramme(int cote);
