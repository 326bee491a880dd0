#include "core/store/selections.h"

#include "core/store/saisies.h"

namespace {

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
