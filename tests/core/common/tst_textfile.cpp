#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList({"a", "b"});
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList({"a", "b"});
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList({"a", "b"});
        QTest::newRow("mixed, no final end")
            << QByteArray("a\r\n\nb\rc") << QStringList({"a", "", "b", "c"});
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("blank line") << QByteArray("\r\n") << QStringList({""});
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(Cp1252::decode(bytes)), lines);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString text = Cp1252::decode(all);
        QCOMPARE(text.at(0x80 - 2), QChar(0x20AC));
        QCOMPARE(text.at(0xE9 - 2), QChar(0xE9));
        QByteArray back;
        QVERIFY(Cp1252::encode(text, back));
        QCOMPARE(back, all);
    }

    void writeEndsEveryLineWithCrLf() {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        TextFile::write(path, {"Hélène", "", "1 200 €"});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("H\xe9l\xe8ne\r\n\r\n1 200 \x80\r\n"));
        QCOMPARE(TextFile::read(path), QStringList({"Hélène", "", "1 200 €"}));
        QVERIFY(!QFile::exists(path + ".tmp~"));
    }

    // A bound is checked before the file is read; a pipe is refused without waiting on it.
    void readBytesKeepsToItsBound() {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        TextFile::write(path, {"123456"});
        QCOMPARE(TextFile::readBytes(path, 8), QByteArray("123456\r\n"));
        try {
            TextFile::readBytes(path, 7);
            QFAIL("read");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "Le fichier " + path +
                                      " est trop grand (1 Ko) : il ne peut pas dépasser 1 Ko");
        }
        const QString pipe = dir.filePath("tube");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY_THROWS_EXCEPTION(UserError, TextFile::readBytes(pipe));
        QVERIFY(!TextFile::absent(pipe));
        QVERIFY(TextFile::absent(dir.filePath("rien")));
    }

    void unwritableTextLeavesTheFileAlone() {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        TextFile::write(path, {"avant"});
        QVERIFY_THROWS_EXCEPTION(UserError, TextFile::write(path, {"après", "Ω"}));
        QCOMPARE(TextFile::read(path), QStringList({"avant"}));
    }

    void fileNamesMatchWithoutCase() {
        QTemporaryDir dir;
        TextFile::write(dir.filePath("DUPONT.LOT"), {});
        QCOMPARE(resolveFileName(dir.filePath("DUPONT.lot")), dir.filePath("DUPONT.LOT"));
        QCOMPARE(resolveFileName(dir.filePath("dupont.lot")), dir.filePath("DUPONT.LOT"));
        QCOMPARE(resolveFileName(dir.filePath("dupont.frs")), dir.filePath("dupont.frs"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
