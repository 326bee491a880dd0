#pragma once

#include <QtGlobal>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The lines of a file's bytes, cut as TextFile reads them (CR LF, CR or LF ends a line, a last
// line without its end still counts), without decoding them: each line is given as the place
// and length of its bytes, line end left out.
namespace Decoupage {

// The first CR or LF from `debut`, or `taille` when there is none: sixteen bytes at a time
// where the processor allows it, since every byte of a base passes here when it is opened.
inline qsizetype finLigne(const char* data, qsizetype debut, qsizetype taille) {
    qsizetype i = debut;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= taille; i += 16) {
        const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const int masque =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(octets, cr), _mm_cmpeq_epi8(octets, lf)));
        if (masque != 0)
            return i + __builtin_ctz(unsigned(masque));
    }
#endif
    for (; i < taille; ++i)
        if (data[i] == '\r' || data[i] == '\n')
            return i;
    return taille;
}

// Calls ligne(debut, longueur) for each line of the bytes, in order.
template <typename Ligne> void lignes(const char* data, qsizetype taille, Ligne ligne) {
    for (qsizetype debut = 0; debut < taille;) {
        const qsizetype fin = finLigne(data, debut, taille);
        ligne(debut, fin - debut);
        debut = fin + 1;
        if (fin + 1 < taille && data[fin] == '\r' && data[fin + 1] == '\n')
            ++debut;
    }
}

} // namespace Decoupage
