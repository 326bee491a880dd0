#pragma once

#include "core/printing/tcanevas.h"

#include <QList>
#include <QStringList>

#include <optional>

// The record cards that print.
enum class FicheImprimee { Locataire, Fournisseur, Lot };

// A tenant, supplier or lot card as its page shows it, edits not yet stored included.
struct TFicheImprimee {
    FicheImprimee sorte = FicheImprimee::Locataire;
    QStringList champs; // the fields, in block line order from line 1
    // The history grid from its header row, as many rows as it has.
    QList<QStringList> historique;
    QStringList remarques; // "Observations"
    // The supplier's history entry panel: date "dd/mm/yyyy", label and amount.
    std::optional<QStringList> saisieHistorique;
};

// The card (ImpFiche1, ImpFiche2, ImpFiche3): each label and its field on one line, then the
// history from its header row down to its first row without date, and the remarks beside it.
// History rows and remarks that go below the page go on to the next one, which repeats the
// card's number and name and the history's header.
void ImprimeFiche(TCanevas& canevas, const TFicheImprimee& fiche);
TTravailImpression travailFiche(const TFicheImprimee& fiche);
