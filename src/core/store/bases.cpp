#include "core/store/bases.h"

QString extensionOf(Base base) {
    static const char* const extensions[NbBases] = {"loc", "frs", "lot", "qtc",
                                                    "ech", "cmd", "rcu"};
    return QString::fromLatin1(extensions[indexOf(base)]);
}
