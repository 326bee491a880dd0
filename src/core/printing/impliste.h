#pragma once

#include "core/printing/tcanevas.h"

#include <QList>
#include <QStringList>

class TListeBase;

// The lists that print, one line per record.
enum class ListeImprimee { Locataires, Fournisseurs, Lots };

// The texts of the records of keys premiere - 1 to derniere - 1 (the pages of the print
// dialog, one per record), kept within the base, in key order, each the list's columns read
// from the block by line position; keys missing from the base are left out.
QList<QStringList> lignesListe(ListeImprimee liste, const TListeBase& base, int premiere,
                               int derniere);

// The list's title in the print queue: "Liste des locataires"...
QString titreListe(ListeImprimee liste);

// The list (ImpLoc, ImpFour, ImpLot) on landscape pages, from 10 mm down, 5 mm a record; the
// tenants and lots under their column titles and rule, again at the top of each page.
void ImprimeListe(TCanevas& canevas, ListeImprimee liste, const QList<QStringList>& lignes);
TTravailImpression travailListe(ListeImprimee liste, const QList<QStringList>& lignes);
