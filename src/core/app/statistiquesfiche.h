#pragma once

#include "core/accounting/journal.h"
#include "core/accounting/statistiques.h"

class TFiche;

// The statistics and the journal of the open dossier. The page of the base read is stored
// first, so that its last edits count, and is left showing the last record read.
TCumul StatistiquesFiche(TFiche& fiche, SorteStats sorte, const TProgressionTexte& progression);
QList<TLigneJournal> JournalFiche(TFiche& fiche, const TProgressionTexte& progression);
