#pragma once

#include "core/app/actions.h"

#include <QIcon>
#include <QPixmap>

// The pictures of the toolbar buttons, drawn at any size, so that they need no image file.
QIcon iconeBouton(Action bouton);

// The program's picture: a house with its key, for the splash window, the About box and the
// window icon.
QPixmap imageProgramme(int cote);
