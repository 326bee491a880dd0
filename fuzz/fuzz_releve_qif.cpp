// A QIF statement, whatever its bytes: either it is refused with its message, or every line it
// gives has a valid date, its value date the same, a label on one line, and reading it again
// gives the same lines.

#include "invariants.h"

#include "core/banque/releveqif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray fichier = octets(data, size);
    TReleve releve;
    if (refuse([&] { releve = LitReleveQif(fichier); }))
        return 0;
    for (const TOperation& o : releve) {
        EXIGE(o.date.isValid() && o.valeur == o.date);
        EXIGE(!o.libelle.contains(u'\n') && !o.libelle.contains(u'\r'), o.libelle);
        EXIGE(o.id.isEmpty());
    }
    EXIGE(LitReleveQif(fichier) == releve);
    return 0;
}
