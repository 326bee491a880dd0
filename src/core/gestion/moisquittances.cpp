#include "core/gestion/moisquittances.h"

#include "core/common/conversions.h"

std::optional<int> MoisAnnee(const QString& texte) {
    const QString t = texte.trimmed();
    const qsizetype blanc = t.indexOf(u' ');
    if (blanc < 0)
        return std::nullopt;
    bool ok = false;
    const int annee = t.mid(blanc + 1).trimmed().toInt(&ok);
    if (!ok || annee < 1 || annee > 9999)
        return std::nullopt;
    const QString nom = t.left(blanc);
    for (int m = 1; m <= 12; ++m)
        if (nom.compare(NomMois(m), Qt::CaseInsensitive) == 0)
            return annee * 100 + m;
    return std::nullopt;
}

QString TexteMoisAnnee(int moisAnnee) {
    return NomMois(moisAnnee % 100) + u' ' + QString::number(moisAnnee / 100);
}

int MoisSuivant(int moisAnnee) {
    return moisAnnee % 100 == 12 ? (moisAnnee / 100 + 1) * 100 + 1 : moisAnnee + 1;
}
