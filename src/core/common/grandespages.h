#pragma once

#include <QtGlobal>

// Large buffers (the bytes of a base's file, the index of its lines) are filled right after they
// are allocated. Asking the system to back them with huge pages maps them by 2 MB instead of
// 4 KB, so that filling them takes a few page faults instead of thousands; where the system
// has no such pages, nothing changes.
namespace GrandesPages {

void demande(void* debut, qsizetype octets);

} // namespace GrandesPages
