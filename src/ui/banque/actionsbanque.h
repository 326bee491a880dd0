#pragma once

#include <QString>

class QWidget;
class TFiche;

// "Relevé bancaire...": a statement file chosen, read (a CSV one through its column mapping,
// remembered in the settings of `repertoireReglages` for files of the same header), its lines
// reviewed, and the ticked ones receipted.
void ReleveBancaire(TFiche& fiche, const QString& repertoireReglages, QWidget* parent);
