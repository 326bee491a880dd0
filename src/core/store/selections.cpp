#include "core/store/selections.h"

#include "core/store/saisies.h"

#include <array>

namespace {

// The text aaaammjj of a date typed jj/mm/aaaa, its pieces taken as they stand (a short or odd
// date gives a short or odd text), in a buffer of its own: the current tenants are sorted out
// of every tenant of a base, and no text is allocated for it.
struct TAaaammjj {
    std::array<char16_t, 8> c{};
    qsizetype n = 0;
    QStringView vue() const { return {c.data(), n}; }
};

TAaaammjj aaaammjj(QStringView date) {
    TAaaammjj t;
    for (QStringView morceau : {date.mid(6, 4), date.mid(3, 2), date.left(2)})
        for (QChar ch : morceau)
            t.c[size_t(t.n++)] = ch.unicode();
    return t;
}

// Today as aaaammjj, for a year of four digits.
TAaaammjj aaaammjj(const QDate& jour) {
    TAaaammjj t;
    int valeur = jour.year() * 10000 + jour.month() * 100 + jour.day();
    for (int rang = 7; rang >= 0; --rang, valeur /= 10)
        t.c[size_t(rang)] = char16_t(u'0' + valeur % 10);
    t.n = 8;
    return t;
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
    const TAaaammjj debut = aaaammjj(entree.startsWith(u' ') ? u"00/00/0000" : QStringView(entree));
    const TAaaammjj fin = aaaammjj(sortie.startsWith(u' ') ? u"31/12/9999" : QStringView(sortie));
    if (today.year() < 1000 || today.year() > 9999) {
        const QString jour = today.toString(QStringLiteral("yyyyMMdd"));
        return debut.vue() <= jour && jour <= fin.vue();
    }
    const TAaaammjj jour = aaaammjj(today);
    return debut.vue() <= jour.vue() && jour.vue() <= fin.vue();
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
