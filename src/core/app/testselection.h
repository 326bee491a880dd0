#pragma once

#include "core/store/bases.h"
#include "core/store/selections.h"
#include "core/store/tlistebase.h"

#include <QDate>

// The test of the selection in force on a base, or an empty function when the moves of
// that base are unrestricted.
TTestBloc testSelection(Base base, const TSelections& selections, const QDate& today);
