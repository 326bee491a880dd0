#include "../../common/fichiersessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/common/clock.h"
#include "core/tools/blocnotes.h"
#include "ui/tools/tblocnotes.h"
#include "ui/tools/tfichemsg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QPushButton* bouton(QWidget& fenetre, const QString& legende) {
    for (QPushButton* b : fenetre.findChildren<QPushButton*>())
        if (b->text() == legende)
            return b;
    return nullptr;
}

void clique(QWidget& fenetre, const QString& legende) {
    QTest::mouseClick(bouton(fenetre, legende), Qt::LeftButton);
}

QString numero(TFicheMsg& pad) {
    return pad.findChild<QLabel*>("Label8")->text();
}

QString pour(TFicheMsg& pad) {
    return champ(&pad, "Pour")->text();
}

void ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

} // namespace

class TestMessagesBlocNotes : public QObject {
    Q_OBJECT

private slots:
    void pagingThroughThreeMessages() {
        QTemporaryDir dir;
        const QString fichier = dir.filePath("Dupont.oms");
        ecrit(fichier, "Paul\tM. Roux\t\t04 78 00 00 00\t01/03/2024\t09:00:00\tFuite\tTFFFF\r\n"
                       "Anne\t\tSCI Lys\t\t02/03/2024\t10:00:00\tBail\tFFTFF\r\n"
                       "Marc\t\t\t\t03/03/2024\t11:00:00\tClefs\tFFFFT\r\n");
        Clock::Fixed maintenant(QDateTime(QDate(2024, 3, 12), QTime(14, 5, 9)));
        ScriptedQuestions questions;
        TFicheMsg pad;
        QCOMPARE(pad.windowTitle(), QString("Messages"));
        pad.Charge(dir.filePath("Dupont.loc"));
        pad.show();
        QVERIFY(QTest::qWaitForWindowActive(&pad));
        QCOMPARE(numero(pad), QString("3"));
        QCOMPARE(pour(pad), QString("Marc"));
        QCOMPARE(QApplication::focusWidget(), champ(&pad, "Pour"));
        QVERIFY(pad.findChild<QCheckBox*>("CheckBox5")->isChecked());

        clique(pad, ">");
        QCOMPARE(numero(pad), QString("3"));
        clique(pad, "<");
        QCOMPARE(numero(pad), QString("2"));
        QCOMPARE(champ(&pad, "De")->text(), QString());
        QCOMPARE(champ(&pad, "Société")->text(), QString("SCI Lys"));
        QVERIFY(pad.findChild<QCheckBox*>("CheckBox3")->isChecked());
        QTest::keyClick(champ(&pad, "Objet"), Qt::Key_PageUp);
        QCOMPARE(numero(pad), QString("1"));
        QCOMPARE(champ(&pad, "De")->text(), QString("M. Roux"));
        clique(pad, "<");
        QCOMPARE(numero(pad), QString("1"));
        // An edit is kept when the pad pages on.
        champ(&pad, "Objet")->setFocus();
        QTest::keyClick(champ(&pad, "Objet"), Qt::Key_End);
        QTest::keyClicks(champ(&pad, "Objet"), " au 2e");
        QTest::keyClick(champ(&pad, "Objet"), Qt::Key_PageDown);
        QCOMPARE(pour(pad), QString("Anne"));

        // A new card: "Date" and "Heure" left empty take the date and time of the moment.
        clique(pad, "+");
        QCOMPARE(numero(pad), QString("4"));
        QCOMPARE(pour(pad), QString());
        tape(champ(&pad, "Pour"), "Léa");
        tape(champ(&pad, "Date"), "");
        tape(champ(&pad, "Heure"), "");
        tape(champ(&pad, "Objet"), "Rappeler");
        QCOMPARE(champ(&pad, "Date")->text(), QString("12/03/2024"));
        QCOMPARE(champ(&pad, "Heure")->text(), QString("14:05:09"));
        QTest::mouseClick(pad.findChild<QCheckBox*>("CheckBox1"), Qt::LeftButton);
        QTest::mouseClick(pad.findChild<QCheckBox*>("CheckBox5"), Qt::LeftButton);

        clique(pad, "<");
        clique(pad, "-");
        QCOMPARE(numero(pad), QString("3"));
        QCOMPARE(pour(pad), QString("Léa"));
        clique(pad, "Fermer");
        QVERIFY(!pad.isVisible());
        QCOMPARE(contenu(fichier),
                 QByteArray("Paul\tM. Roux\t\t04 78 00 00 00\t01/03/2024\t09:00:00\tFuite au "
                            "2e\tTFFFF\r\n"
                            "Anne\t\tSCI Lys\t\t02/03/2024\t10:00:00\tBail\tFFTFF\r\n"
                            "L\xe9"
                            "a\t\t\t\t12/03/2024\t14:05:09\tRappeler\tTFFFT\r\n"));
        QVERIFY(questions.posees().isEmpty());
    }

