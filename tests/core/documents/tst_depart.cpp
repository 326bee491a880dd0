#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tdepart.h"

#include <QTest>

class TestDepart : public QObject {
    Q_OBJECT

private slots:
    // Each month counts 30 days; an amount of 0,1 or less leaves its field as it was.
    void calculs_data() {
        QTest::addColumn<QDate>("du");
        QTest::addColumn<QDate>("au");
        QTest::addColumn<TMontantsLoyer>("mensuels");
        QTest::addColumn<QString>("jours");
        QTest::addColumn<TMontantsLoyer>("dus");
        QTest::newRow("second half of December")
            << QDate(2026, 12, 16) << QDate(2026, 12, 31) << TMontantsLoyer{"600", "60", "", ""}
            << "16" << TMontantsLoyer{"320,00", "32,00", "", ""};
        QTest::newRow("one day") << QDate(2026, 12, 16) << QDate(2026, 12, 16)
                                 << TMontantsLoyer{"600", "60", "30", ""} << "1"
                                 << TMontantsLoyer{"20,00", "2,00", "1,00", ""};
        QTest::newRow("31 days") << QDate(2027, 1, 1) << QDate(2027, 1, 31)
                                 << TMontantsLoyer{"600", "", "3", ""} << "31"
                                 << TMontantsLoyer{"620,00", "", "3,10", ""};
        QTest::newRow("below one euro")
            << QDate(2026, 12, 1) << QDate(2026, 12, 1) << TMontantsLoyer{"15", "3", "1,5", ""}
            << "1" << TMontantsLoyer{",50", "3", "1,5", ""};
        QTest::newRow("end before start")
            << QDate(2026, 12, 16) << QDate(2026, 12, 15) << TMontantsLoyer{"600", "60", "", ""}
            << "0" << TMontantsLoyer{"600", "60", "", ""};
    }
    void calculs() {
        QFETCH(QDate, du);
        QFETCH(QDate, au);
        QFETCH(TMontantsLoyer, mensuels);
        QFETCH(QString, jours);
        QFETCH(TMontantsLoyer, dus);
        TDepart depart;
        depart.Init("Dupré", mensuels, du, au);
        QCOMPARE(depart.nom(), QString("Dupré"));
        QCOMPARE(depart.jours(), jours);
        const TMontantsLoyer resultat = depart.Result();
        QCOMPARE(resultat.loyer, dus.loyer);
        QCOMPARE(resultat.charges, dus.charges);
        QCOMPARE(resultat.taxes, dus.taxes);
        QCOMPARE(resultat.apl, QString());
    }

    // Every computation starts again from the monthly amounts; dates that give no day leave
    // the amounts of the last computation.
    void computedAgain() {
        TDepart depart;
        depart.Init("Dupré", {"600", "60", "", ""}, QDate(2026, 12, 16), QDate(2026, 12, 31));
        depart.saisitMontant(TDepart::Loyer, "999");
        depart.saisitAu(QDate(2026, 12, 25));
        depart.Calculs();
        QCOMPARE(depart.jours(), QString("10"));
        QCOMPARE(depart.montant(TDepart::Loyer), QString("200,00"));
        depart.saisitDu(QDate(2026, 12, 26));
        depart.Calculs();
        QCOMPARE(depart.jours(), QString("0"));
        QCOMPARE(depart.montant(TDepart::Loyer), QString("200,00"));
        QCOMPARE(depart.montant(TDepart::Charges), QString("20,00"));
    }

    void fromTheTenantCard() {
        Clock::Fixed clock(QDateTime(QDate(2026, 2, 10), QTime(9, 0)));
        TDepart depart;
        depart.Init(TCarteLocataire{"10001", {"Dupré"}, {"   600,00", "    60,00", "", "100"}});
        QCOMPARE(depart.du(), QDate(2026, 2, 1));
        QCOMPARE(depart.au(), QDate(2026, 2, 28));
        QCOMPARE(depart.jours(), QString("28"));
        QCOMPARE(depart.montant(TDepart::Loyer), QString("560,00"));

        try {
            depart.Init(TCarteLocataire{"10001", {"Dupré"}, {"6OO", "", "", ""}});
            QFAIL("a rent that is not a number stops the dialog");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("'6OO' n'est pas une valeur flottante correcte"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDepart)
#include "tst_depart.moc"
