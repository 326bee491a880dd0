#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/tools/tpocketcalc.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

// Our users' desktops are French: the C library then reads and writes numbers with a decimal
// comma. Nothing the program converts may depend on that.
class TstLocaleFrancaise : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void initTestCase() {
        QDir::setCurrent(m_repertoire.path());
        QVERIFY2(std::setlocale(LC_ALL, "fr_FR.UTF-8"), "the fr_FR.UTF-8 locale is not installed");
        QCOMPARE(std::localeconv()->decimal_point, ",");
    }

    void amountsTypedKeepTheirDecimals() {
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        auto* vue = form.findChild<TVueFiche*>("Locataires");
        QVERIFY(vue);
        const struct {
            const char* libelle;
            const char* tape;
            const char* montre;
        } cas[] = {{"Loyer actuel", "12,5", "12,50"}, {"Caution", "1234.56", "1234,56"}};
        for (const auto& c : cas) {
            QLineEdit* edit = champ(vue, c.libelle);
            edit->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(edit, c.tape);
            champ(vue, "Nom/Soc")->setFocus(Qt::TabFocusReason);
            QCOMPARE(edit->text().trimmed(), QString(c.montre));
        }
    }

    void conversionsAndCalculator() {
        QCOMPARE(StrToFloat("2,5"), 2.5);
        QCOMPARE(FloatToStr(Real48(0.1)), QString("0,1"));
        QCOMPARE(FormatFloat("0.00", 1234.56), QString("1234,56"));
        TPocketCalc calc;
        for (const char* bouton : {"2", ",", "5", "+", "2", ",", "5", "="})
            calc.presse(bouton);
        QCOMPARE(calc.affichage(), QString("5"));
        for (const char* bouton : {"C", "1", "/", "3", "="})
            calc.presse(bouton);
        QCOMPARE(calc.affichage(), QString("0,3333333333335"));
    }
};

QTEST_MAIN(TstLocaleFrancaise)
#include "tst_localefrancaise.moc"
