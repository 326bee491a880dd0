#include "core/common/pli.h"

QString PliTexte(const QString& texte) {
    const QString decompose = texte.normalized(QString::NormalizationForm_D).toLower();
    QString resultat;
    resultat.reserve(decompose.size());
    for (QChar c : decompose)
        if (c.category() != QChar::Mark_NonSpacing)
            resultat += c;
    return resultat;
}
