#include "core/store/saisies.h"

#include "core/common/cp1252.h"
#include "core/store/selections.h"

bool TSaisieDef::accepte(QChar c) const {
    // What is typed here may be kept in the settings files, which hold only Windows-1252.
    if (caracteres.isEmpty())
        return Cp1252::canEncode(QString(c));
    return c == QChar(8) || c == u'\t' || caracteres.contains(c);
}

QString TSaisieDef::resultat(const QString& texte) const {
    return majuscules ? majusculesAscii(texte) : texte;
}

namespace Saisies {

namespace {
const QString Chiffres = QStringLiteral("0123456789");
} // namespace

const TSaisieDef& TRNom() {
    static const TSaisieDef d{QStringLiteral("Recherche par nom"), QStringLiteral("Début nom"),
                              QString(), false};
    return d;
}

const TSaisieDef& TRNum() {
    static const TSaisieDef d{QStringLiteral("Recherche par code locataire"),
                              QStringLiteral("N° locateire"), Chiffres, false};
    return d;
}

const TSaisieDef& TRTel() {
    static const TSaisieDef d{QStringLiteral("Recherche par téléphone"),
                              QStringLiteral("Téléphone"), QStringLiteral("1234567890 ."), false};
    return d;
}

const TSaisieDef& TRLot() {
    static const TSaisieDef d{QStringLiteral("Recherche par nom"), QStringLiteral("Début nom"),
                              QString(), false};
    return d;
}

const TSaisieDef& TRNumL() {
    static const TSaisieDef d{QStringLiteral("Recherche par numéro lot"), QStringLiteral("N° lot"),
                              Chiffres, false};
    return d;
}

const TSaisieDef& TFcp() {
    static const TSaisieDef d{QStringLiteral("Code postal"), QStringLiteral("Code postal"),
                              Chiffres, false};
    return d;
}

const TSaisieDef& TVille() {
    static const TSaisieDef d{QStringLiteral("Ville"), QStringLiteral("Ville"), QString(), true};
    return d;
}

const TSaisieDef& SelQuittances() {
    static const TSaisieDef d{QStringLiteral("Sélectionner Quittances"),
                              QStringLiteral("N° locataire"), QString(), false};
    return d;
}

const TSaisieDef& SelAvis() {
    static const TSaisieDef d{QStringLiteral("Sélectionner avis d'échéance"),
                              QStringLiteral("N° locataire"), QString(), false};
    return d;
}

} // namespace Saisies
