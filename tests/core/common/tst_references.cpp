#include "../../common/references.h"

#include <QTest>

// The diff a failing reference comparison shows.
class TestReferences : public QObject {
    Q_OBJECT

private slots:
    void diff_data() {
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<QStringList>("obtenu");
        QTest::addColumn<QString>("diff");
        const QStringList dix{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QTest::newRow("same") << dix << dix << QString();
        QStringList change = dix;
        change[4] = "cinq";
        QTest::newRow("a line changed, three lines around it")
            << dix << change << "@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+cinq\n 6\n 7\n 8";
        QStringList ajout = dix;
        ajout.insert(0, "0");
        QTest::newRow("a line added at the top")
            << dix << ajout << "@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3";
        QStringList loin = dix;
        loin.removeAt(9);
        loin.removeAt(0);
        QTest::newRow("two changes far apart, two hunks")
            << dix << loin << "@@ -1,4 +1,3 @@\n-1\n 2\n 3\n 4\n@@ -7,4 +6,3 @@\n 7\n 8\n 9\n-10";
        QStringList proches = dix;
        proches[2] = "trois";
        proches[6] = "sept";
        QTest::newRow("two changes close, one hunk")
            << dix << proches
            << "@@ -1,10 +1,10 @@\n 1\n 2\n-3\n+trois\n 4\n 5\n 6\n-7\n+sept\n 8\n 9\n 10";
    }
    void diff() {
        QFETCH(QStringList, attendu);
        QFETCH(QStringList, obtenu);
        QFETCH(QString, diff);
        QCOMPARE(references::diff(attendu, obtenu), diff);
    }

    // The lines end as they are stored: a CR LF file shows its CRs, in Windows-1252 as well.
    void lignes() {
        QCOMPARE(references::lignes("a\r\nb\xe9\r\n"),
                 (QStringList{"a\\r", QString::fromUtf8("bé\\r"), ""}));
        QCOMPARE(references::lignes("b\xc3\xa9\n"), (QStringList{QString::fromUtf8("bé"), ""}));
    }
};

QTEST_GUILESS_MAIN(TestReferences)
#include "tst_references.moc"
