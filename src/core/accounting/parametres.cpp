#include "core/accounting/parametres.h"

#include "core/common/conversions.h"
#include "core/store/tlistebase.h"

QString NormaliseCompte(const QString& texte) {
    return (texte.trimmed() + QStringLiteral("00000")).left(6);
}

QChar filtreTaux(QChar touche) {
    if (touche == u'.')
        return u',';
    if ((touche >= u'0' && touche <= u'9') || touche == u',')
        return touche;
    return QChar();
}

QString TexteTaux(double taux) {
    return FormatFloat(QStringLiteral("0.00"), taux);
}

TParametresCommandes LitParametres(const std::array<QString, 3>& taux, int nbDecimales,
                                   const std::array<QString, NbConditions>& conditions) {
    TParametresCommandes p;
    for (std::size_t i = 0; i < taux.size(); ++i)
        p.tauxTVA[i] = Real48(StrToFloat(taux[i].trimmed()));
    p.nbDecimales = nbDecimales;
    for (const QString& condition : conditions) {
        if (condition.isEmpty())
            continue;
        TListeBase::verifieLigne(condition);
        p.reglements.append(condition);
    }
    return p;
}

QString FormatMontant(int nbDecimales, const QString& actuel) {
    switch (nbDecimales) {
    case 0:
        // "0" and not "#": an amount below one half shows "0", never an empty text.
        return QStringLiteral("0");
    case 1:
        return QStringLiteral("0.0");
    case 2:
        return QStringLiteral("0.00");
    default:
        return actuel;
    }
}
