#include "core/common/usererror.h"
#include "core/documents/mois.h"

#include <QTest>

class TestMois : public QObject {
    Q_OBJECT

private slots:
    void mois_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("premier");
        QTest::addColumn<QDate>("dernier");
        QTest::newRow("leap February")
            << QDate(2024, 2, 10) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("February") << QDate(2026, 2, 28) << QDate(2026, 2, 1) << QDate(2026, 2, 28);
        QTest::newRow("2100 is not leap")
            << QDate(2100, 2, 1) << QDate(2100, 2, 1) << QDate(2100, 2, 28);
        QTest::newRow("2000 is leap")
            << QDate(2000, 2, 5) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
        QTest::newRow("April") << QDate(2026, 4, 1) << QDate(2026, 4, 1) << QDate(2026, 4, 30);
        QTest::newRow("December") << QDate(2026, 12, 31) << QDate(2026, 12, 1)
                                  << QDate(2026, 12, 31);
        QTest::newRow("invalid") << QDate() << QDate() << QDate();
    }
    void mois() {
        QFETCH(QDate, date);
        QFETCH(QDate, premier);
        QFETCH(QDate, dernier);
        QCOMPARE(PremierJour(date), premier);
        QCOMPARE(DernierJour(date), dernier);
    }

    // The period of a month text: its name gives the month, January when it is none.
    void periode_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QDate>("du");
        QTest::addColumn<QDate>("au");
        QTest::newRow("December") << "Décembre 2026" << QDate(2026, 12, 1) << QDate(2026, 12, 31);
        QTest::newRow("leap February") << "Février 2024" << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("letter case") << "août 2027" << QDate(2027, 8, 1) << QDate(2027, 8, 31);
        QTest::newRow("no month name")
            << "Trimestre 2026" << QDate(2026, 1, 1) << QDate(2026, 1, 31);
        QTest::newRow("a year alone") << "2027" << QDate(2027, 1, 1) << QDate(2027, 1, 31);
        QTest::newRow("no year") << "Mars" << QDate() << QDate();
        QTest::newRow("year not a number") << "Mars deux" << QDate() << QDate();
    }
    void periode() {
        QFETCH(QString, mois);
        QFETCH(QDate, du);
        QFETCH(QDate, au);
        try {
            const TPeriode periode = PeriodeMois(mois);
            QCOMPARE(periode.du, du);
            QCOMPARE(periode.au, au);
        } catch (const UserError& e) {
            QVERIFY(!du.isValid());
            QVERIFY(e.message().endsWith("n'est pas une date correcte"));
        }
    }

    void listeDesMois() {
        QCOMPARE(TexteMois(QDate(2026, 8, 31)), QString("Août 2026"));
        QCOMPARE(ListeMois(QDate(2026, 12, 10)),
                 QStringList({"Juin 2026", "Juillet 2026", "Août 2026", "Septembre 2026",
                              "Octobre 2026", "Novembre 2026", "Décembre 2026", "Janvier 2027"}));
    }
};

QTEST_GUILESS_MAIN(TestMois)
#include "tst_mois.moc"