    // A character the message file cannot hold keeps the card on screen, with a message that
    // names it.
    void characterRefused() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TFicheMsg pad;
        pad.Charge(dir.filePath("Dupont.loc"));
        pad.show();
        QVERIFY(QTest::qWaitForWindowActive(&pad));
        tape(champ(&pad, "Objet"), "Ω");
        clique(pad, "+");
        QCOMPARE(questions.posees(),
                 QStringList({"Le caractère « Ω » ne peut pas être enregistré dans le fichier "
                              "des messages"}));
        QCOMPARE(numero(pad), QString("1"));
        clique(pad, "Fermer");
        QVERIFY(pad.isVisible());
        champ(&pad, "Objet")->clear();
        clique(pad, "Fermer");
        QVERIFY(!pad.isVisible());
        QCOMPARE(contenu(dir.filePath("Dupont.oms")), QByteArray("\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    void notepadKeptAcrossTwoOpenings() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        {
            TBlocnotes bloc;
            QCOMPARE(bloc.windowTitle(), QString("Bloc-notes"));
            bloc.Charge(chemin);
            bloc.show();
            QVERIFY(QTest::qWaitForWindowActive(&bloc));
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("Memo1"));
            QTest::keyClicks(QApplication::focusWidget(), "Plombier lundi");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            tape(QApplication::focusWidget(), "Chèque 450 €");
            clique(bloc, "Fermer");
            QVERIFY(!bloc.isVisible());
        }
        QCOMPARE(contenu(chemin), QByteArray("Plombier lundi\r\nCh\xe8que 450 \x80\r\n"));
        TBlocnotes bloc;
        bloc.Charge(chemin);
        bloc.show();
        QVERIFY(QTest::qWaitForWindowActive(&bloc));
        QCOMPARE(bloc.findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
                 QString("Plombier lundi\nChèque 450 €"));
    }

    // Every Windows-1252 character read or typed goes back to the file as it was: the
    // non-breaking space (0xA0) is not a blank.
    void notepadKeepsNonBreakingSpaces() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        ecrit(chemin, "450\xa0\x80\r\nM.\xa0"
                      "Dupont\r\n");
        TBlocnotes bloc;
        bloc.Charge(chemin);
        bloc.show();
        QVERIFY(QTest::qWaitForWindowActive(&bloc));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        tape(QApplication::focusWidget(), QStringLiteral("n\u00b0\u00a07"));
        clique(bloc, "Fermer");
        QVERIFY(!bloc.isVisible());
        QCOMPARE(contenu(chemin), QByteArray("450\xa0\x80\r\nM.\xa0"
                                             "Dupont\r\nn\xb0\xa0"
                                             "7\r\n"));
    }

    // Opening and closing without typing leaves the file as it is, line ends included.
    void notepadUnchangedIsNotWritten() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        ecrit(chemin, "a\nb\n");
        TBlocnotes bloc;
        bloc.Charge(chemin);
        bloc.show();
        QVERIFY(QTest::qWaitForWindowActive(&bloc));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!bloc.isVisible());
        QCOMPARE(contenu(chemin), QByteArray("a\nb\n"));
    }

    // A file too large to read is reported, and the notepad is not to be shown: closing it
    // would replace the file.
    void notepadTooLargeIsNotShown() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        QVERIFY(fichierCreux(chemin, BlocNotes::TailleMax + 1));
        ScriptedQuestions questions;
        TBlocnotes bloc;
        QVERIFY(!bloc.Charge(chemin));
        QCOMPARE(questions.posees(),
                 QStringList(QString("Le fichier %1 dépasse 4 Mo : il est trop grand pour le "
                                     "bloc-notes")
                                 .arg(QDir::toNativeSeparators(chemin))));
    }

    void notepadRefusesWhatItCannotHold() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        ScriptedQuestions questions;
        TBlocnotes bloc;
        bloc.Charge(chemin);
        bloc.show();
        QVERIFY(QTest::qWaitForWindowActive(&bloc));
        tape(bloc.findChild<QPlainTextEdit*>("Memo1"), "x ≠ y");
        questions.repondOk(false);
        clique(bloc, "Fermer");
        QVERIFY(bloc.isVisible());
        QCOMPARE(questions.posees(),
                 QStringList({"Le caractère « ≠ » ne peut pas être enregistré dans le fichier " +
                              chemin + "\nFermer sans enregistrer ?"}));
        QVERIFY(!QFile::exists(chemin));
    }
};

QTEST_MAIN(TestMessagesBlocNotes)
#include "tst_messagesblocnotes.moc"
