#include "core/banque/releve.h"

#include "core/banque/relevecsv.h"
#include "core/banque/releveofx.h"
#include "core/banque/releveqif.h"
#include "core/common/textfile.h"

namespace Releve {

QByteArray octets(const QString& chemin) {
    return TextFile::readBytes(chemin, TailleMax, QStringLiteral("être lu comme relevé"));
}

Type type(const QByteArray& octets) {
    const QByteArray debut = octets.left(512).trimmed();
    const QByteArray sansBom = debut.startsWith("\xEF\xBB\xBF") ? debut.mid(3).trimmed() : debut;
    if (sansBom.startsWith("OFXHEADER") || sansBom.startsWith("<?xml") ||
        sansBom.startsWith("<OFX") || sansBom.startsWith("<?OFX"))
        return Type::Ofx;
    if (sansBom.startsWith('!'))
        return Type::Qif;
    return Type::Csv;
}

TReleve lit(const QByteArray& octets, const TFormatCsv& format) {
    switch (type(octets)) {
    case Type::Ofx:
        return LitReleveOfx(octets);
    case Type::Qif:
        return LitReleveQif(octets);
    case Type::Csv:
        return LitReleveCsv(LignesCsv(octets), format);
    }
    return {};
}

} // namespace Releve
