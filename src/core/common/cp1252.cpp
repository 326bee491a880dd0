#include "core/common/cp1252.h"

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

// True when some byte lies in 0x80..0x9F, the only bytes that are not Latin-1: sixteen bytes at
// a time, the end of a long text as its last sixteen, so that the compiler uses vectors.
bool highHalfIn16(const char* data) {
    unsigned char found = 0;
    for (int k = 0; k < 16; ++k)
        found |= (static_cast<unsigned char>(data[k]) & 0xE0) == 0x80;
    return found;
}

bool hasHighHalf(const char* data, qsizetype size) {
    qsizetype i = 0;
    for (; i + 16 <= size; i += 16)
        if (highHalfIn16(data + i))
            return true;
    if (i < size && size >= 16)
        return highHalfIn16(data + size - 16);
    for (; i < size; ++i)
        if ((static_cast<unsigned char>(data[i]) & 0xE0) == 0x80)
            return true;
    return false;
}

// Writes the bytes of `Count` characters when all of them are ASCII. The loop runs over a fixed
// count into a local array, which the compiler turns into a few vector instructions.
template <int Count> bool writeAscii(const char16_t* text, char* out) {
    char16_t all = 0;
    char bytes[Count];
    for (int k = 0; k < Count; ++k) {
        all |= text[k];
        bytes[k] = char(text[k]);
    }
    if (all >= 0x80)
        return false;
    std::memcpy(out, bytes, Count);
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
    // Sixteen ASCII characters at a time, and the end of a long text as its last sixteen, over
    // some already written.
    qsizetype i = 0;
    while (i + 16 <= size && writeAscii<16>(src + i, out + i))
        i += 16;
    if (i < size && i + 16 > size && size >= 16 && writeAscii<16>(src + size - 16, out + size - 16))
        return -1;
    while (i < size) {
        if (i + 4 <= size && writeAscii<4>(src + i, out + i)) {
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

QString refus(const QString& text, const QString& ou) {
    if (canEncode(text))
        return QString();
    QByteArray bytes;
    qsizetype bad = 0;
    encode(text, bytes, &bad);
    return QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans %2")
        .arg(text.mid(bad, text[bad].isHighSurrogate() ? 2 : 1), ou);
}

} // namespace Cp1252
