#include "core/documents/enlettres.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <climits>

namespace {

const char16_t* const unites[17] = {u"",      u"un",     u"deux",     u"trois",  u"quatre", u"cinq",
                                    u"six",   u"sept",   u"huit",     u"neuf",   u"dix",    u"onze",
                                    u"douze", u"treize", u"quatorze", u"quinze", u"seize"};
const char16_t* const dizaines[9] = {
    u"", u"", u"vingt", u"trente", u"quarante", u"cinquante", u"soixante", u"", u"quatre-vingt"};
const char16_t* const echelles[4] = {u"cent", u"mille", u"million", u"milliard"};

QString mot(const char16_t* word) {
    return u' ' + QString::fromUtf16(word);
}

} // namespace

QString EnLettres(int value) {
    if (value == 0)
        return QStringLiteral(" zéro");
    QString result;
    qint64 n = value < 0 ? -qint64(value) : qint64(value);
    int group = 0;
    while (n != 0) {
        int u = int(n % 10);
        n /= 10;
        int d = int(n % 10);
        n /= 10;
        // 70..79 are said 60 + 10..19, 90..99 are said 80 + 10..19.
        if (d == 1 || d == 7 || d == 9) {
            --d;
            u += 10;
        }
        QString text;
        if (d > 1) {
            text = mot(dizaines[d]);
            if (d < 8 && (u == 1 || u == 11))
                text += QStringLiteral(" et");
        }
        if (u > 16) {
            text += mot(unites[10]);
            u -= 10;
        }
        if (u > 0)
            text += mot(unites[u]);
        if (result.isEmpty() && d == 8 && u == 0)
            result = QStringLiteral("s");
        result = text + result;

        const int h = int(n % 10);
        n /= 10;
        if (h > 0) {
            text = (h > 1 ? mot(unites[h]) : QString()) + mot(echelles[0]);
            if (result.isEmpty() && h > 1)
                result = QStringLiteral("s");
            result = text + result;
        }

        if (n > 0) {
            ++group;
            const int next = int(n % 1000);
            if (next > 1 && group > 1)
                result.prepend(u's');
            if (next > 0)
                result = mot(echelles[group]) + result;
            // One thousand is said "mille", not "un mille".
            if (next == 1 && group == 1)
                n -= 1;
        }
    }
    if (value < 0)
        result.prepend(QStringLiteral("moins"));
    return result;
}

QString MontantEnLettres(double total) {
    const QString text = FormatFloat(QStringLiteral("0.00"), total);
    const bool negative = text.startsWith(u'-');
    const qsizetype comma = text.indexOf(u',');
    const QString integerDigits = text.mid(negative ? 1 : 0, comma - (negative ? 1 : 0));
    bool fits = false;
    const qlonglong euros = integerDigits.toLongLong(&fits);
    if (!fits || euros > INT_MAX)
        throw UserError(QStringLiteral("Erreur de vérification d'étendue"));
    const int cents = text.mid(comma + 1).toInt();

    QString words = (negative ? QStringLiteral("moins") : QString()) + EnLettres(int(euros)) +
                    QStringLiteral(" Euros") + QStringLiteral(" - ") + EnLettres(cents) +
                    QStringLiteral(" Cts");
    words = words.trimmed();
    words[0] = words[0].toUpper();
    return words;
}
