#pragma once

#include "core/records/recherches.h"

class QWidget;
class TFiche;
class TFicheForm;

// The commands of the main window that search, sort, import and export the base of the page on
// screen: each asks its questions, then runs the record window's operation.

// A search: the card on screen is stored, the entry dialog asks the beginning of the text, the
// record found is shown.
void Rechercher(TFiche& fiche, TFicheForm& form, Recherche recherche);
// A sort: the dialog "Trier" asks the criterion, then the base is sorted.
void Trier(TFiche& fiche, TFicheForm& form, Tri tri);
// Importer: asks the file and appends its records, showing the progress; the message of a file
// too long for the base. True when the records were read (none may have been).
bool Importer(TFiche& fiche, TFicheForm& form, QWidget* parent);
// Exporter: asks the file, and whether to replace it when it exists, then writes it.
void Exporter(TFiche& fiche, QWidget* parent);
