// The lock file of a dossier, whatever its bytes (another machine may have written it): it
// names a holder or none, never fails otherwise; a holder it names is written back to a text
// that names the same holder again.
//
// The input is the lock file's bytes.

#include "invariants.h"

#include "core/app/verrou.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<TDetenteur> detenteur = TDetenteur::lis(octets);
    if (!detenteur)
        return 0;
    const std::optional<TDetenteur> relu = TDetenteur::lis(detenteur->texte());
    EXIGE(relu && *relu == *detenteur, QString::fromUtf8(detenteur->texte()));
    EXIGE(!detenteur->description().isEmpty());
    return 0;
}
