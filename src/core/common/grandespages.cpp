#include "core/common/grandespages.h"

#include <sys/mman.h>

namespace GrandesPages {

void demande(void* debut, qsizetype octets) {
#ifdef MADV_HUGEPAGE
    // Only the huge pages that lie wholly inside the buffer: the advice covers whole pages, and
    // a page shared with another allocation is left as it is.
    constexpr quintptr Grande = quintptr(2) << 20;
    const quintptr premier = (quintptr(debut) + Grande - 1) & ~(Grande - 1);
    const quintptr fin = (quintptr(debut) + quintptr(octets)) & ~(Grande - 1);
    if (fin > premier)
        ::madvise(reinterpret_cast<void*>(premier), fin - premier, MADV_HUGEPAGE);
#else
    Q_UNUSED(debut);
    Q_UNUSED(octets);
#endif
}

} // namespace GrandesPages
