#pragma once

#include "core/store/bases.h"

#include <QString>
#include <QStringList>

#include <optional>

class TListeBase;
class TPageEnregistrement;

// The amounts of a month's rent, as texts: what a new receipt or notice puts in its lines.
struct TMontantsLoyer {
    QString loyer;
    QString charges;
    QString taxes;
    QString apl;
};

// What a document takes from the card of the tenant or supplier it is made for: the tenant's
// number or the supplier's code, the four coordinate lines (name, address, address, postal
// code and town) and, for a tenant, the rent.
struct TCarteTiers {
    QString numero;
    QStringList coordonnees;
    TMontantsLoyer montants;

    // The card as a tenant or supplier page shows it, edits not stored included.
    static TCarteTiers depuisPage(const TPageEnregistrement& page);
    // The card of block `cle` of the tenant or supplier base.
    static TCarteTiers depuisBloc(Base base, const TListeBase& liste, int cle);
    // The card of the tenant or supplier whose number or code is exactly `numero`, if any.
    static std::optional<TCarteTiers> cherche(Base base, const TListeBase& liste,
                                              const QString& numero);
};
