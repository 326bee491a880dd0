#include "core/printing/entete.h"

namespace {

// The owner's lines run from 15 mm to the page's edge.
constexpr int Largeur = 188;

void adresse(TFeuille& f, const TProprietaire& p) {
    f.police(14, true);
    f.texteDans(15, 0, Largeur, p.nom);
    f.police(10, true);
    f.texteDans(15, 10, Largeur, p.adresse1);
    f.texteDans(15, 15, Largeur, p.adresse2);
    f.texteDans(15, 20, Largeur, p.ville);
    f.texteDans(15, 25, Largeur, p.telephone);
    f.police(8, true);
}

} // namespace

void EnTete(TFeuille& f, const TProprietaire& p) {
    adresse(f, p);
    if (!p.siret.isEmpty())
        f.texteDans(15, 30, Largeur, QStringLiteral("Siret ") + p.siret);
    if (!p.rc.isEmpty())
        f.texteDans(15, 35, Largeur, QStringLiteral("R.C. ") + p.rc);
    f.police(8);
}

void EnTete6(TFeuille& f, const TProprietaire& p) {
    adresse(f, p);
    f.texteDans(15, 30, Largeur, p.siret);
    f.texteDans(15, 35, Largeur, p.rc);
    f.police(8);
}
