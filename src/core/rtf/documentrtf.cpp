#include "core/rtf/documentrtf.h"

#include <QStringList>

QString TParagraphe::texte() const {
    QString tout;
    for (const TFragment& fragment : fragments)
        tout += fragment.texte;
    return tout;
}

void TParagraphe::ajoute(const QString& texte, const TCaractere& format) {
    if (texte.isEmpty())
        return;
    if (!fragments.isEmpty() && fragments.last().format == format)
        fragments.last().texte += texte;
    else
        fragments.append({texte, format});
}

QString TDocumentRtf::texte() const {
    QStringList lignes;
    for (const TParagraphe& paragraphe : paragraphes)
        lignes.append(paragraphe.texte());
    return lignes.join(u'\n');
}
