#pragma once

#include "core/accounting/descriptionstats.h"

class QLabel;
class QWidget;
class TFiche;

// "Statistiques mois", "Statistiques locataires", "Statistiques lots", "Statistiques
// fournisseurs": the run over the dossier, its progress on `panneau`, then the window.
void Statistiques(TFiche& fiche, SorteStats sorte, QLabel* panneau, QWidget* parent);
// "Journal comptable": the journal of every receipt, then its window.
void JournalComptable(TFiche& fiche, QLabel* panneau, QWidget* parent);
