#include "core/store/selections.h"

#include "core/store/saisies.h"

namespace {

// Line `offset` of the block opening at `opening`, or an empty text past the list's end.
QString ligneDuBloc(const TListeBase& base, qsizetype opening, int offset) {
    const qsizetype i = opening + offset;
    return i < base.lineCount() ? base.line(i) : QString();
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

QString aaaammjj(const QString& date) {
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2);
}

} // namespace

QString majusculesAscii(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return result;
}

bool estLocataireActuel(const QString& entree, const QString& sortie, const QDate& today) {
    const QString debut = aaaammjj(entree.startsWith(u' ') ? QStringLiteral("00/00/0000") : entree);
    const QString fin = aaaammjj(sortie.startsWith(u' ') ? QStringLiteral("31/12/9999") : sortie);
    const QString jour = today.toString(QStringLiteral("yyyyMMdd"));
    return debut <= jour && jour <= fin;
}

TTestBloc testSelection(Base base, const TSelections& s, const QDate& today) {
    switch (base) {
    case Base::Locataires:
        switch (s.modeSelLoc) {
        case 2:
            return egal(5, s.cpSel);
        case 3:
            return egalMajuscules(6, s.villeSel);
        case 4:
            return [today](const TListeBase& b, qsizetype opening) {
                return estLocataireActuel(ligneDuBloc(b, opening, 10), ligneDuBloc(b, opening, 11),
                                          today);
            };
        }
        break;
    case Base::Lots:
        switch (s.modeSelLot) {
        case 2:
            return egalMajuscules(11, s.typeSelLot);
        case 3:
            return egal(5, s.cpSelLot);
        case 4:
            return [](const TListeBase& b, qsizetype opening) {
                return ligneDuBloc(b, opening, 21) != QLatin1String("Y");
            };
        }
        break;
    case Base::Fournisseurs:
        switch (s.modeSelFour) {
        case 2:
            return egal(6, s.cpSel);
        case 3:
            return egalMajuscules(7, s.villeSel);
        }
        break;
    case Base::Quittances:
        if (s.modeSelQtc == 2)
            return egalMajuscules(3, s.numLocSel);
        break;
    case Base::Avis:
        if (s.modeSelEch == 2)
            return egalMajuscules(3, s.numLocSel);
        break;
    case Base::Commandes:
    case Base::Recus:
        break;
    }
    return {};
}

std::optional<TDemandeSelection> demandeSelection(Base base, int mode, const TSelections& s,
                                                  const QString& locataireAffiche) {
    const bool parCode = mode == 2;
    const bool parVille = mode == 3;
    if ((base == Base::Locataires || base == Base::Fournisseurs) && parCode)
        return TDemandeSelection{&Saisies::TFcp(), s.cpSel};
    if ((base == Base::Locataires || base == Base::Fournisseurs) && parVille)
        return TDemandeSelection{&Saisies::TVille(), s.villeSel};
    if (base == Base::Lots && parVille)
        return TDemandeSelection{&Saisies::TFcp(), s.cpSelLot};
    if (base == Base::Quittances && parCode)
        return TDemandeSelection{&Saisies::SelQuittances(), locataireAffiche, true};
    if (base == Base::Avis && parCode)
        return TDemandeSelection{&Saisies::SelAvis(), locataireAffiche, true};
    return std::nullopt;
}

void SetSel(TSelections& s, Base base, int mode, const std::optional<QString>& reponse) {
    switch (base) {
    case Base::Locataires:
    case Base::Fournisseurs:
        (base == Base::Locataires ? s.modeSelLoc : s.modeSelFour) = mode;
        if (reponse && mode == 2)
            s.cpSel = *reponse;
        if (reponse && mode == 3)
            s.villeSel = *reponse;
        break;
    case Base::Lots:
        s.modeSelLot = mode;
        if (reponse && mode == 2)
            s.typeSelLot = *reponse;
        if (reponse && mode == 3)
            s.cpSelLot = *reponse;
        break;
    case Base::Quittances:
    case Base::Avis:
        (base == Base::Quittances ? s.modeSelQtc : s.modeSelEch) = mode;
        if (reponse && mode == 2)
            s.numLocSel = *reponse;
        break;
    case Base::Commandes:
    case Base::Recus:
        break;
    }
}
