#pragma once

#include "core/gestion/ttableau.h"

#include <QDate>

class TListeBase;

// "Loyers impayés": every tenant current on `jour`, and every tenant who has left owing a
// month, with the last month for which a validated receipt exists and every month of his
// occupancy without one: from the month he came in (the start of his lease when the card has
// no entry date) to the month of `jour`, or of his leaving if that comes first. A tenant
// without either date counts none. Columns: "N°
// locataire", "Nom/Soc", "Dernière quittance", "Nombre", "Mois sans quittance".
TTableau LoyersImpayes(const TListeBase& locataires, const TListeBase& quittances,
                       const QDate& jour);
