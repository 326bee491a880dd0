#include "core/common/montants.h"
#include "core/common/usererror.h"

#include <QTest>

namespace {
// Six pixels a character.
int mesure(const QString& texte) {
    return int(texte.size()) * 6;
}
} // namespace

class TestMontants : public QObject {
    Q_OBJECT

private slots:
    void rset_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<QString>("aligne");
        QTest::newRow("pad past width - 10") << "12,50" << 95 << QString(10, u' ') + "12,50";
        QTest::newRow("trimmed first") << "  12,50 " << 95 << QString(10, u' ') + "12,50";
        QTest::newRow("already wide") << QString(20, u'9') << 95 << QString(20, u'9');
        QTest::newRow("empty") << "" << 95 << "";
        QTest::newRow("blanks") << "    " << 95 << "";
    }
    void rset() {
        QFETCH(QString, texte);
        QFETCH(int, largeur);
        QFETCH(QString, aligne);
        QCOMPARE(Rset(texte, largeur, mesure), aligne);
    }

    void formatStr() {
        QCOMPARE(FormatStr("1250", 90, "0.00", mesure), QString(7, u' ') + "1250,00");
        QCOMPARE(FormatStr("  ", 90, "0.00", mesure), QString());
        QCOMPARE(FormatStr("2,5", 90, "#", mesure).trimmed(), QString("3"));
        QVERIFY_THROWS_EXCEPTION(UserError, FormatStr(",,", 90, "0.00", mesure));
        // A measure that never grows cannot pad for ever.
        QCOMPARE(Rset("1", 95, [](const QString&) { return 0; }).size(), 96);
    }

    // An amount reads when a document can show it to the cent: no exponent, no more than
    // 999 999 999,99 either way; anything else stops with the conversion message.
    void litMontant_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<bool>("lu");
        QTest::newRow("plain") << "370,00" << 370.0 << true;
        QTest::newRow("largest") << "999999999,99" << 999999999.99 << true;
        QTest::newRow("smallest") << "-999999999,99" << -999999999.99 << true;
        QTest::newRow("exponent") << "1E15" << 0.0 << false;
        QTest::newRow("small exponent") << "1e2" << 0.0 << false;
        QTest::newRow("beyond") << "1000000000" << 0.0 << false;
        QTest::newRow("beyond by a fraction of a cent") << "999999999,995" << 0.0 << false;
        QTest::newRow("not a number") << "abc" << 0.0 << false;
    }
    void litMontant() {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QFETCH(bool, lu);
        if (lu) {
            QCOMPARE(LitMontant(texte), valeur);
        } else {
            try {
                LitMontant(texte);
                QFAIL("read");
            } catch (const UserError& e) {
                QCOMPARE(e.message(), "'" + texte + "' n'est pas une valeur flottante correcte");
            }
        }
        // A card's amount field takes the same amounts.
        if (lu)
            QCOMPARE(FormatStr(texte, 90, "0.00", mesure).trimmed(), texte);
        else
            QVERIFY_THROWS_EXCEPTION(UserError, FormatStr(texte, 90, "0.00", mesure));
    }

    void keyFilter_data() {
        QTest::addColumn<QChar>("touche");
        QTest::addColumn<QChar>("gardee");
        QTest::newRow("digit") << QChar(u'7') << QChar(u'7');
        QTest::newRow("comma") << QChar(u',') << QChar(u',');
        QTest::newRow("full stop") << QChar(u'.') << QChar(u',');
        QTest::newRow("backspace") << QChar(8) << QChar(8);
        QTest::newRow("letter") << QChar(u'a') << QChar();
        QTest::newRow("minus") << QChar(u'-') << QChar();
        QTest::newRow("blank") << QChar(u' ') << QChar();
    }
    void keyFilter() {
        QFETCH(QChar, touche);
        QFETCH(QChar, gardee);
        QCOMPARE(filtreMontant(touche), gardee);
    }

    void pastedTextFilter_data() {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("garde");
        QTest::newRow("amount with a full stop") << "1234.56"
                                                 << "1234,56";
        QTest::newRow("aligned amount") << "   -12,50"
                                        << "   -12,50";
        QTest::newRow("letters") << "abc" << QString();
        QTest::newRow("digits then a letter") << "12a" << QString();
        QTest::newRow("TAB") << "1\t2" << QString();
    }
    void pastedTextFilter() {
        QFETCH(QString, colle);
        QFETCH(QString, garde);
        QCOMPARE(filtreTexteMontant(colle), garde);
        QCOMPARE(filtreTexteMontant(colle).isNull(), garde.isNull());
    }
};

QTEST_GUILESS_MAIN(TestMontants)
#include "tst_montants.moc"
