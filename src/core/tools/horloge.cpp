#include "core/tools/horloge.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <QTimeZone>

namespace Horloge {

namespace {

struct Place {
    bool dansDate;
    int debut;
    int largeur;
    int minimum;
    int maximum;
};

Place place(Champ champ) {
    switch (champ) {
    case Champ::Heures:
        return {false, 0, 2, 0, 23};
    case Champ::Minutes:
        return {false, 3, 2, 0, 59};
    case Champ::Jour:
        return {true, 0, 2, 1, 31};
    case Champ::Mois:
        return {true, 3, 2, 1, 12};
    case Champ::Annee:
        return {true, 6, 4, 1900, 2099};
    }
    return {};
}

} // namespace

QString texteHeure(const QTime& heure) {
    return heure.toString(QStringLiteral("HH:mm:ss"));
}

QString texteDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

void ajuste(Champ champ, int pas, QString& heure, QString& date) {
    const Place p = place(champ);
    QString& texte = p.dansDate ? date : heure;
    QString chiffres = texte.mid(p.debut, p.largeur);
    bool nombre = false;
    int valeur = chiffres.toInt(&nombre);
    if (!nombre)
        return;
    if (champ == Champ::Annee && chiffres.size() == 2)
        valeur += 1900;
    valeur = std::clamp(valeur + pas, p.minimum, p.maximum);
    texte.replace(p.debut, chiffres.size(),
                  QStringLiteral("%1").arg(valeur, p.largeur, 10, QLatin1Char('0')));
}

QDateTime instant(const QString& heure, const QString& date, const QTimeZone& zone) {
    const QDate jour = StrToDate(date);
    const QTime temps = QTime::fromString(heure, QStringLiteral("HH:mm:ss"));
    if (!temps.isValid())
        throw UserError(QStringLiteral("'%1' n'est pas une heure correcte").arg(heure));
    return QDateTime(jour, temps, zone).toUTC();
}

} // namespace Horloge
