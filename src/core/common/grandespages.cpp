#include "core/common/grandespages.h"

#include <sys/mman.h>

namespace GrandesPages {

void demande(void* debut, qsizetype octets) {
#ifdef MADV_HUGEPAGE
    // Only the huge pages that lie wholly inside the buffer: the advice covers whole pages, and
    // a page shared with another allocation is left as it is.
    constexpr qsizetype Grande = qsizetype(2) << 20;
    const qsizetype avant =
        qsizetype((Grande - reinterpret_cast<quintptr>(debut) % Grande) % Grande);
    const qsizetype pages = (octets - avant) / Grande;
    if (octets > avant && pages > 0)
        ::madvise(static_cast<char*>(debut) + avant, size_t(pages * Grande), MADV_HUGEPAGE);
#else
    Q_UNUSED(debut);
    Q_UNUSED(octets);
#endif
}

} // namespace GrandesPages
