#include "core/records/adressecourriel.h"

#include <QRegularExpression>

bool estAdresseCourriel(const QString& texte) {
    static const QRegularExpression adresse(
        QStringLiteral("^[A-Za-z0-9_+][A-Za-z0-9._+-]*@[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?"
                       "(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)+$"));
    return texte.size() <= 254 && adresse.match(texte).hasMatch();
}

QString refusAdresseCourriel(const QString& texte) {
    return QStringLiteral("« %1 » n'est pas une adresse e-mail simple (nom@domaine.fr)").arg(texte);
}
