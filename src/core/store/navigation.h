#pragma once

#include "core/store/selections.h"
#include "core/store/tlistebase.h"

enum class Mouvement { Premier, Precedent, Suivant, Dernier };

// The key a move leads to when the base's moves are unrestricted.
int cleLibre(Mouvement mouvement, int courant, int nb);

// The key a move leads to among the blocks matching `test`, compared by key, never by
// position in the list; the current key when no block qualifies.
int cleSelection(Mouvement mouvement, int courant, const TListeBase& base, const TTestBloc& test);
