#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <QTest>

#include <cmath>

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void strToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "10007" << true << 10007;
        QTest::newRow("leading blanks") << "  42" << true << 42;
        QTest::newRow("negative") << "-12" << true << -12;
        QTest::newRow("hex") << "$1F" << true << 31;
        QTest::newRow("letter O") << "1O0" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("decimal") << "1,5" << false << 0;
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("int min") << "-2147483648" << true << int(-2147483648LL);
    }
    void strToInt() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        try {
            const int result = StrToInt(text);
            QVERIFY(ok);
            QCOMPARE(result, value);
        } catch (const UserError& e) {
            QVERIFY(!ok);
            QCOMPARE(e.message(), QString("'%1' n'est pas une valeur entière correcte").arg(text));
        }
    }

    void strToFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "1250,50" << true << 1250.5;
        QTest::newRow("blanks around") << "   12,5  " << true << 12.5;
        QTest::newRow("integer") << "7" << true << 7.0;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("exponent") << "1,5E3" << true << 1500.0;
        QTest::newRow("negative") << "-3,25" << true << -3.25;
        QTest::newRow("plus sign") << "+12,5" << true << 12.5;
        QTest::newRow("plus zero, as a whole number reads") << "+0" << true << 0.0;
        QTest::newRow("plus sign after blanks") << "  +,5E+1" << true << 5.0;
        QTest::newRow("two signs") << "+-1" << false << 0.0;
        QTest::newRow("two commas") << ",," << false << 0.0;
        QTest::newRow("point") << "1.5" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("letters") << "12a" << false << 0.0;
        QTest::newRow("bare exponent") << "1E" << false << 0.0;
    }
    void strToFloat() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        try {
            const double result = StrToFloat(text);
            QVERIFY(ok);
            QCOMPARE(result, value);
        } catch (const UserError& e) {
            QVERIFY(!ok);
            QCOMPARE(e.message(),
                     QString("'%1' n'est pas une valeur flottante correcte").arg(text));
        }
    }

    void strToDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("full") << "07/03/2001" << QDate(2001, 3, 7);
        QTest::newRow("short parts") << "7/3/2001" << QDate(2001, 3, 7);
        QTest::newRow("two-digit year") << "01/02/26" << QDate(2026, 2, 1);
        QTest::newRow("day and month") << "25/12" << QDate(2026, 12, 25);
        QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("blank picture") << "  /  /    " << QDate();
        QTest::newRow("no leap day") << "29/02/2100" << QDate();
        QTest::newRow("month 13") << "01/13/2001" << QDate();
        QTest::newRow("text") << "demain" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void strToDate() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        Clock::Fixed clock(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        try {
            QCOMPARE(StrToDate(text), date);
        } catch (const UserError& e) {
            QVERIFY(!date.isValid());
            QCOMPARE(e.message(), QString("'%1' n'est pas une date correcte").arg(text));
        }
    }

    void formatFloat_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half away up") << "0.00" << 2.675 << "2,68";
        QTest::newRow("1.005") << "0.00" << 1.005 << "1,01";
        QTest::newRow("half away negative") << "0.00" << -2.675 << "-2,68";
        QTest::newRow("padding") << "0.00" << 1250.0 << "1250,00";
        QTest::newRow("zero") << "0.00" << 0.0 << "0,00";
        QTest::newRow("tiny negative") << "0.00" << -0.001 << "0,00";
        QTest::newRow("carry") << "0.00" << 9.999 << "10,00";
        QTest::newRow("sum artefact") << "0.00" << 0.1 + 0.2 << "0,30";
        QTest::newRow("one decimal") << "0.0" << 6.55957 << "6,6";
        QTest::newRow("one decimal half") << "0.0" << 0.25 << "0,3";
        QTest::newRow("no decimal") << "#" << 2.5 << "3";
        QTest::newRow("no decimal zero") << "#" << 0.0 << "";
        QTest::newRow("optional integer") << "#.00" << 0.5 << ",50";
        QTest::newRow("optional integer large") << "#.00" << 1234.567 << "1234,57";
        QTest::newRow("large") << "0.00" << 123456789.125 << "123456789,13";
    }
    void formatFloat() {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatFloat(format, value), text);
    }

    void floatToStr_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 100.0 << "100";
        QTest::newRow("decimal") << 6.55957 << "6,55957";
        QTest::newRow("artefact") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative") << -12.5 << "-12,5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("small") << 0.0001 << "0,0001";
        QTest::newRow("tiny") << 0.000001 << "1E-6";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("huge") << 1e20 << "1E20";
        QTest::newRow("rounded to 15") << 2.0 / 3.0 << "0,666666666666667";
    }
    void floatToStr() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FloatToStr(value), text);
    }

    void real48_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("stored");
        QTest::newRow("exact") << 1250.5 << 1250.5;
        QTest::newRow("decimal kept") << 2.675 << 2.675;
        QTest::newRow("euro rate") << 6.55957 << 6.55957;
        QTest::newRow("12 digits cut") << 1.0 / 3.0 << 0.3333333333335;
        QTest::newRow("sum artefact") << 0.1 + 0.2 << 0.3;
        QTest::newRow("underflow") << 1e-40 << 0.0;
    }
    void real48() {
        QFETCH(double, value);
        QFETCH(double, stored);
        QCOMPARE(Real48(value), stored);
        QCOMPARE(FormatFloat("0.00", Real48(2.675)), QString("2,68"));
    }

    // The 6-byte real holds up to 2^127 - 2^87 (about 1,7014E38); beyond, the runtime's message.
    void real48Range_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("deborde");
        QTest::newRow("1,5E38") << 1.5e38 << false;
        QTest::newRow("1,6E38") << 1.6e38 << false;
        QTest::newRow("-1,7E38") << -1.7e38 << false;
        QTest::newRow("largest") << std::ldexp(1.0, 127) - std::ldexp(1.0, 87) << false;
        QTest::newRow("rounds up to 2^127") << std::ldexp(1.0, 127) - std::ldexp(1.0, 80) << true;
        QTest::newRow("1,71E38") << 1.71e38 << true;
    }
    void real48Range() {
        QFETCH(double, value);
        QFETCH(bool, deborde);
        try {
            const double stored = Real48(value);
            QVERIFY(!deborde);
            QVERIFY(std::fabs(stored - value) <= std::fabs(value) * 1e-12);
        } catch (const UserError& e) {
            QVERIFY(deborde);
            QCOMPARE(e.message(), QString("Débordement de virgule flottante"));
        }
    }

    void monthNames() {
        QCOMPARE(NomMois(1), QString("Janvier"));
        QCOMPARE(NomMois(2), QString("Février"));
        QCOMPARE(NomMois(8), QString("Août"));
        QCOMPARE(NomMois(12), QString("Décembre"));
        QCOMPARE(NomMois(13), QString());
    }

    void fixedClock() {
        const QDateTime fixed(QDate(2001, 3, 7), QTime(8, 30));
        {
            Clock::Fixed clock(fixed);
            QCOMPARE(Clock::now(), fixed);
            QCOMPARE(Clock::today(), QDate(2001, 3, 7));
        }
        QVERIFY(Clock::today() != QDate(2001, 3, 7));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
