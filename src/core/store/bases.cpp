#include "core/store/bases.h"

QString extensionOf(Base base) {
    static const char* const extensions[NbBases] = {"loc", "frs", "lot", "qtc",
                                                    "ech", "cmd", "rcu"};
    return QString::fromLatin1(extensions[indexOf(base)]);
}

namespace {

constexpr bool annexesEnOrdre() {
    for (int i = 0; i < NbAnnexes; ++i)
        if (indexOf(Annexes[i].annexe) != i)
            return false;
    return true;
}
static_assert(annexesEnOrdre(), "one row per extra file, in the order of Annexe");

} // namespace

QString extensionOf(Annexe annexe) {
    return QString::fromLatin1(Annexes[indexOf(annexe)].extension);
}

QString extensionFichier(int fichier) {
    return fichier < NbBases ? extensionOf(static_cast<Base>(fichier))
                             : extensionOf(Annexes[fichier - NbBases].annexe);
}
