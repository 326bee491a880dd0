#pragma once

class QWidget;
class TFiche;

// "Charges réelles...", "Régularisation des charges..." and "Solde de tout compte..." of the
// "Location" menu.
void SaisieChargesReelles(TFiche& fiche, QWidget* parent);
void RegularisationDesCharges(TFiche& fiche, QWidget* parent);
// For the tenant on the card on screen.
void SoldeDeToutCompte(TFiche& fiche, QWidget* parent);
