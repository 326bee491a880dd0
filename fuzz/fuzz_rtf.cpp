// The word processor's RTF reader under any bytes: it either refuses bytes that do not start
// as RTF, or gives a letter of at least one paragraph; and that letter, written by the
// program and read again, comes back the same.

#include "invariants.h"

#include "tools/ecriturertf.h"
#include "tools/lecturertf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    TDocumentRtf lettre;
    if (refuse([&] { lettre = lisRtf(octets); })) {
        EXIGE(!octets.trimmed().startsWith("{\\rtf"));
        return 0;
    }
    EXIGE(!lettre.paragraphes.isEmpty());
    const QByteArray ecrit = ecritRtf(lettre);
    EXIGE(lisRtf(ecrit) == lettre, QString::fromLatin1(ecrit));
    return 0;
}
