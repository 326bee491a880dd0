#include "core/common/usererror.h"
#include "core/documents/enlettres.h"

#include <QTest>

class TestEnLettres : public QObject {
    Q_OBJECT

private slots:
    void enLettres_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("words");
        QTest::newRow("0") << 0 << " zéro";
        QTest::newRow("1") << 1 << " un";
        QTest::newRow("16") << 16 << " seize";
        QTest::newRow("17") << 17 << " dix sept";
        QTest::newRow("21") << 21 << " vingt et un";
        QTest::newRow("70") << 70 << " soixante dix";
        QTest::newRow("71") << 71 << " soixante et onze";
        QTest::newRow("77") << 77 << " soixante dix sept";
        QTest::newRow("80") << 80 << " quatre-vingts";
        QTest::newRow("81") << 81 << " quatre-vingt un";
        QTest::newRow("91") << 91 << " quatre-vingt onze";
        QTest::newRow("99") << 99 << " quatre-vingt dix neuf";
        QTest::newRow("100") << 100 << " cent";
        QTest::newRow("180") << 180 << " cent quatre-vingts";
        QTest::newRow("200") << 200 << " deux cents";
        QTest::newRow("201") << 201 << " deux cent un";
        QTest::newRow("1000") << 1000 << " mille";
        QTest::newRow("1001") << 1001 << " mille un";
        QTest::newRow("1080") << 1080 << " mille quatre-vingts";
        QTest::newRow("2200") << 2200 << " deux mille deux cents";
        QTest::newRow("21000") << 21000 << " vingt et un mille";
        QTest::newRow("80000") << 80000 << " quatre-vingt mille";
        QTest::newRow("200000") << 200000 << " deux cent mille";
        QTest::newRow("1000000") << 1000000 << " un million";
        QTest::newRow("2000000") << 2000000 << " deux millions";
        QTest::newRow("80000000") << 80000000 << " quatre-vingt millions";
        QTest::newRow("1234567")
            << 1234567 << " un million deux cent trente quatre mille cinq cent soixante sept";
        QTest::newRow("1000000000") << 1000000000 << " un milliard";
        QTest::newRow("int max") << 2147483647
                                 << " deux milliards cent quarante sept millions quatre cent "
                                    "quatre-vingt trois mille six cent quarante sept";
        QTest::newRow("-21") << -21 << "moins vingt et un";
        QTest::newRow("int min") << int(-2147483648LL)
                                 << "moins deux milliards cent quarante sept millions quatre "
                                    "cent quatre-vingt trois mille six cent quarante huit";
    }
    void enLettres() {
        QFETCH(int, value);
        QFETCH(QString, words);
        QCOMPARE(EnLettres(value), words);
    }

    // The words always say the amount that the two-decimal total shows, rounding included.
    void montantEnLettres_data() {
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("words");
        QTest::newRow("1234,50") << 1234.5
                                 << "Mille deux cent trente quatre Euros -  cinquante Cts";
        QTest::newRow("100") << 100.0 << "Cent Euros -  zéro Cts";
        QTest::newRow("0") << 0.0 << "Zéro Euros -  zéro Cts";
        QTest::newRow("99,999 rounds up") << 99.999 << "Cent Euros -  zéro Cts";
        QTest::newRow("sum of lines just under 1762")
            << 798.16 + 956.04 + 7.80 << "Mille sept cent soixante deux Euros -  zéro Cts";
        QTest::newRow("-12,50") << -12.5 << "Moins douze Euros -  cinquante Cts";
        QTest::newRow("-0,50 keeps its sign") << -0.5 << "Moins zéro Euros -  cinquante Cts";
        QTest::newRow("-0,001 is zero") << -0.001 << "Zéro Euros -  zéro Cts";
        QTest::newRow("80,80") << 80.8 << "Quatre-vingts Euros -  quatre-vingts Cts";
    }
    void montantEnLettres() {
        QFETCH(double, total);
        QFETCH(QString, words);
        QCOMPARE(MontantEnLettres(total), words);
    }

    void montantTooLargeForWords() {
        QCOMPARE(MontantEnLettres(2147483647.0),
                 QString("Deux milliards cent quarante sept millions quatre cent quatre-vingt "
                         "trois mille six cent quarante sept Euros -  zéro Cts"));
        QVERIFY_THROWS_EXCEPTION(UserError, MontantEnLettres(2147483648.0));
        QVERIFY_THROWS_EXCEPTION(UserError, MontantEnLettres(1e20));
    }
};

QTEST_GUILESS_MAIN(TestEnLettres)
#include "tst_enlettres.moc"
