#include "../scriptedquestions.h"
#include "core/common/clock.h"
#include "core/tools/reglagehorloge.h"
#include "ui/tools/tcalendrier.h"
#include "ui/tools/thorloge.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

// Notes what the clock would have been set to, and sets nothing.
class ReglageNote : public ReglageHorloge {
public:
    QString regle(const QDateTime& instant) override {
        instants.append(instant);
        return refus;
    }
    QList<QDateTime> instants;
    QString refus;
};

void clique(QWidget& fenetre, const char* nom) {
    QTest::mouseClick(fenetre.findChild<QAbstractButton*>(nom), Qt::LeftButton);
}

void choisit(THorloge& horloge, const QString& champ) {
    for (QRadioButton* item : horloge.findChildren<QRadioButton*>())
        if (item->text() == champ)
            item->click();
}

QString texte(QWidget& fenetre, const char* nom) {
    return fenetre.findChild<QLabel*>(nom)->text();
}

} // namespace

class TestHorlogeCalendrier : public QObject {
    Q_OBJECT

private slots:
    void clockSetsTheTimeShown() {
        ReglageNote reglage;
        ReglageHorloge::Substitution substitution(reglage);
        ScriptedQuestions questions;
        Clock::Fixed maintenant(QDateTime(QDate(2001, 3, 15), QTime(10, 30, 0)));
        THorloge horloge;
        QCOMPARE(horloge.windowTitle(), QString("Horloge"));
        horloge.show();
        QVERIFY(QTest::qWaitForWindowActive(&horloge));
        QCOMPARE(texte(horloge, "Label1"), QString("10:30:00"));
        QCOMPARE(texte(horloge, "Label2"), QString("15/03/2001"));

        clique(horloge, "Button2");
        QVERIFY(horloge.reglageEnCours());
        clique(horloge, "SpinButton1Haut");
        QCOMPARE(texte(horloge, "Label1"), QString("10:30:00"));
        choisit(horloge, "Hr");
        clique(horloge, "SpinButton1Haut");
        clique(horloge, "SpinButton1Bas");
        clique(horloge, "SpinButton1Bas");
        QCOMPARE(texte(horloge, "Label1"), QString("09:30:00"));
        choisit(horloge, "An");
        clique(horloge, "SpinButton1Haut");
        QCOMPARE(texte(horloge, "Label2"), QString("15/03/2002"));
        clique(horloge, "Button2");
        QVERIFY(!horloge.reglageEnCours());
        QCOMPARE(reglage.instants,
                 QList<QDateTime>({QDateTime(QDate(2002, 3, 15), QTime(9, 30)).toUTC()}));
        // The clock shows the time again.
        QCOMPARE(texte(horloge, "Label1"), QString("10:30:00"));
        QVERIFY(questions.posees().isEmpty());
    }

    void clockRefusals() {
        ReglageNote reglage;
        reglage.refus = "Le système ne permet pas de changer l'heure";
        ReglageHorloge::Substitution substitution(reglage);
        ScriptedQuestions questions;
        Clock::Fixed maintenant(QDateTime(QDate(2001, 2, 28), QTime(10, 30, 0)));
        THorloge horloge;
        horloge.show();
        QVERIFY(QTest::qWaitForWindowActive(&horloge));
        clique(horloge, "Button2");
        choisit(horloge, "Jo");
        for (int i = 0; i < 5; ++i)
            clique(horloge, "SpinButton1Haut");
        QCOMPARE(texte(horloge, "Label2"), QString("31/02/2001"));
        // A day the month does not have is reported, and the clock stays being set.
        clique(horloge, "Button2");
        QVERIFY(horloge.reglageEnCours());
        QVERIFY(reglage.instants.isEmpty());
        QCOMPARE(questions.posees(), QStringList({"'31/02/2001' n'est pas une date correcte"}));
        choisit(horloge, "Jo");
        clique(horloge, "SpinButton1Bas");
        clique(horloge, "SpinButton1Bas");
        clique(horloge, "SpinButton1Bas");
        // The system's refusal is told as it is.
        clique(horloge, "Button2");
        QCOMPARE(reglage.instants.size(), 1);
        QCOMPARE(questions.posees().last(), reglage.refus);
        QVERIFY(!horloge.reglageEnCours());
    }

    void calendar() {
        Clock::Fixed maintenant(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        TCalendrier calendrier;
        QCOMPARE(calendrier.windowTitle(), QString("Calendrier"));
        calendrier.show();
        QVERIFY(QTest::qWaitForWindowActive(&calendrier));
        auto* mois = calendrier.findChild<QCalendarWidget*>("Calendar1");
        QCOMPARE(mois->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(mois->selectedDate(), QDate(2026, 12, 8));
        QCOMPARE(texte(calendrier, "Label1"), QString("décembre  2026"));
        clique(calendrier, "BitBtn2");
        QCOMPARE(texte(calendrier, "Label1"), QString("janvier  2027"));
        QCOMPARE(mois->monthShown(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(texte(calendrier, "Label1"), QString("novembre  2026"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        clique(calendrier, "BitBtn1");
        QCOMPARE(texte(calendrier, "Label1"), QString("novembre  2026"));
        QCOMPARE(mois->selectedDate(), QDate(2026, 11, 8));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!calendrier.isVisible());
    }
};

QTEST_MAIN(TestHorlogeCalendrier)
#include "tst_horlogecalendrier.moc"
