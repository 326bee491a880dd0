#include "core/common/usererror.h"
#include "core/tools/calendrier.h"
#include "core/tools/horloge.h"

#include <QTest>
#include <QTimeZone>

using Horloge::Champ;

class TestHorloge : public QObject {
    Q_OBJECT

private slots:
    void spin_data() {
        QTest::addColumn<Champ>("champ");
        QTest::addColumn<int>("pas");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("heureApres");
        QTest::addColumn<QString>("dateApres");
        QTest::newRow("hours up") << Champ::Heures << 1 << "14:05:09"
                                  << "15/03/2001"
                                  << "15:05:09"
                                  << "15/03/2001";
        QTest::newRow("hours up at 23") << Champ::Heures << 1 << "23:05:09"
                                        << "15/03/2001"
                                        << "23:05:09"
                                        << "15/03/2001";
        QTest::newRow("hours down at 0") << Champ::Heures << -1 << "00:05:09"
                                         << "15/03/2001"
                                         << "00:05:09"
                                         << "15/03/2001";
        QTest::newRow("minutes up at 59") << Champ::Minutes << 1 << "14:59:09"
                                          << "15/03/2001"
                                          << "14:59:09"
                                          << "15/03/2001";
        QTest::newRow("minutes down") << Champ::Minutes << -1 << "14:10:09"
                                      << "15/03/2001"
                                      << "14:09:09"
                                      << "15/03/2001";
        QTest::newRow("day down at 1") << Champ::Jour << -1 << "14:05:09"
                                       << "01/03/2001"
                                       << "14:05:09"
                                       << "01/03/2001";
        QTest::newRow("day up at 31") << Champ::Jour << 1 << "14:05:09"
                                      << "31/03/2001"
                                      << "14:05:09"
                                      << "31/03/2001";
        QTest::newRow("month up at 12") << Champ::Mois << 1 << "14:05:09"
                                        << "15/12/2001"
                                        << "14:05:09"
                                        << "15/12/2001";
        QTest::newRow("month up") << Champ::Mois << 1 << "14:05:09"
                                  << "15/09/2001"
                                  << "14:05:09"
                                  << "15/10/2001";
        QTest::newRow("year up at 2099") << Champ::Annee << 1 << "14:05:09"
                                         << "31/12/2099"
                                         << "14:05:09"
                                         << "31/12/2099";
        QTest::newRow("year down at 1900") << Champ::Annee << -1 << "14:05:09"
                                           << "01/01/1900"
                                           << "14:05:09"
                                           << "01/01/1900";
        QTest::newRow("two-digit year") << Champ::Annee << 1 << "14:05:09"
                                        << "15/03/99"
                                        << "14:05:09"
                                        << "15/03/2000";
    }
    void spin() {
        QFETCH(Champ, champ);
        QFETCH(int, pas);
        QFETCH(QString, heure);
        QFETCH(QString, date);
        QFETCH(QString, heureApres);
        QFETCH(QString, dateApres);
        Horloge::ajuste(champ, pas, heure, date);
        QCOMPARE(heure, heureApres);
        QCOMPARE(date, dateApres);
    }

    // The time shown is the local time of the zone, summer time included.
    void momentToSet_data() {
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QDateTime>("utc");
        QTest::newRow("winter") << "10:30:00"
                                << "15/03/2001"
                                << QDateTime(QDate(2001, 3, 15), QTime(9, 30), Qt::UTC);
        QTest::newRow("summer") << "10:30:00"
                                << "15/07/2001"
                                << QDateTime(QDate(2001, 7, 15), QTime(8, 30), Qt::UTC);
        QTest::newRow("just after midnight")
            << "00:20:05"
            << "01/01/2002" << QDateTime(QDate(2001, 12, 31), QTime(23, 20, 5), Qt::UTC);
    }
    void momentToSet() {
        QFETCH(QString, heure);
        QFETCH(QString, date);
        QFETCH(QDateTime, utc);
        const QDateTime instant =
            Horloge::instant(heure, date, QTimeZone(QByteArrayLiteral("Europe/Paris")));
        QCOMPARE(instant, utc);
        QCOMPARE(instant.timeSpec(), Qt::UTC);
        QCOMPARE(instant.time().msec(), 0);
    }

    void noSuchDay() {
        const QTimeZone paris(QByteArrayLiteral("Europe/Paris"));
        QVERIFY_THROWS_EXCEPTION(UserError, Horloge::instant("10:30:00", "31/02/2001", paris));
        QVERIFY_THROWS_EXCEPTION(UserError, Horloge::instant("1:30", "28/02/2001", paris));
    }

    void calendarHeading() {
        QCOMPARE(enteteCalendrier(QDate(2026, 12, 8)), QStringLiteral("décembre  2026"));
        QCOMPARE(enteteCalendrier(QDate(2001, 8, 1)), QStringLiteral("août  2001"));
    }
};

QTEST_GUILESS_MAIN(TestHorloge)
#include "tst_horloge.moc"
