#include "core/tools/tpocketcalc.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <charconv>
#include <cmath>

namespace {

const QString zeroDivide = QStringLiteral("Division flottante par zéro");
const QString invalidOp = QStringLiteral("Opération en virgule flottante incorrecte");
const QString overflow = QStringLiteral("Débordement de virgule flottante");

// A computed value as the calculator holds it: a 6-byte real, or the runtime's error.
double reel(double value) {
    if (std::isnan(value))
        throw UserError(invalidOp);
    if (std::isinf(value))
        throw UserError(overflow);
    return Real48(value);
}

// The number with `digits` significant digits, as "d.ddde+xx", whatever the regional settings.
QString chiffres(double value, int digits) {
    char buffer[40];
    const auto fin = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, digits - 1);
    return QString::fromLatin1(buffer, fin.ptr - buffer);
}

double significatif(double value, int digits) {
    const QByteArray text = chiffres(value, digits).toLatin1();
    double arrondi = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), arrondi);
    return arrondi;
}

QString scientifique(double value, int digits) {
    QString text = chiffres(value, digits).toUpper();
    const qsizetype e = text.indexOf(u'E');
    QString mantissa = text.left(e).replace(u'.', u',');
    if (mantissa.contains(u',')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u','))
            mantissa.chop(1);
    }
    return mantissa + u'E' + QString::number(text.mid(e + 1).toInt());
}

// The shown text of a result: the standard number text, or, when that is wider than the
// display, the same number with as few digits dropped as needed, never cut in the middle.
QString texteAffiche(double value) {
    const int width = TPocketCalc::LargeurAffichage;
    for (int digits = 15; digits > 0; --digits) {
        const QString text = FloatToStr(significatif(value, digits));
        if (text.size() <= width)
            return text;
    }
    for (int digits = 15; digits > 1; --digits) {
        const QString text = scientifique(value, digits);
        if (text.size() <= width)
            return text;
    }
    return scientifique(value, 1);
}

} // namespace

QString TPocketCalc::boutonDeTouche(QChar key) {
    switch (key.unicode()) {
    case u'.':
    case u',':
        return QStringLiteral(",");
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'=':
        return QString(key);
    case u'C':
    case u'c':
        return QStringLiteral("C");
    case u'S':
    case u's':
        return QStringLiteral("sqr");
    case u'X':
    case u'x':
        return QStringLiteral("1/x");
    default:
        return key >= u'0' && key <= u'9' ? QString(key) : QString();
    }
}

void TPocketCalc::presse(const QString& bouton) {
    if (bouton.size() == 1 && bouton[0] >= u'0' && bouton[0] <= u'9')
        chiffre(bouton[0]);
    else if (bouton == u",")
        virgule();
    else if (bouton == u"=")
        evalue();
    else if (bouton == u"+" || bouton == u"-" || bouton == u"*" || bouton == u"/")
        operateur(bouton[0]);
    else if (bouton == u"1/x")
        inverse();
    else if (bouton == u"sqr")
        racine();
    else if (bouton == u"C")
        efface();
}

void TPocketCalc::chiffre(QChar digit) {
    if (m_nouvelleSaisie)
        m_affichage.clear();
    m_nouvelleSaisie = false;
    if (m_affichage.size() < LargeurAffichage)
        m_affichage += digit;
}

// A comma after a result starts a new number ("0,"); a second comma in a number is ignored.
void TPocketCalc::virgule() {
    if (m_nouvelleSaisie || m_affichage.isEmpty()) {
        m_affichage = QStringLiteral("0,");
        m_nouvelleSaisie = false;
    } else if (!m_affichage.contains(u',') && m_affichage.size() < LargeurAffichage) {
        m_affichage += u',';
    }
}

void TPocketCalc::evalue() {
    if (!m_accuPlein) {
        try {
            m_accu = reel(StrToFloat(m_affichage));
        } catch (const UserError&) {
            m_affichage.clear();
            return;
        }
        m_accuPlein = true;
        m_nouvelleSaisie = true;
        return;
    }
    const double operande = reel(StrToFloat(m_affichage));
    double accu = m_accu;
    switch (m_operateur.unicode()) {
    case u'+':
        accu = reel(m_accu + operande);
        break;
    case u'-':
        accu = reel(m_accu - operande);
        break;
    case u'*':
        accu = reel(m_accu * operande);
        break;
    case u'/':
        if (operande == 0)
            throw UserError(m_accu == 0 ? invalidOp : zeroDivide);
        accu = reel(m_accu / operande);
        break;
    default:
        break;
    }
    montre(accu);
}

void TPocketCalc::operateur(QChar op) {
    evalue();
    m_operateur = op;
}

void TPocketCalc::inverse() {
    const double operande = reel(StrToFloat(m_affichage));
    if (operande == 0)
        throw UserError(zeroDivide);
    montre(reel(1 / operande));
}

void TPocketCalc::racine() {
    const double operande = reel(StrToFloat(m_affichage));
    if (operande < 0)
        throw UserError(invalidOp);
    montre(reel(std::sqrt(operande)));
}

void TPocketCalc::montre(double resultat) {
    m_accu = resultat;
    m_affichage = texteAffiche(resultat);
    m_accuPlein = true;
    m_nouvelleSaisie = true;
}

void TPocketCalc::efface() {
    m_affichage.clear();
    m_accu = 0;
    m_operateur = QChar();
    m_accuPlein = false;
}
