#include "cp1252.h"

#include <array>

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

} // namespace

namespace Cp1252 {

QString decode(const char* data, qsizetype size) {
    const auto& map = tables().toUnicode;
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = map[static_cast<unsigned char>(data[i])];
    return text;
}

bool encode(const QString& text, QByteArray& out, qsizetype* badPosition) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dest = out.data() + start;
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = src[i];
        if (c < 0x80) {
            dest[i] = char(c);
            continue;
        }
        const int b = byteFor(c);
        if (b < 0) {
            out.resize(start);
            if (badPosition)
                *badPosition = i;
            return false;
        }
        dest[i] = char(b);
    }
    return true;
}

bool canEncode(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80 && byteFor(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace Cp1252
