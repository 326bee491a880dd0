#include "champs.h"

TNumeroNom separeNumeroNom(const QString& texte) {
    const qsizetype blanc = texte.indexOf(u' ');
    if (blanc < 4)
        return {texte, QString(), false};
    return {texte.left(blanc), texte.mid(blanc + 1, 255), true};
}
