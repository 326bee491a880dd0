#include "core/accounting/parametres.h"
#include "core/common/usererror.h"

#include <QTest>

class TestParametres : public QObject {
    Q_OBJECT

private slots:
    void accountOnLeaving_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("montre");
        QTest::newRow("short") << "70"
                               << "700000";
        QTest::newRow("one digit") << "4"
                                   << "400000";
        QTest::newRow("too long") << "7060001"
                                  << "706000";
        QTest::newRow("blanks around") << " 411 "
                                       << "411000";
        QTest::newRow("empty") << ""
                               << "00000";
        QTest::newRow("letters kept") << "AB"
                                      << "AB0000";
    }
    void accountOnLeaving() {
        QFETCH(QString, tape);
        QFETCH(QString, montre);
        QCOMPARE(NormaliseCompte(tape), montre);
    }

    // The keys of a rate: what a typed text becomes.
    void rateKeys_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("montre");
        QTest::newRow("full stop") << "5.5"
                                   << "5,5";
        QTest::newRow("comma") << "19,6"
                               << "19,6";
        QTest::newRow("letters and signs dropped") << "a1b-2%"
                                                   << "12";
    }
    void rateKeys() {
        QFETCH(QString, tape);
        QFETCH(QString, montre);
        QString texte;
        for (QChar touche : tape)
            if (const QChar c = filtreTaux(touche); !c.isNull())
                texte += c;
        QCOMPARE(texte, montre);
    }

    void resultOnOk() {
        const TParametresCommandes p =
            LitParametres({"19,6", "5,5", " 2,1 "}, 1, {"A réception", "", "60 jours", "", "Fin"});
        QCOMPARE(p.tauxTVA[0], 19.6);
        QCOMPARE(p.tauxTVA[1], 5.5);
        QCOMPARE(p.tauxTVA[2], 2.1);
        QCOMPARE(p.nbDecimales, 1);
        QCOMPARE(p.reglements, (QStringList{"A réception", "60 jours", "Fin"}));
        QCOMPARE(TexteTaux(19.6), QString("19,60"));
    }

    void aRateThatDoesNotReadIsRefused_data() {
        QTest::addColumn<QString>("taux");
        QTest::newRow("two commas") << "5,5,5";
        QTest::newRow("empty") << "";
    }
    void aRateThatDoesNotReadIsRefused() {
        QFETCH(QString, taux);
        try {
            LitParametres({"19,6", taux, "0"}, 2, {});
            QFAIL("no message");
        } catch (const UserError& e) {
            QVERIFY(e.message().contains("n'est pas une valeur flottante correcte"));
        }
    }

    void amountFormat() {
        QCOMPARE(FormatMontant(0, "0.00"), QString("0"));
        QCOMPARE(FormatMontant(1, "0.00"), QString("0.0"));
        QCOMPARE(FormatMontant(2, "#"), QString("0.00"));
        QCOMPARE(FormatMontant(5, "0.0"), QString("0.0"));
    }
};

QTEST_GUILESS_MAIN(TestParametres)
#include "tst_parametres.moc"
