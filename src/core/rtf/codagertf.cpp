#include "core/rtf/codagertf.h"

#include "core/common/cp1252.h"

#include <QStringDecoder>

namespace CodageRtf {

int pageDeJeu(int jeu) {
    switch (jeu) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QString decode(const QByteArray& octets, int page) {
    if (page == 1252 || page <= 0)
        return Cp1252::decode(octets);
    QByteArray nom;
    switch (page) {
    case 932:
        nom = "Shift_JIS";
        break;
    case 936:
        nom = "GBK";
        break;
    case 949:
        nom = "windows-949";
        break;
    case 950:
        nom = "Big5";
        break;
    case 10000:
        nom = "macintosh";
        break;
    default:
        nom = (page >= 1250 && page <= 1258 ? "windows-" : "cp") + QByteArray::number(page);
    }
    QStringDecoder decodeur(nom.constData());
    if (!decodeur.isValid())
        return Cp1252::decode(octets);
    return decodeur.decode(octets);
}

} // namespace CodageRtf
