#pragma once

class QString;
class QWidget;
class TFiche;

// The settings files of the start-up directory, read at start (owner lines, general
// settings, value lists) and written at close (general settings with the dossier's path,
// owner lines, value lists). A file that cannot be read or written is reported and the
// others are still read or written.
void ChargeReglages(TFiche& fiche, const QString& repertoire);
void SauveReglages(TFiche& fiche, const QString& repertoire, const QString& dossierPath);

// "&Propriétaire": the owner lines, edited in "Société". An empty name changes nothing.
void Psoc(TFiche& fiche, QWidget* parent);

// "&Types de lots": the lot types, edited in "Les Désignations".
void Design(TFiche& fiche, QWidget* parent);

// "Familles fo&urnisseurs": the supplier families, edited in "Les familles de fournisseurs".
void FamFournis(TFiche& fiche, QWidget* parent);

// "&Commande": the order parameters, edited in "Paramètres de la commande"; the amount format
// follows the decimals.
void Parc(TFiche& fiche, QWidget* parent);

// "C&omptes": the account numbers of the journal, edited in "Comptes".
void Compte(TFiche& fiche, QWidget* parent);
