// The number and date conversions, on any text and any double: a text that does not convert is
// refused with the program's message, never anything else; what converts reads back through its
// own text; a picture rounds to its decimals and no further; the 6-byte real is a fixed point.
//
// The input is the text (UTF-8); its first eight bytes are a double as well.

#include "invariants.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

// The largest magnitude whose text, rounded to 15 significant digits, is still a double.
constexpr double Lisible = 1e308;

template <typename T, typename Conversion> std::optional<T> converti(Conversion&& conversion) {
    std::optional<T> valeur;
    refuse([&] { valeur = conversion(); });
    return valeur;
}

void entiers(const QString& texte) {
    const std::optional<int> n = converti<int>([&] { return StrToInt(texte); });
    if (!n)
        return;
    EXIGE(StrToInt(QString::number(*n)) == *n, texte);
    // A whole number written in decimals is a number as well, of the same value.
    static const QRegularExpression hexadecimal(QStringLiteral("[$xX]"));
    if (!texte.contains(hexadecimal))
        EXIGE(StrToFloat(texte) == *n, texte);
}

void dates(const QString& texte) {
    const std::optional<QDate> date = converti<QDate>([&] { return StrToDate(texte); });
    if (!date)
        return;
    EXIGE(date->isValid() && date->year() >= 1, texte);
    EXIGE(StrToDate(DateToStr(*date)) == *date, DateToStr(*date));
}

// A picture and the text it gives: its decimals, required or optional, and half its last step.
struct Image {
    QString format;
    QRegularExpression forme;
    double demiPas;
};

void images(double x) {
    static const Image images[] = {
        {QStringLiteral("0.00"), QRegularExpression(QStringLiteral("^-?[0-9]+,[0-9]{2}$")), 0.005},
        {QStringLiteral("0.0"), QRegularExpression(QStringLiteral("^-?[0-9]+,[0-9]$")), 0.05},
        {QStringLiteral("#"), QRegularExpression(QStringLiteral("^(-?[1-9][0-9]*)?$")), 0.5},
        {QStringLiteral("#.00"), QRegularExpression(QStringLiteral("^-?[0-9]*,[0-9]{2}$")), 0.005},
    };
    for (const Image& image : images) {
        const QString texte = FormatFloat(image.format, x);
        if (!std::isfinite(x) || std::fabs(x) >= Lisible)
            continue;
        EXIGE(image.forme.match(texte).hasMatch(), image.format + u' ' + texte);
        const double relu = texte.isEmpty() ? 0 : StrToFloat(texte);
        EXIGE(std::fabs(relu - x) <= image.demiPas * (1 + 1e-9) + std::fabs(x) * 1e-14,
              image.format + u' ' + texte + u' ' + FloatToStr(x));
    }
}

// The standard text keeps 15 significant digits: a value that has no more reads back exactly.
void texteStandard(double x) {
    const QString texte = FloatToStr(x);
    if (!std::isfinite(x) || std::fabs(x) >= Lisible)
        return;
    const double relu = StrToFloat(texte);
    EXIGE(std::fabs(relu - x) <= std::fabs(x) * 1e-14 + DBL_TRUE_MIN, texte);
    if (std::fabs(x) < DBL_MIN)
        return;
    EXIGE(FloatToStr(relu) == texte, texte + u' ' + FloatToStr(relu));
    EXIGE(StrToFloat(FloatToStr(relu)) == relu, texte);
}

void reel48(double x) {
    const std::optional<double> r = converti<double>([&] { return Real48(x); });
    if (!r || !std::isfinite(*r))
        return;
    EXIGE(Real48(*r) == *r, FloatToStr(x));
    if (std::fabs(x) >= std::ldexp(1.0, -126))
        EXIGE(std::fabs(*r - x) <= std::fabs(x) * std::ldexp(1.0, -39), FloatToStr(x));
    EXIGE(StrToFloat(FloatToStr(*r)) == *r, FloatToStr(*r));
}

void nombres(double x) {
    images(x);
    texteStandard(x);
    reel48(x);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const Clock::Fixed jour(QDateTime(QDate(2024, 6, 15), QTime(10, 0)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    entiers(texte);
    dates(texte);
    if (const std::optional<double> x = converti<double>([&] { return StrToFloat(texte); })) {
        EXIGE(std::isfinite(*x), texte);
        nombres(*x);
    }
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        nombres(x);
    }
    return 0;
}
