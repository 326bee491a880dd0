#pragma once

#include "core/app/pages.h"
#include "core/app/tfiche.h"

#include <QMap>
#include <QStringList>
#include <algorithm>

// The field lines of a record of `base` numbered `numero`, every field empty but those given by
// their line.
inline QStringList fiche(Base base, const QString& numero, const QMap<int, QString>& valeurs = {}) {
    QStringList champs;
    for (const TChamp& champ : descriptionFiche(base)->champs)
        champs.append(valeurs.value(champ.ligne, valeurVide(champ)));
    champs[0] = numero;
    return champs;
}

// Puts blocks 0, 1, 2... in the base with these contents and shows its page on the last one.
inline void remplit(TFiche& dossier, Base base, const QList<QStringList>& blocs) {
    TListeBase& liste = dossier.base(base);
    for (int cle = 0; cle < blocs.size(); ++cle)
        liste.store(cle, blocs[cle]);
    liste.allerA(std::max(liste.nb() - 1, 0));
    dossier.AffichePage(base);
}
