#include "champs.h"

QString valeurVide(const TChamp& champ) {
    switch (champ.type) {
    case TypeChamp::DateMasque:
        return ImageDateVide;
    case TypeChamp::Drapeau:
        return QStringLiteral("N");
    default:
        return QString();
    }
}

TNumeroNom separeNumeroNom(const QString& texte) {
    const qsizetype blanc = texte.indexOf(u' ');
    if (blanc < 4)
        return {texte, QString(), false};
    return {texte.left(blanc), texte.mid(blanc + 1, 255), true};
}
