#include "core/common/montants.h"

#include "core/common/conversions.h"

#include <cmath>

QString Rset(const QString& text, int width, const TMesureTexte& mesure) {
    QString result = text.trimmed();
    if (result.isEmpty() || !mesure)
        return result;
    // A measure that stops growing would pad for ever: never pad beyond the width itself.
    while (mesure(result) <= width - 10 && result.size() <= width)
        result.prepend(u' ');
    return result;
}

double LitMontant(const QString& texte) {
    const double valeur = StrToFloat(texte);
    if (texte.contains(u'e', Qt::CaseInsensitive) || std::fabs(valeur) > MontantMaximum)
        PasUnFlottant(texte);
    return valeur;
}

double MontantAffiche(const QString& format, double valeur) {
    const QString montre = FormatFloat(format, valeur);
    return montre.isEmpty() ? 0.0 : Real48(StrToFloat(montre));
}

QString FormatStr(const QString& text, int width, const QString& format,
                  const TMesureTexte& mesure) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    return Rset(FormatFloat(format, Real48(LitMontant(trimmed))), width, mesure);
}

QChar filtreMontant(QChar key) {
    if (key == QChar(8))
        return key;
    if (key == u'.')
        key = u',';
    return QStringLiteral("1234567890,").contains(key) ? key : QChar();
}

QString filtreTexteMontant(const QString& texte) {
    QString garde = texte.isNull() ? QStringLiteral("") : texte;
    for (QChar& c : garde) {
        if (c == u' ' || c == u'-')
            continue;
        c = filtreMontant(c);
        if (c.isNull() || c == QChar(8))
            return QString();
    }
    return garde;
}
