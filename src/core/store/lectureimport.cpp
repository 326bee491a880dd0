#include "core/store/lectureimport.h"

#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QStringDecoder>

#include <optional>

namespace {

// The UTF-16 of a file without a byte-order mark, when it is evident: an even size, and a NUL
// in the high byte of at least three characters in four, never one in the low byte.
std::optional<QStringConverter::Encoding> utf16SansMarque(const QByteArray& octets) {
    const qsizetype taille = octets.size();
    if (taille < 2 || taille % 2)
        return std::nullopt;
    qsizetype pairs = 0, impairs = 0;
    for (qsizetype i = 0; i < taille; ++i)
        if (octets[i] == '\0')
            ++(i % 2 ? impairs : pairs);
    const qsizetype caracteres = taille / 2;
    if (pairs == 0 && impairs * 4 >= caracteres * 3)
        return QStringConverter::Utf16LE;
    if (impairs == 0 && pairs * 4 >= caracteres * 3)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

UserError illisible(qsizetype ligne, const QString& codage) {
    return UserError(QStringLiteral("La ligne %1 du fichier ne se lit pas en %2 : rien n'a été "
                                    "importé")
                         .arg(ligne)
                         .arg(codage));
}

// The encoding that a byte-order mark gives, UTF-32's looked for before UTF-16's, which begins
// UTF-32's little-endian one.
std::optional<QStringConverter::Encoding> codageMarque(const QByteArray& octets) {
    if (octets.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)))
        return QStringConverter::Utf32LE;
    if (octets.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return QStringConverter::Utf32BE;
    if (octets.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (octets.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// The text of UTF-32 behind its mark, four bytes a character; a value that is no character
// becomes the replacement character, and the whole is an error.
QString decodeUtf32(const QByteArray& octets, bool grosBout, bool& erreur) {
    QString texte;
    texte.reserve(octets.size() / 4);
    for (qsizetype i = 4; i + 4 <= octets.size(); i += 4) {
        const auto octet = [&](int k) {
            return char32_t(static_cast<unsigned char>(octets[i + k]));
        };
        const char32_t c = grosBout ? octet(0) << 24 | octet(1) << 16 | octet(2) << 8 | octet(3)
                                    : octet(3) << 24 | octet(2) << 16 | octet(1) << 8 | octet(0);
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            erreur = true;
            texte.append(QChar::ReplacementCharacter);
        } else {
            texte.append(QStringView(QChar::fromUcs4(c)));
        }
    }
    if (octets.size() % 4) {
        erreur = true;
        texte.append(QChar::ReplacementCharacter);
    }
    return texte;
}

QStringList decodeUnicode(const QByteArray& octets, QStringConverter::Encoding codage) {
    bool erreur = false;
    QString texte;
    if (codage == QStringConverter::Utf32LE || codage == QStringConverter::Utf32BE) {
        texte = decodeUtf32(octets, codage == QStringConverter::Utf32BE, erreur);
    } else {
        QStringDecoder decodeur(codage, QStringDecoder::Flag::Stateless);
        texte = decodeur(octets);
        erreur = decodeur.hasError();
        // The decoder lets a lone half of a surrogate pair through: it is no character either.
        for (qsizetype i = 0; i < texte.size(); ++i) {
            if (texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
                ++i;
            else if (texte[i].isSurrogate())
                texte[i] = QChar::ReplacementCharacter;
        }
        erreur = erreur || texte.contains(QChar::ReplacementCharacter);
    }
    const QStringList lignes = TextFile::splitLines(texte);
    if (erreur) {
        // A sequence that does not decode leaves a replacement character in its line.
        qsizetype fautive = 0;
        while (fautive + 1 < lignes.size() &&
               !lignes[fautive].contains(QChar::ReplacementCharacter))
            ++fautive;
        throw illisible(fautive + 1,
                        QString::fromLatin1(QStringConverter::nameForEncoding(codage)));
    }
    return lignes;
}

// The lines of the bytes as they stand in the file: ended by CR LF, CR or LF.
QList<QByteArrayView> lignesBrutes(const QByteArray& octets) {
    QList<QByteArrayView> lignes;
    const QByteArrayView tout(octets);
    qsizetype debut = 0;
    for (qsizetype i = 0; i < tout.size(); ++i) {
        if (tout[i] != '\r' && tout[i] != '\n')
            continue;
        lignes.append(tout.sliced(debut, i - debut));
        if (tout[i] == '\r' && i + 1 < tout.size() && tout[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < tout.size())
        lignes.append(tout.sliced(debut));
    return lignes;
}

bool ascii(QByteArrayView ligne) {
    for (char c : ligne)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool utf8(QByteArrayView ligne) {
    QStringDecoder decodeur(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
    // The decoding runs as its text is made.
    const QString texte = decodeur(ligne);
    return !decodeur.hasError();
}

// Each line as UTF-8 when the whole file is, else as Windows-1252. A file holds ASCII with
// either: a line in UTF-8 beside one that is not is two encodings, and whichever is chosen
// garbles the other, so it is refused.
QStringList decodeOctets(const QByteArray& octets) {
    QList<QByteArrayView> brutes = lignesBrutes(octets);
    if (!brutes.isEmpty() && brutes[0].startsWith("\xEF\xBB\xBF"))
        brutes[0] = brutes[0].sliced(3);
    qsizetype premiereUtf8 = -1, premiereAutre = -1;
    for (qsizetype n = 0; n < brutes.size() && (premiereUtf8 < 0 || premiereAutre < 0); ++n) {
        if (ascii(brutes[n]))
            continue;
        qsizetype& premiere = utf8(brutes[n]) ? premiereUtf8 : premiereAutre;
        if (premiere < 0)
            premiere = n;
    }
    if (premiereAutre >= 0 && premiereUtf8 >= 0)
        throw UserError(QStringLiteral("La ligne %1 du fichier n'est pas écrite en UTF-8 comme la "
                                       "ligne %2 : le fichier mêle deux codages, rien n'a été "
                                       "importé")
                            .arg(premiereAutre + 1)
                            .arg(premiereUtf8 + 1));
    QStringList lignes;
    lignes.reserve(brutes.size());
    for (QByteArrayView ligne : std::as_const(brutes))
        lignes.append(premiereAutre < 0 ? QString::fromUtf8(ligne)
                                        : Cp1252::decode(ligne.data(), ligne.size()));
    return lignes;
}

} // namespace

namespace Echange {

QStringList lignes(const QByteArray& octets) {
    if (const std::optional<QStringConverter::Encoding> marque = codageMarque(octets))
        return decodeUnicode(octets, *marque);
    if (const std::optional<QStringConverter::Encoding> utf16 = utf16SansMarque(octets))
        return decodeUnicode(octets, *utf16);
    return decodeOctets(octets);
}

} // namespace Echange
