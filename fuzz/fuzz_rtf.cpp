// The word processor's RTF reader under any bytes: it either refuses bytes that do not start
// as RTF, or gives a letter of at least one paragraph, with what of the file it does not keep
// named once each; and that letter, written by the program and read again, comes back the
// same and keeps all of its file.

#include "invariants.h"

#include "core/rtf/ecriturertf.h"
#include "core/rtf/lecturertf.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    TDocumentRtf lettre;
    if (refuse([&] { lettre = lisRtf(octets); })) {
        EXIGE(!octets.trimmed().startsWith("{\\rtf"));
        return 0;
    }
    EXIGE(!lettre.paragraphes.isEmpty());
    const std::optional<TLettreLue> lue = lisLettre(octets);
    EXIGE(lue && lue->lettre == lettre);
    EXIGE(QSet<QString>(lue->omis.begin(), lue->omis.end()).size() == lue->omis.size());
    const QByteArray ecrit = ecritRtf(lettre);
    const std::optional<TLettreLue> relue = lisLettre(ecrit);
    EXIGE(relue && relue->lettre == lettre, QString::fromLatin1(ecrit));
    EXIGE(relue->omis.isEmpty(), relue->omis.join(u','));
    return 0;
}
