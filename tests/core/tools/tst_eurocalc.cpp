#include "core/tools/teurocalc.h"

#include <QTest>

namespace {

void saisit(TEuroCalc& calc, const QString& keys) {
    for (QChar key : keys)
        calc.saisit(key);
}

} // namespace

class TestEuroCalc : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        QTest::addColumn<bool>("versEuros");
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("100 francs") << true << "100"
                                    << "15,24";
        QTest::newRow("6,55957 francs") << true << "6,55957"
                                        << "1";
        QTest::newRow("1 franc") << true << "1"
                                 << "0,15";
        QTest::newRow("point typed as comma") << true << "6.55957"
                                              << "1";
        QTest::newRow("1 euro") << false << "1"
                                << "6,6";
        QTest::newRow("10 euros") << false << "10"
                                  << "65,6";
        QTest::newRow("15,24 euros") << false << "15,24"
                                     << "100";
        QTest::newRow("1000 euros") << false << "1000"
                                    << "6559,6";
        QTest::newRow("comma alone") << true << ","
                                     << "0";
    }
    void conversions() {
        QFETCH(bool, versEuros);
        QFETCH(QString, entree);
        QFETCH(QString, resultat);
        TEuroCalc calc;
        calc.setSens(versEuros ? TEuroCalc::Sens::FrancsVersEuros
                               : TEuroCalc::Sens::EurosVersFrancs);
        saisit(calc, entree);
        calc.convertit();
        QCOMPARE(calc.resultat(), resultat);
    }

    void rateSteps() {
        TEuroCalc calc;
        QCOMPARE(calc.texteTaux(), QString("6,55957"));
        calc.monteTaux();
        QCOMPARE(calc.texteTaux(), QString("6,55958"));
        calc.setSens(TEuroCalc::Sens::EurosVersFrancs);
        saisit(calc, "1");
        calc.convertit();
        QCOMPARE(calc.resultat(), QString("6,6"));
        calc.descendTaux();
        calc.descendTaux();
        QCOMPARE(calc.texteTaux(), QString("6,55956"));
        QCOMPARE(TEuroCalc().texteTaux(), QString("6,55957"));
    }

    void rateNeverBelowOneStep() {
        TEuroCalc calc;
        for (int i = 0; i < 655960; ++i)
            calc.descendTaux();
        QCOMPARE(calc.texteTaux(), QString("0,00001"));
        saisit(calc, "1");
        calc.convertit();
        QCOMPARE(calc.resultat(), QString("100000"));
    }

    void keyAfterResultStartsNewEntry() {
        TEuroCalc calc;
        saisit(calc, "100");
        calc.convertit();
        QCOMPARE(calc.resultat(), QString("15,24"));
        calc.convertit();
        QCOMPARE(calc.resultat(), QString("15,24"));
        QVERIFY(calc.saisit(u'5'));
        QCOMPARE(calc.entree(), QString("5"));
        QCOMPARE(calc.resultat(), QString());
        calc.convertit();
        QVERIFY(calc.saisit(u','));
        QCOMPARE(calc.entree(), QString("0,"));
        QCOMPARE(calc.resultat(), QString());
    }

    void entryKeys() {
        TEuroCalc calc;
        QVERIFY(!calc.saisit(u'+'));
        QVERIFY(!calc.saisit(u'a'));
        saisit(calc, "12,5,0");
        QCOMPARE(calc.entree(), QString("12,50"));
        saisit(calc, "1234567890123456789");
        QCOMPARE(calc.entree().size(), TEuroCalc::LargeurEntree);
    }

    void emptyEntryShowsNothing() {
        TEuroCalc calc;
        calc.convertit();
        QCOMPARE(calc.resultat(), QString());
        QCOMPARE(calc.entree(), QString());
    }
};

QTEST_GUILESS_MAIN(TestEuroCalc)
#include "tst_eurocalc.moc"
