#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/tools/tpocketcalc.h"

#include <QTest>
#include <cmath>

namespace {

// Presses the buttons of a sequence written with blanks between them: "2 + 3 =".
void presse(TPocketCalc& calc, const QString& sequence) {
    for (const QString& bouton : sequence.split(u' ', Qt::SkipEmptyParts))
        calc.presse(bouton);
}

} // namespace

class TestPocketCalc : public QObject {
    Q_OBJECT

private slots:
    void sequences_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("affichage");
        QTest::newRow("left to right") << "2 + 3 * 4 ="
                                       << "20";
        QTest::newRow("no operator keeps the value") << "7 = ="
                                                     << "7";
        QTest::newRow("first result") << "2 + 3 ="
                                      << "5";
        QTest::newRow("= repeats the operation") << "2 + 3 = ="
                                                 << "10";
        QTest::newRow("= repeats with the shown value") << "1 0 - 3 = ="
                                                        << "0";
        QTest::newRow("square root") << "9 sqr"
                                     << "3";
        QTest::newRow("reciprocal") << "4 1/x"
                                    << "0,25";
        QTest::newRow("reciprocal then operator") << "4 1/x + 1 ="
                                                  << "1,25";
        QTest::newRow("digit after result starts anew") << "2 + 3 = 8"
                                                        << "8";
        QTest::newRow("decimal entry") << "1 , 5 * 2 ="
                                       << "3";
        QTest::newRow("comma after result starts anew") << "2 + 3 = , 5"
                                                        << "0,5";
        QTest::newRow("second comma ignored") << "1 , 2 , 5"
                                              << "1,25";
        QTest::newRow("negative result") << "2 - 5 ="
                                         << "-3";
        QTest::newRow("binary noise hidden") << "0 , 1 + 0 , 2 ="
                                             << "0,3";
        QTest::newRow("thirds, as a 6-byte real") << "1 / 3 ="
                                                  << "0,3333333333335";
        QTest::newRow("C clears") << "2 + 3 C"
                                  << "";
        QTest::newRow("C forgets the operator") << "2 + 3 C 4 = ="
                                                << "4";
        QTest::newRow("non-number after C is emptied") << "C ="
                                                       << "";
        QTest::newRow("entry limited to the display") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7"
                                                      << "123456789012345";
    }
    void sequences() {
        QFETCH(QString, sequence);
        QFETCH(QString, affichage);
        TPocketCalc calc;
        presse(calc, sequence);
        QCOMPARE(calc.affichage(), affichage);
    }

    // A result never goes beyond 15 characters and still reads as the same number: digits are
    // dropped, the exponent never.
    void longResults_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("affichage");
        QTest::addColumn<double>("valeur");
        QTest::newRow("small fraction") << "1 / 7 0 0 0 ="
                                        << "0,0001428571429" << 1 / 7000.0;
        QTest::newRow("negative small fraction") << "0 - 1 / 7 0 0 0 ="
                                                 << "-0,000142857143" << -1 / 7000.0;
        QTest::newRow("large negative") << "0 - 9 9 9 9 9 9 9 9 9 9 9 9 9 9 * 9 ="
                                        << "-9E14" << -899999999999991.0;
        QTest::newRow("large negative, digits kept") << "0 - 1 2 3 4 5 6 7 8 9 0 1 2 3 4 * 9 ="
                                                     << "-1,111111101E14" << -111111110111106.0;
        QTest::newRow("exponent kept") << "1 / 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ="
                                       << "1,428571429E-15" << 1 / 7e14;
        QTest::newRow("large product")
            << "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 ="
            << "1E30" << 999999999999999.0 * 999999999999999.0;
    }
    void longResults() {
        QFETCH(QString, sequence);
        QFETCH(QString, affichage);
        QFETCH(double, valeur);
        TPocketCalc calc;
        presse(calc, sequence);
        QCOMPARE(calc.affichage(), affichage);
        QVERIFY(std::abs(StrToFloat(affichage) / valeur - 1) < 1e-9);
    }

    // A failing step shows the runtime's words and leaves everything as it was: the same
    // display, and the next steps give what they would have given without the failure.
    void errorsKeepTheState_data() {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("fautif");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("apres");
        QTest::addColumn<QString>("affichage");
        QTest::newRow("division by zero") << "1 / 0"
                                          << "="
                                          << "Division flottante par zéro"
                                          << "C 6 / 3 ="
                                          << "2";
        QTest::newRow("division by zero, state kept") << "8 / 0"
                                                      << "="
                                                      << "Division flottante par zéro"
                                                      << ""
                                                      << "0";
        QTest::newRow("zero by zero") << "0 / 0"
                                      << "="
                                      << "Opération en virgule flottante incorrecte"
                                      << ""
                                      << "0";
        QTest::newRow("operator keeps the pending one") << "1 2 / 0"
                                                        << "+"
                                                        << "Division flottante par zéro"
                                                        << "4 ="
                                                        << "3";
        QTest::newRow("reciprocal of zero") << "5 + 0"
                                            << "1/x"
                                            << "Division flottante par zéro"
                                            << "="
                                            << "5";
        QTest::newRow("root of a negative") << "0 - 4 * 1 ="
                                            << "sqr"
                                            << "Opération en virgule flottante incorrecte"
                                            << "="
                                            << "16";
        QTest::newRow("reciprocal of an empty display")
            << "C"
            << "1/x"
            << "'' n'est pas une valeur flottante correcte"
            << "5 = ="
            << "5";
        QTest::newRow("overflow") << "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 * ="
                                  << "="
                                  << "Débordement de virgule flottante"
                                  << ""
                                  << "1E30";
    }
    void errorsKeepTheState() {
        QFETCH(QString, avant);
        QFETCH(QString, fautif);
        QFETCH(QString, message);
        QFETCH(QString, apres);
        QFETCH(QString, affichage);
        TPocketCalc calc;
        presse(calc, avant);
        const QString shown = calc.affichage();
        if (!fautif.isEmpty()) {
            try {
                calc.presse(fautif);
                QFAIL("no error");
            } catch (const UserError& e) {
                QCOMPARE(e.message(), message);
            }
            QCOMPARE(calc.affichage(), shown);
        }
        presse(calc, apres);
        QCOMPARE(calc.affichage(), affichage);
    }

    void keys_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QString>("bouton");
        QTest::newRow("digit") << QChar('7') << "7";
        QTest::newRow("point") << QChar('.') << ",";
        QTest::newRow("comma") << QChar(',') << ",";
        QTest::newRow("times") << QChar('*') << "*";
        QTest::newRow("equals") << QChar('=') << "=";
        QTest::newRow("c") << QChar('c') << "C";
        QTest::newRow("S") << QChar('S') << "sqr";
        QTest::newRow("x") << QChar('x') << "1/x";
        QTest::newRow("other letter") << QChar('a') << "";
        QTest::newRow("blank") << QChar(' ') << "";
    }
    void keys() {
        QFETCH(QChar, key);
        QFETCH(QString, bouton);
        QCOMPARE(TPocketCalc::boutonDeTouche(key), bouton);
    }
};

QTEST_GUILESS_MAIN(TestPocketCalc)
#include "tst_pocketcalc.moc"
