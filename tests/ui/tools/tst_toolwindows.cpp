#include "ui/tools/teurof.h"
#include "ui/tools/tpocket.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QString texte(QWidget& window, const char* nom) {
    return window.findChild<QLabel*>(nom)->text();
}

void clique(QWidget& window, const char* nom) {
    QTest::mouseClick(window.findChild<QAbstractButton*>(nom), Qt::LeftButton);
}

// Types on the widget that has the focus, as the user does.
void tape(const QString& keys) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

void entree() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestToolWindows : public QObject {
    Q_OBJECT

private slots:
    void calculatorWindow() {
        TPocket dlg;
        QCOMPARE(dlg.windowTitle(), QString("Calculatrice"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.size(), QSize(342, 219));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Button11"));

        tape("2+3*4=");
        QCOMPARE(texte(dlg, "Label1"), QString("20"));
        tape("c9s");
        QCOMPARE(texte(dlg, "Label1"), QString("3"));
        tape("4x");
        QCOMPARE(texte(dlg, "Label1"), QString("0,25"));
        tape("C2+3");
        entree();
        QCOMPARE(texte(dlg, "Label1"), QString("5"));
        entree();
        QCOMPARE(texte(dlg, "Label1"), QString("10"));
    }

    void calculatorButtons() {
        TPocket dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        for (const char* nom :
             {"Button1", "Button10", "Button5", "Button14", "Button4", "Button11"})
            clique(dlg, nom);
        QCOMPARE(texte(dlg, "Label1"), QString("6"));
        // Keys still reach the calculator when a button has the focus.
        clique(dlg, "Button17");
        QCOMPARE(texte(dlg, "Label1"), QString("2,449489742783"));
        tape("C7==");
        QCOMPARE(texte(dlg, "Label1"), QString("7"));
    }

    void calculatorErrorKeepsTheState() {
        TPocket dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QString message;
        QTimer::singleShot(0, this, [&message] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            message = box->text();
            box->accept();
        });
        tape("1/0=");
        QCOMPARE(message, QString("Division flottante par zéro"));
        QCOMPARE(texte(dlg, "Label1"), QString("0"));
        QTest::keyClicks(&dlg, "C6/3=");
        QCOMPARE(texte(dlg, "Label1"), QString("2"));
        QVERIFY(dlg.isVisible());
    }

    void calculatorEscapeCloses() {
        TPocket dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    }

    void converterWindow() {
        TEurof dlg;
        QCOMPARE(dlg.windowTitle(), QString("Euro convertisseur"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.size(), QSize(260, 273));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Button11"));
        auto* taux = dlg.findChild<QLineEdit*>("Edit3");
        QCOMPARE(taux->text(), QString("6,55957"));

        tape("100");
        entree();
        QCOMPARE(texte(dlg, "Label2"), QString("15,24"));

        clique(dlg, "RadioButton2");
        tape("1");
        QCOMPARE(texte(dlg, "Label1"), QString("1"));
        QCOMPARE(texte(dlg, "Label2"), QString());
        clique(dlg, "Button11");
        QCOMPARE(texte(dlg, "Label2"), QString("6,6"));
        tape("10");
        entree();
        QCOMPARE(texte(dlg, "Label2"), QString("65,6"));

        clique(dlg, "SpinButton1Haut");
        QCOMPARE(taux->text(), QString("6,55958"));
        clique(dlg, "Button1");
        clique(dlg, "Button11");
        QCOMPARE(texte(dlg, "Label2"), QString("6,6"));

        // Enter converts even when "Fermer" has the focus.
        dlg.findChild<QPushButton*>("Button10")->setFocus();
        tape("2.5");
        entree();
        QCOMPARE(texte(dlg, "Label1"), QString("2,5"));
        QCOMPARE(texte(dlg, "Label2"), QString("16,4"));
        QVERIFY(dlg.isVisible());
    }

    void converterStartsAgainAtTheRate() {
        {
            TEurof dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            clique(dlg, "SpinButton1Bas");
            QCOMPARE(dlg.findChild<QLineEdit*>("Edit3")->text(), QString("6,55956"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
        }
        TEurof dlg;
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit3")->text(), QString("6,55957"));
        QVERIFY(dlg.findChild<QRadioButton*>("RadioButton1")->isChecked());
    }
};

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
