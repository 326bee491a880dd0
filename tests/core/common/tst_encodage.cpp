#include "core/common/cp1252.h"
#include "core/common/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Decoding and encoding go through whole blocks of characters, the end of a text as a last
// block over characters already done, and reading splits the bytes itself: each of these
// must give, at every length and position, what the code page gives character by character.
namespace {

// ASCII letters that differ from one case to the next, so that a byte left unwritten cannot
// hold the right value by chance.
QByteArray filler(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + (i + 7 * seed + size) % 26);
    return bytes;
}

} // namespace

class TestEncodage : public QObject {
    Q_OBJECT

private slots:
    void everyLengthAndPositionRoundTrips() {
        // A byte outside ASCII: where the code page is Latin-1, where it is not, one it leaves
        // undefined, and the last of its own.
        const QList<QPair<char, QChar>> specials = {{char(0xE9), QChar(0xE9)},
                                                    {char(0x80), QChar(0x20AC)},
                                                    {char(0x81), QChar(0x81)},
                                                    {char(0x9F), QChar(0x178)}};
        for (int size = 1; size <= 40; ++size)
            for (int at = 0; at < size; ++at)
                for (const auto& [byte, character] : specials) {
                    QByteArray bytes = filler(size, at);
                    bytes[at] = byte;
                    QString text = QString::fromLatin1(filler(size, at));
                    text[at] = character;
                    const QByteArray label = QByteArray::number(size) + " bytes, " +
                                             QByteArray::number(uchar(byte), 16) + " at " +
                                             QByteArray::number(at);
                    QVERIFY2(Cp1252::decode(bytes) == text, label);
                    QByteArray back("avant");
                    QVERIFY2(Cp1252::encode(text, back), label);
                    QVERIFY2(back == "avant" + bytes, label);
                }
    }

    void aCharacterOutsideTheCodePageIsFoundWherever() {
        // Far outside, and two control characters whose bytes the code page gives to others.
        const QList<QChar> outside = {QChar(0x3A9), QChar(0x80), QChar(0x9F)};
        for (int size = 1; size <= 40; ++size)
            for (int at = 0; at < size; ++at)
                for (QChar character : outside) {
                    QString text = QString::fromLatin1(filler(size, at));
                    text[at] = character;
                    QByteArray out("avant");
                    qsizetype bad = -1;
                    const QByteArray label = QByteArray::number(size) + " characters, U+" +
                                             QByteArray::number(character.unicode(), 16) + " at " +
                                             QByteArray::number(at);
                    QVERIFY2(!Cp1252::encode(text, out, &bad), label);
                    QVERIFY2(bad == at, label);
                    QVERIFY2(out == "avant", label);
                }
    }

    void readingSplitsLikeTheText_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray longLine(40, 'x');
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF") << QByteArray("a\nb\n");
        QTest::newRow("CR") << QByteArray("a\rb\r");
        QTest::newRow("mixed, no final end") << QByteArray("a\r\n\nb\rc");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n\n\r");
        QTest::newRow("blank lines between LF") << QByteArray("a\n\n\nb\r\r");
        QTest::newRow("long lines, CR alone inside")
            << longLine + "\r" + longLine + "\r\n" + longLine + "\n" + longLine;
        QTest::newRow("only CR, many lines") << (longLine + "\r").repeated(50);
        QTest::newRow("CR LF split by a lone CR") << QByteArray("a\r\r\nb\n\r\n");
        QTest::newRow("accents and euro") << QByteArray("H\xe9l\xe8ne\r\n1 200 \x80\r\n");
    }
    void readingSplitsLikeTheText() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath("f.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QCOMPARE(TextFile::read(file.fileName()), TextFile::splitLines(Cp1252::decode(bytes)));
    }
};

QTEST_GUILESS_MAIN(TestEncodage)
#include "tst_encodage.moc"
