#pragma once

#include "core/store/tlistebase.h"

#include <QString>

// The key of the first block, in the order of the list, whose line `ligne` begins with
// `debut`; with `majuscules`, the letters a to z of both are upper-cased first (accented
// letters are compared as they are). -1 when no block does.
int cherche(const TListeBase& base, int ligne, const QString& debut, bool majuscules);

// Puts the blocks of the base in the order of their line `ligne`, compared without regard to
// letter case in the French collation, whatever the locale of the process; blocks whose line is
// the same follow the order of the rest of their content compared the same way, line by line
// from the first. Every block keeps its lines, memo and history included; the blocks take the
// keys 0, 1, 2... in their new order. Lines standing outside any block are dropped.
void trie(TListeBase& base, int ligne);
