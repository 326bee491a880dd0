#include "core/banque/textesreleve.h"

#include <QStringList>

namespace TextesReleve {

namespace {

// The most digits an amount takes before its decimals: far beyond any bank line, far from
// the bounds of qint64.
constexpr int ChiffresMax = 13;

bool blanc(QChar c) {
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\'';
}

} // namespace

std::optional<qint64> centimes(QStringView texte, QChar decimale) {
    QStringView t = texte.trimmed();
    bool negatif = false;
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        negatif = t.front() == u'-';
        t = t.mid(1).trimmed();
    }
    const QChar groupe = decimale == u',' ? u'.' : u',';
    qint64 entier = 0;
    int chiffres = 0;
    int decimales = -1;
    qint64 fraction = 0;
    // Digits since the last thousands separator; -1 before the first one.
    int groupe3 = -1;
    const auto groupeComplet = [&] { return groupe3 < 0 || groupe3 == 3; };
    QChar precedent;
    for (const QChar c : t) {
        if (c.isDigit() && c.unicode() < 128) {
            if (decimales >= 0) {
                if (++decimales > 2)
                    return std::nullopt;
                fraction = fraction * 10 + c.digitValue();
            } else {
                if (++chiffres > ChiffresMax)
                    return std::nullopt;
                if (groupe3 >= 0)
                    ++groupe3;
                entier = entier * 10 + c.digitValue();
            }
        } else if (c == decimale && decimales < 0 && chiffres > 0 && groupeComplet()) {
            decimales = 0;
        } else if ((blanc(c) || c == groupe) && decimales < 0 && precedent.isDigit() &&
                   groupeComplet()) {
            groupe3 = 0; // a thousands separator, between digits only
        } else {
            return std::nullopt;
        }
        precedent = c;
    }
    if (chiffres == 0 || !precedent.isDigit() || (decimales < 0 && !groupeComplet()))
        return std::nullopt;
    if (decimales == 1)
        fraction *= 10;
    const qint64 valeur = entier * 100 + (decimales > 0 ? fraction : 0);
    return negatif ? -valeur : valeur;
}

QChar decimaleDe(QStringView texte) {
    const QStringView t = texte.trimmed();
    const qsizetype i = std::max(t.lastIndexOf(u','), t.lastIndexOf(u'.'));
    if (i < 0)
        return u'.';
    const qsizetype apres = t.size() - i - 1;
    const QChar s = t[i];
    // "1,234" is a thousand with a comma for the grouping; "12,5" twelve and a half.
    if (apres >= 1 && apres <= 2)
        return s;
    return s == u',' ? u'.' : u',';
}

std::optional<QDate> date(const QString& texte, const QString& format) {
    QDate d = QDate::fromString(texte.trimmed(), format);
    if (!d.isValid())
        return std::nullopt;
    if (!format.contains(QLatin1String("yyyy")) && d.year() < 2000)
        d = d.addYears(100);
    return d;
}

std::optional<QDate> dateFrancaise(const QString& texte) {
    static const QStringList formats{QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"),
                                     QStringLiteral("dd/MM/yy"),   QStringLiteral("d/M/yy"),
                                     QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
                                     QStringLiteral("dd-MM-yyyy")};
    for (const QString& format : formats)
        if (const std::optional<QDate> d = date(texte, format))
            return d;
    return std::nullopt;
}

} // namespace TextesReleve
