#pragma once

class TFiche;
struct TRegularisation;

// "Reporter": the balance of a settlement becomes the row "Régularisation des charges AAAA" of
// the tenant's next receipt (his receipt not validated yet, else a new one made from his card),
// negative for a refund, and a history line of the same label on his card. The receipt page
// then shows that receipt. Refused, nothing changed, when his history already holds that line,
// when no real charges were entered, when the tenant is gone from the base or his history is
// full.
void Reporter(TFiche& fiche, const TRegularisation& regularisation);
