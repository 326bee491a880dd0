#pragma once

#include "core/store/bases.h"

class QWidget;
class TFiche;

// The month's receipts, the rent revision, the unpaid rents, the year's rental income and the
// e-mail of a document, as the main window's commands run them.
void QuittancesDuMois(TFiche& fiche, QWidget* parent);
void RevisionLoyers(TFiche& fiche, QWidget* parent);
void LoyersImpayes(TFiche& fiche, QWidget* parent);
void RevenusFonciers(TFiche& fiche, QWidget* parent);
void EnvoieDocument(TFiche& fiche, Base base);
