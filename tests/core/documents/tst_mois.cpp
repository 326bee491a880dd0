#include "documents/mois.h"

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
};

QTEST_GUILESS_MAIN(TestMois)
#include "tst_mois.moc"
