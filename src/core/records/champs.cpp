#include "core/records/champs.h"

#include "core/store/selections.h"
#include "core/store/tlistebase.h"

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

int TDescriptionFiche::cle(const TListeBase& base, const QString& numero) const {
    if (numero.isEmpty())
        return -1;
    const QString cherche = majusculesAscii(numero);
    for (const TListeBase::Position& bloc : base.blocs())
        if (bloc.ligne + ligneNumero < base.lineCount() &&
            majusculesAscii(base.line(bloc.ligne + ligneNumero)) == cherche)
            return bloc.cle;
    return -1;
}
