#include "entete.h"

namespace {

void adresse(TFeuille& f, const TProprietaire& p) {
    f.police(14, true);
    f.texte(15, 0, p.nom);
    f.police(10, true);
    f.texte(15, 10, p.adresse1);
    f.texte(15, 15, p.adresse2);
    f.texte(15, 20, p.ville);
    f.texte(15, 25, p.telephone);
    f.police(8, true);
}

} // namespace

void EnTete(TFeuille& f, const TProprietaire& p) {
    adresse(f, p);
    if (!p.siret.isEmpty())
        f.texte(15, 30, QStringLiteral("Siret ") + p.siret);
    if (!p.rc.isEmpty())
        f.texte(15, 35, QStringLiteral("R.C. ") + p.rc);
    f.police(8);
}

void EnTete6(TFeuille& f, const TProprietaire& p) {
    adresse(f, p);
    f.texte(15, 30, p.siret);
    f.texte(15, 35, p.rc);
    f.police(8);
}
