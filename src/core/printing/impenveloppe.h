#pragma once

#include "core/printing/entete.h"
#include "core/printing/tcanevas.h"

#include <array>

// One envelope (ImpEnv): the owner as sender at the top left, the recipient's name, two
// address lines and postal code and town at 110 mm; every line `decalage` mm lower (100 for
// an envelope guide on the right, else 0).
void ImprimeEnveloppe(TCanevas& canevas, const TProprietaire& expediteur,
                      const std::array<QString, 4>& destinataire, int decalage);
// The job, upright for orientation 0, on its side for 1.
TTravailImpression travailEnveloppe(const TProprietaire& expediteur,
                                    const std::array<QString, 4>& destinataire, int decalage,
                                    int orientation);
