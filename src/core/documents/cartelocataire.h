#pragma once

#include <QString>
#include <QStringList>

class TListeBase;
class TPageEnregistrement;

// The amounts of a month's rent, as texts: what a new receipt or notice puts in its lines.
struct TMontantsLoyer {
    QString loyer;
    QString charges;
    QString taxes;
    QString apl;
};

// What a rent document takes from a tenant card: the tenant's number, the four coordinate
// lines (name, address, address, postal code and town) and the rent.
struct TCarteLocataire {
    QString numero;
    QStringList coordonnees;
    TMontantsLoyer montants;

    // The card as the tenant page shows it, edits not stored included.
    static TCarteLocataire depuisPage(const TPageEnregistrement& page);
    // The card of the tenant block `cle`.
    static TCarteLocataire depuisBloc(const TListeBase& locataires, int cle);
};
