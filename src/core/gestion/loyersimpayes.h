#pragma once

#include "ttableau.h"

#include <QDate>

class TListeBase;

// "Loyers impayés": every tenant current on `jour`, with the last month for which a
// validated receipt exists and the months since, up to the month of `jour`, that have none.
// A tenant never receipted counts from the month he came in. Columns: "N° locataire",
// "Nom/Soc", "Dernière quittance", "Nombre", "Mois sans quittance".
TTableau LoyersImpayes(const TListeBase& locataires, const TListeBase& quittances,
                       const QDate& jour);
