#include "core/common/conversions.h"

#include "core/common/clock.h"
#include "core/common/decimaldigits.h"
#include "core/common/usererror.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

[[noreturn]] void notInteger(const QString& text) {
    throw UserError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
}

[[noreturn]] void notDate(const QString& text) {
    throw UserError(QStringLiteral("'%1' n'est pas une date correcte").arg(text));
}

// Scans up to four digits at pos; -1 when there is none.
int scanNumber(const QString& text, qsizetype& pos, int& digitCount) {
    int value = 0;
    digitCount = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128 &&
           digitCount < 4) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digitCount;
    }
    return digitCount ? value : -1;
}

} // namespace

void PasUnFlottant(const QString& text) {
    throw UserError(QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(text));
}

int StrToInt(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        negative = text[pos++] == u'-';
    int base = 10;
    if (pos < text.size() && text[pos] == u'$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == u'0' &&
               (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size())
        notInteger(text);
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            notInteger(text);
        value = value * base + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            notInteger(text);
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        notInteger(text);
    return static_cast<int>(value);
}

double StrToFloat(const QString& text) {
    std::string plain;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto ascii = [&](qsizetype i) {
        return text[i].unicode() < 128 ? char(text[i].unicode()) : '\0';
    };
    while (pos < size && isBlank(text[pos]))
        ++pos;
    // A plus sign is allowed, but the conversion below reads none.
    if (pos < size && ascii(pos) == '-')
        plain += ascii(pos++);
    else if (pos < size && ascii(pos) == '+')
        ++pos;
    int mantissaDigits = 0;
    while (pos < size && ascii(pos) >= '0' && ascii(pos) <= '9') {
        plain += ascii(pos++);
        ++mantissaDigits;
    }
    if (pos < size && ascii(pos) == ',') {
        plain += '.';
        ++pos;
        while (pos < size && ascii(pos) >= '0' && ascii(pos) <= '9') {
            plain += ascii(pos++);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        PasUnFlottant(text);
    if (pos < size && (ascii(pos) == 'e' || ascii(pos) == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < size && (ascii(pos) == '-' || ascii(pos) == '+'))
            plain += ascii(pos++);
        int exponentDigits = 0;
        while (pos < size && ascii(pos) >= '0' && ascii(pos) <= '9') {
            plain += ascii(pos++);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            PasUnFlottant(text);
    }
    while (pos < size && isBlank(text[pos]))
        ++pos;
    if (pos != size)
        PasUnFlottant(text);
    // The text is converted the same way whatever the process's regional settings.
    double value = 0;
    const auto [fin, erreur] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (erreur != std::errc() || fin != plain.data() + plain.size() || !std::isfinite(value))
        PasUnFlottant(text);
    return value;
}

QDate StrToDate(const QString& text) {
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    skipBlanks();
    while (count < 3) {
        numbers[count] = scanNumber(text, pos, digits[count]);
        if (numbers[count] < 0)
            notDate(text);
        ++count;
        skipBlanks();
        if (pos < text.size() && text[pos] == u'/' && count < 3) {
            ++pos;
            skipBlanks();
        } else {
            break;
        }
    }
    if (pos != text.size() || count < 2)
        notDate(text);
    // The day's date is read only for a date that needs it: it costs a look at the time zone.
    const bool siecleDuJour = count < 3 || digits[2] <= 2;
    const int currentYear = siecleDuJour ? Clock::today().year() : 0;
    int year = count == 3 ? numbers[2] : currentYear;
    if (count == 3 && digits[2] <= 2) {
        year += currentYear / 100 * 100;
        if (year < currentYear - 50)
            year += 100;
    }
    const QDate date(year, numbers[1], numbers[0]);
    if (!date.isValid() || year < 1)
        notDate(text);
    return date;
}

namespace {

// What a format's picture asks: the integer digits always shown, the decimals always shown,
// and the decimals at most.
struct Picture {
    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int decimals = 0;
};

Picture pictureOf(const QString& format) {
    // A program formats with one format after another: the last one is kept read.
    thread_local QString lastFormat;
    thread_local Picture last;
    if (format == lastFormat)
        return last;
    const QString picture = format.section(u';', 0, 0);
    const qsizetype point = picture.indexOf(u'.');
    const QString integerPart = point < 0 ? picture : picture.left(point);
    const QString fractionPart = point < 0 ? QString() : picture.mid(point + 1);
    last.minIntegerDigits = int(integerPart.count(u'0'));
    last.requiredDecimals = int(fractionPart.count(u'0'));
    last.decimals = last.requiredDecimals + int(fractionPart.count(u'#'));
    lastFormat = format;
    return last;
}

} // namespace

QString FormatFloat(const QString& format, double value) {
    const auto [minIntegerDigits, requiredDecimals, decimals] = pictureOf(format);

    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
               : value > 0       ? QStringLiteral("INF")
                                 : QStringLiteral("-INF");
    DecimalDigits d = DecimalDigits::of(value);
    d.roundSignificant(15);
    d.roundDecimals(decimals);

    // The integer digits without their leading zeros, then as many zeros in front as the
    // picture asks; the decimals without the trailing zeros it does not ask for.
    int premier = 0;
    while (premier < d.exponent && d.digitAt(premier) == '0')
        ++premier;
    const int chiffresEntiers = std::max(d.exponent - premier, 0);
    int gardees = decimals;
    while (gardees > requiredDecimals && d.digitAt(d.exponent + gardees - 1) == '0')
        --gardees;

    QString result;
    result.reserve(std::max(chiffresEntiers, minIntegerDigits) + gardees + 2);
    if (d.negative && !d.isZero())
        result += u'-';
    for (int i = chiffresEntiers; i < minIntegerDigits; ++i)
        result += u'0';
    for (int i = premier; i < d.exponent; ++i)
        result += QLatin1Char(d.digitAt(i));
    if (gardees > 0) {
        result += u',';
        for (int i = 0; i < gardees; ++i)
            result += QLatin1Char(d.digitAt(d.exponent + i));
    }
    return result;
}

QString FloatToStr(double value) {
    if (!std::isfinite(value))
        return FormatFloat(QStringLiteral("0"), value);
    DecimalDigits d = DecimalDigits::of(value);
    d.roundSignificant(15);
    if (d.isZero())
        return QStringLiteral("0");
    QString result = d.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits.c_str());
    if (d.exponent > 15 || d.exponent < -4) {
        result += digits.left(1);
        if (digits.size() > 1)
            result += u',' + digits.mid(1);
        return result + u'E' + QString::number(d.exponent - 1);
    }
    if (d.exponent <= 0)
        return result + QStringLiteral("0,") + QString(-d.exponent, u'0') + digits;
    result += digits.left(d.exponent).leftJustified(d.exponent, u'0');
    if (digits.size() > d.exponent)
        result += u',' + digits.mid(d.exponent);
    return result;
}

QString DateToStr(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

namespace {

// Rounds to the 40 significant bits of a 6-byte real (round half to even, as the FPU does).
// Returns false when the result is beyond the largest 6-byte real, 2^127 - 2^87.
bool roundToReal48Bits(double value, double& rounded) {
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    if (exponent < -127) {
        rounded = 0.0;
        return true;
    }
    rounded = std::ldexp(std::nearbyint(std::ldexp(mantissa, 40)), exponent - 40);
    return std::fabs(rounded) < std::ldexp(1.0, 127);
}

} // namespace

double Real48(double value) {
    if (value == 0 || !std::isfinite(value))
        return value;
    double stored = 0;
    if (!roundToReal48Bits(value, stored))
        throw UserError(QStringLiteral("Débordement de virgule flottante"));
    if (stored == 0)
        return 0.0;
    // The shortest decimal that reads back as the same 6-byte real; a shorter one that lies
    // beyond the type's range ("2E38" for 1,6E38) is no candidate.
    char buffer[40];
    // The value's shortest decimal, within 2^-53 times the value of it. A candidate of p digits
    // lies at least min(r, 1 - r) units of its last place away, r being the part of that unit
    // the digits after the p-th make; half the last place of a 6-byte real is at most 2^-40
    // times the value. A candidate clearly beyond (with a margin over every rounding here) is
    // not tried.
    const auto court =
        std::to_chars(buffer, buffer + sizeof buffer, stored, std::chars_format::scientific);
    char chiffres[17];
    int nbChiffres = 0;
    for (const char* c = buffer; c != court.ptr && *c != 'e' && nbChiffres < 17; ++c)
        if (*c >= '0' && *c <= '9')
            chiffres[nbChiffres++] = *c;
    // reste[p]: what the digits after the p-th make of a unit of the p-th.
    double reste[18] = {};
    for (int i = nbChiffres - 1; i >= 0; --i)
        reste[i] = (reste[i + 1] + (chiffres[i] - '0')) * 0.1;
    double seuil = 2e-12;
    for (int precision = 1; precision <= 17; ++precision) {
        seuil *= 10;
        if (precision < nbChiffres && std::min(reste[precision], 1 - reste[precision]) > seuil)
            continue;
        const auto fin = std::to_chars(buffer, buffer + sizeof buffer, stored,
                                       std::chars_format::scientific, precision - 1);
        double candidate = 0;
        std::from_chars(buffer, fin.ptr, candidate);
        double arrondi = 0;
        if (roundToReal48Bits(candidate, arrondi) && arrondi == stored)
            return candidate;
    }
    return stored;
}

QString NomMois(int month) {
    static const char16_t* const names[12] = {u"Janvier",   u"Février", u"Mars",     u"Avril",
                                              u"Mai",       u"Juin",    u"Juillet",  u"Août",
                                              u"Septembre", u"Octobre", u"Novembre", u"Décembre"};
    return month >= 1 && month <= 12 ? QString::fromUtf16(names[month - 1]) : QString();
}
