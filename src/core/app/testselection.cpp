#include "core/app/testselection.h"

#include "core/app/descriptionbase.h"
#include "core/documents/descriptiondocument.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"

namespace {

// Line `offset` of the block opening at `opening`, or an empty text past the list's end.
QString ligneDuBloc(const TListeBase& base, qsizetype opening, int offset) {
    const qsizetype i = opening + offset;
    return i < base.lineCount() ? base.line(i) : QString();
}

// The tenant number's line in a block of rent documents.
int ligneLocataire(Base base) {
    return descriptionBase(base).document().ligne(ChampDocument::Locataire);
}

TTestBloc egal(int offset, const QString& valeur) {
    return [offset, valeur](const TListeBase& base, qsizetype opening) {
        return ligneDuBloc(base, opening, offset) == valeur;
    };
}

TTestBloc egalMajuscules(int offset, const QString& valeur) {
    return [offset, valeur](const TListeBase& base, qsizetype opening) {
        return majusculesAscii(ligneDuBloc(base, opening, offset)) == valeur;
    };
}

} // namespace

TTestBloc testSelection(Base base, const TSelections& s, const QDate& today) {
    switch (base) {
    case Base::Locataires:
        switch (s.modeSelLoc) {
        case 2:
            return egal(Locataire::CodePostal, s.cpSel);
        case 3:
            return egalMajuscules(Locataire::Ville, s.villeSel);
        case 4:
            return [today](const TListeBase& b, qsizetype opening) {
                return estLocataireActuel(ligneDuBloc(b, opening, Locataire::Entre),
                                          ligneDuBloc(b, opening, Locataire::Sorti), today);
            };
        }
        break;
    case Base::Lots:
        switch (s.modeSelLot) {
        case 2:
            return egalMajuscules(Lot::Type, s.typeSelLot);
        case 3:
            return egal(Lot::CodePostal, s.cpSelLot);
        case 4:
            return [](const TListeBase& b, qsizetype opening) {
                return ligneDuBloc(b, opening, Lot::Occupe) != QLatin1String("Y");
            };
        }
        break;
    case Base::Fournisseurs:
        switch (s.modeSelFour) {
        case 2:
            return egal(Fournisseur::CodePostal, s.cpSel);
        case 3:
            return egalMajuscules(Fournisseur::Ville, s.villeSel);
        }
        break;
    case Base::Quittances:
        if (s.modeSelQtc == 2)
            return egalMajuscules(ligneLocataire(base), s.numLocSel);
        break;
    case Base::Avis:
        if (s.modeSelEch == 2)
            return egalMajuscules(ligneLocataire(base), s.numLocSel);
        break;
    case Base::Commandes:
    case Base::Recus:
        break;
    }
    return {};
}
