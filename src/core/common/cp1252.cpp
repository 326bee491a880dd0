#include "cp1252.h"

#include <array>
#include <cstring>

namespace {

constexpr char16_t kHighHalf[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    Tables() {
        for (int b = 0; b < 256; ++b)
            toUnicode[b] = (b >= 0x80 && b < 0xA0) ? kHighHalf[b - 0x80] : char16_t(b);
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHighHalf[i] == c)
            return 0x80 + i;
    return -1;
}

// True when some byte lies in 0x80..0x9F, the only bytes that are not Latin-1. Eight bytes
// at a time: a byte b is in that range when (b & 0xE0) ^ 0x80 is zero.
bool hasHighHalf(const char* data, qsizetype size) {
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        const quint64 t = (word & 0xE0E0E0E0E0E0E0E0ULL) ^ highs;
        if ((t - ones) & ~t & highs)
            return true;
    }
    for (; i < size; ++i)
        if ((static_cast<unsigned char>(data[i]) & 0xE0) == 0x80)
            return true;
    return false;
}

// The bytes of four characters when all of them are ASCII (no bit of the mask set in any),
// packed in their order whatever the byte order of the machine.
bool fourAscii(const char16_t* text, quint32& bytes) {
    quint64 four;
    std::memcpy(&four, text, 8);
    if (four & 0xFF80FF80FF80FF80ULL)
        return false;
    bytes = quint32((four & 0xFF) | (four >> 8 & 0xFF00) | (four >> 16 & 0xFF0000) |
                    (four >> 24 & 0xFF000000));
    return true;
}

} // namespace

namespace Cp1252 {

QString decode(const char* data, qsizetype size) {
    // Latin-1 everywhere but in 0x80..0x9F: convert as Latin-1, then mend those bytes.
    QString text = QString::fromLatin1(data ? data : "", size);
    if (hasHighHalf(data, size)) {
        const auto& map = tables().toUnicode;
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (qsizetype i = 0; i < size; ++i)
            out[i] = map[static_cast<unsigned char>(data[i])];
    }
    return text;
}

qsizetype encodeTo(QStringView text, char* out) {
    const char16_t* src = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        quint32 bytes;
        if (i + 4 <= size && fourAscii(src + i, bytes)) {
            std::memcpy(out + i, &bytes, 4);
            i += 4;
            continue;
        }
        const int b = byteFor(src[i]);
        if (b < 0)
            return i;
        out[i++] = char(b);
    }
    return -1;
}

bool encode(const QString& text, QByteArray& out, qsizetype* badPosition) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    const qsizetype bad = encodeTo(text, out.data() + start);
    if (bad < 0)
        return true;
    out.resize(start);
    if (badPosition)
        *badPosition = bad;
    return false;
}

bool canEncode(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80 && byteFor(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace Cp1252
