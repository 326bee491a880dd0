#include "core/rtf/motsrtf.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace MotsRtf {

bool destinationIgnoree(const QByteArray& mot) {
    static const QSet<QByteArray> mots = [] {
        const QList<QByteArray> liste =
            QByteArray("colortbl stylesheet info pict object header headerl headerr headerf "
                       "footer footerl footerr footerf footnote annotation pntext listtext "
                       "fldinst filetbl revtbl rsidtbl listtable listoverridetable shp shpinst "
                       "nonshppict shppict xe tc txe rxe bkmkstart bkmkend atnid atnauthor "
                       "atrfstart atrfend comment template docvar userprops generator xmlnstbl "
                       "themedata colorschememapping latentstyles datastore mmathPr pgdsctbl "
                       "fchars lchars ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn pnseclvl "
                       "private")
                .split(' ');
        return QSet<QByteArray>(liste.begin(), liste.end());
    }();
    return mots.contains(mot);
}

QChar caractere(const QByteArray& mot) {
    static const QHash<QByteArray, QChar> mots = {
        {"tab", u'\t'},
        {"cell", u'\t'},
        {"nestcell", u'\t'},
        {"line", QChar(0x2028)},
        {"emdash", QChar(0x2014)},
        {"endash", QChar(0x2013)},
        {"lquote", QChar(0x2018)},
        {"rquote", QChar(0x2019)},
        {"ldblquote", QChar(0x201C)},
        {"rdblquote", QChar(0x201D)},
        {"bullet", QChar(0x2022)},
        {"emspace", QChar(0x2003)},
        {"enspace", QChar(0x2002)},
        {"qmspace", QChar(0x2005)},
    };
    return mots.value(mot);
}

QString omission(const QByteArray& mot) {
    static const QHash<QByteArray, QString> mots = [] {
        const QString images = QStringLiteral("images");
        const QString tableaux = QStringLiteral("tableaux");
        const QString entetes = QStringLiteral("en-têtes ou pieds de page");
        return QHash<QByteArray, QString>{
            {"pict", images},
            {"shp", images},
            {"shppict", images},
            {"nonshppict", images},
            {"do", images},
            {"object", QStringLiteral("objets")},
            {"trowd", tableaux},
            {"cell", tableaux},
            {"nestcell", tableaux},
            {"row", tableaux},
            {"field", QStringLiteral("champs")},
            {"header", entetes},
            {"headerl", entetes},
            {"headerr", entetes},
            {"headerf", entetes},
            {"footer", entetes},
            {"footerl", entetes},
            {"footerr", entetes},
            {"footerf", entetes},
            {"footnote", QStringLiteral("notes")},
        };
    }();
    return mots.value(mot);
}

bool soulignement(const QByteArray& mot) {
    return mot.startsWith("ul") && mot != "ulc" && mot != "ulnone";
}

} // namespace MotsRtf
