#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/rtf/fichierrtf.h"
#include "core/tools/documenttexte.h"
#include "ui/tools/ttexte.h"

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

namespace {

QTextEdit* edit(TTexte& texte) {
    return texte.findChild<QTextEdit*>("RichEdit1");
}

void clique(TTexte& texte, const char* nom) {
    QTest::mouseClick(texte.findChild<QAbstractButton*>(nom), Qt::LeftButton);
}

bool enfonce(TTexte& texte, const char* nom) {
    return texte.findChild<QAbstractButton*>(nom)->isChecked();
}

void tape(TTexte& texte, const QString& frappe) {
    for (QChar c : frappe) {
        if (c == u'\n')
            QTest::keyClick(edit(texte), Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, edit(texte), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
}

TDocumentRtf lettre(TTexte& texte) {
    return DocumentTexte::lettre(*edit(texte)->document());
}

void ouvre(TTexte& texte) {
    texte.show();
    QVERIFY(QTest::qWaitForWindowActive(&texte));
}

} // namespace

class TestTexte : public QObject {
    Q_OBJECT

private slots:
    void window() {
        TTexte texte;
        QCOMPARE(texte.windowTitle(), QString("Texte"));
        QVERIFY(texte.windowState() & Qt::WindowMaximized);
        ouvre(texte);
        QCOMPARE(QApplication::focusWidget(), edit(texte));
        QVERIFY(edit(texte)->toPlainText().isEmpty());
        QCOMPARE(texte.findChild<QComboBox*>("ComboBox1")->currentText(),
                 QString("Times New Roman"));
        QVERIFY(enfonce(texte, "Gauche"));
    }

    // A letter typed on the letterhead, with a bold word and a centred line, saved and opened
    // again.
    void letterSavedAndOpenedAgain() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TTexte texte;
        texte.Setsoc("Jean Martin", "12 rue des Chênes", "", "69001 Lyon");
        ouvre(texte);
        clique(texte, "SpeedButton1");
        QCOMPARE(edit(texte)->toPlainText(),
                 QString("Jean Martin\n12 rue des Chênes\n\n69001 Lyon\n"));
        QVERIFY(!edit(texte)->document()->isModified());

        tape(texte, "Objet : ");
        clique(texte, "Gras");
        tape(texte, "loyer");
        clique(texte, "Gras");
        tape(texte, " de mars\n");
        clique(texte, "Centre");
        QVERIFY(enfonce(texte, "Centre"));
        tape(texte, "Madame, reçu 450 €.");

        questions.repondFichier(dir.filePath("mars"));
        clique(texte, "SpeedButton2");
        QCOMPARE(questions.posees(), QStringList({"Fichiers rtf (*.rtf) "}));
        const QString chemin = dir.filePath("mars.rtf");
        QCOMPARE(texte.nomFichier(), chemin);
        QVERIFY(contenu(chemin).startsWith("{\\rtf1"));
        QVERIFY(!edit(texte)->document()->isModified());
        const TDocumentRtf ecrite = lettre(texte);

        TTexte relue;
        ouvre(relue);
        questions.repondFichier(chemin);
        clique(relue, "SpeedButton13");
        QCOMPARE(lettre(relue), ecrite);
        const QList<TParagraphe>& p = ecrite.paragraphes;
        QCOMPARE(p.size(), 6);
        QCOMPARE(p[4].fragments.size(), 3);
        QCOMPARE(p[4].fragments[1].texte, QString("loyer"));
        QVERIFY(p[4].fragments[1].format.gras);
        QVERIFY(!p[4].fragments[2].format.gras);
        QCOMPARE(p[5].texte(), QString("Madame, reçu 450 €."));
        QCOMPARE(p[5].alignement, Alignement::Centre);
        QCOMPARE(p[4].alignement, Alignement::Gauche);
        QVERIFY(!edit(relue)->document()->isModified());
        QVERIFY(questions.imprevues().isEmpty());
    }

    void promptOnClose_data() {
        QTest::addColumn<bool>("modifie");
        QTest::addColumn<QList<Questions::Reponse>>("reponses");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<bool>("ferme");
        QTest::addColumn<bool>("ecrit");
        using R = Questions::Reponse;
        QTest::newRow("not modified") << false << QList<R>() << "" << true << false;
        QTest::newRow("Annuler") << true << QList<R>{R::Annuler} << "" << false << false;
        QTest::newRow("Non") << true << QList<R>{R::Non} << "" << true << false;
        QTest::newRow("Oui, saved") << true << QList<R>{R::Oui} << "lettre.rtf" << true << true;
        QTest::newRow("Oui, save dialog cancelled")
            << true << QList<R>{R::Oui} << "" << false << false;
    }
    void promptOnClose() {
        QFETCH(bool, modifie);
        QFETCH(QList<Questions::Reponse>, reponses);
        QFETCH(QString, fichier);
        QFETCH(bool, ferme);
        QFETCH(bool, ecrit);
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        if (modifie)
            tape(texte, "Monsieur");
        for (Questions::Reponse r : reponses)
            questions.repond(r);
        if (reponses == QList<Questions::Reponse>{Questions::Reponse::Oui})
            questions.repondFichier(fichier.isEmpty() ? QString() : dir.filePath(fichier));
        clique(texte, "Button1");
        QCOMPARE(texte.isVisible(), !ferme);
        QCOMPARE(questions.posees().value(0),
                 modifie ? QString("Enregistrer changements dans  ?") : QString());
        QCOMPARE(QFile::exists(dir.filePath("lettre.rtf")), ecrit);
        QVERIFY(questions.scriptEpuise());
    }

    void closingAsksWithTheFileName() {
        QTemporaryDir dir;
        const QString chemin = dir.filePath("bail.rtf");
        FichierRtf::ecris(chemin, {{{}}});
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        questions.repondFichier(chemin);
        clique(texte, "SpeedButton13");
        tape(texte, "x");
        questions.repond(Questions::Reponse::Annuler);
        QTest::keyClick(edit(texte), Qt::Key_Escape);
        QVERIFY(texte.isVisible());
        QCOMPARE(questions.posees().last(), QString("Enregistrer changements dans bail.rtf ?"));
    }

    // Opening another letter first offers to save the one on screen.
    void openingAsksFirst() {
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        tape(texte, "Brouillon");
        questions.repond(Questions::Reponse::Annuler);
        clique(texte, "SpeedButton13");
        QCOMPARE(questions.posees(), QStringList({"Enregistrer changements dans  ?"}));
        QCOMPARE(edit(texte)->toPlainText(), QString("Brouillon"));
    }

    // A file that is not a letter is reported; the letter on screen stays as it was.
    void openingWhatIsNotALetter() {
        QTemporaryDir dir;
        QFile faux(dir.filePath("faux.rtf"));
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("Bonjour");
        faux.close();
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        tape(texte, "Madame");
        edit(texte)->document()->setModified(false);
        questions.repondFichier(faux.fileName());
        clique(texte, "SpeedButton13");
        QCOMPARE(
            questions.posees(),
            QStringList({"Fichiers rtf (*.rtf)", "Le fichier faux.rtf n'est pas un document RTF"}));
        QCOMPARE(edit(texte)->toPlainText(), QString("Madame"));
        QCOMPARE(texte.nomFichier(), QString());
    }

    // A file holding what the editor does not keep says so on opening; saving asks before
    // replacing it and offers another name instead.
    void letterWithContentNotKept() {
        QTemporaryDir dir;
        const QString original = dir.filePath("writer.rtf");
        QVERIFY(QFile::copy(TARVINEL_FIXTURES "/rtf/lettre-writer.rtf", original));
        const QByteArray avant = contenu(original);
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        questions.repondFichier(original);
        clique(texte, "SpeedButton13");
        const QString omis = "en-têtes ou pieds de page, images";
        QCOMPARE(questions.posees(),
                 QStringList({"Fichiers rtf (*.rtf)",
                              "Ce document contient ce que le traitement de texte ne garde pas (" +
                                  omis +
                                  ") : ce n'est pas affiché, et remplacer le fichier "
                                  "l'effacerait."}));
        tape(texte, "Bien ");
        const QString question = "Remplacer writer.rtf effacera du fichier ce que le traitement "
                                 "de texte ne garde pas (" +
                                 omis + "). Remplacer ce fichier ?";
        const QString autre = dir.filePath("writer (modifié).rtf");

        // "Annuler", then the other name given up: nothing is written.
        questions.efface();
        questions.repondFichier(original);
        questions.repondOk(false);
        questions.repondFichier(QString());
        clique(texte, "SpeedButton2");
        QCOMPARE(questions.posees(), QStringList({"Fichiers rtf (*.rtf) " + original, question,
                                                  "Fichiers rtf (*.rtf) " + autre}));
        QCOMPARE(contenu(original), avant);
        QVERIFY(edit(texte)->document()->isModified());

        // "Annuler", then the other name taken: the letter goes there, the file stays whole.
        questions.efface();
        questions.repondFichier(original);
        questions.repondOk(false);
        questions.repondFichier(autre);
        clique(texte, "SpeedButton2");
        QCOMPARE(contenu(original), avant);
        QVERIFY(edit(texte)->toPlainText().startsWith("Bien "));
        QVERIFY(FichierRtf::lis(autre)->lettre.texte().startsWith("Bien "));
        QCOMPARE(texte.nomFichier(), autre);

        // The letter saved is all of its file: saving it again asks nothing.
        tape(texte, "x");
        questions.efface();
        questions.repondFichier(autre);
        clique(texte, "SpeedButton2");
        QCOMPARE(questions.posees(), QStringList({"Fichiers rtf (*.rtf) " + autre}));
    }

    // A file past the largest letter is refused before it is read.
    void tooLargeLetter() {
        QTemporaryDir dir;
        const QString chemin = dir.filePath("grande.rtf");
        QVERIFY(fichierCreux(chemin, FichierRtf::TailleMax + 1));
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        questions.repondFichier(chemin);
        clique(texte, "SpeedButton13");
        QCOMPARE(questions.posees().value(1),
                 QString("Le fichier %1 dépasse 32 Mo : il est trop grand pour être ouvert dans "
                         "le traitement de texte")
                     .arg(chemin));
        QVERIFY(texte.nomFichier().isEmpty());
    }

    void saveDoesNothingUnmodified() {
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        clique(texte, "SpeedButton2");
        QVERIFY(questions.posees().isEmpty());
    }

    // The name of the last letter is offered again for a new one, but not written over
    // without a question.
    void newLetterNeverOverwritesSilently() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        tape(texte, "Première");
        questions.repondFichier(dir.filePath("a.rtf"));
        clique(texte, "SpeedButton2");
        const QByteArray premiere = contenu(dir.filePath("a.rtf"));
        clique(texte, "SpeedButton1");
        tape(texte, "Seconde");
        questions.efface();
        questions.repondFichier(dir.filePath("a.rtf"));
        questions.repondOk(false);
        clique(texte, "SpeedButton2");
        QCOMPARE(questions.posees(), QStringList({"Fichiers rtf (*.rtf) " + dir.filePath("a.rtf"),
                                                  "Ce fichier existe déjà : il sera remplacé."}));
        QCOMPARE(contenu(dir.filePath("a.rtf")), premiere);
        QVERIFY(edit(texte)->document()->isModified());
    }

    void boldWithAndWithoutSelection() {
        TTexte texte;
        ouvre(texte);
        tape(texte, "un deux");
        QTextCursor curseur = edit(texte)->textCursor();
        curseur.setPosition(0);
        curseur.setPosition(2, QTextCursor::KeepAnchor);
        edit(texte)->setTextCursor(curseur);
        clique(texte, "Gras");
        QCOMPARE(lettre(texte).paragraphes[0].fragments.size(), 2);
        QVERIFY(lettre(texte).paragraphes[0].fragments[0].format.gras);
        edit(texte)->moveCursor(QTextCursor::End);
        QVERIFY(!enfonce(texte, "Gras"));
        clique(texte, "Gras");
        QCOMPARE(lettre(texte).paragraphes[0].fragments.size(), 2);
        tape(texte, " trois");
        const QList<TFragment> f = lettre(texte).paragraphes[0].fragments;
        QCOMPARE(f.size(), 3);
        QCOMPARE(f[2].texte, QString(" trois"));
        QVERIFY(f[2].format.gras);
        QVERIFY(!f[1].format.gras);
    }

    void fontAndSizeFromTheToolbar() {
        ScriptedQuestions questions;
        TTexte texte;
        ouvre(texte);
        auto* taille = texte.findChild<QSpinBox*>("SpinEdit1");
        taille->setValue(18);
        auto* police = texte.findChild<QComboBox*>("ComboBox1");
        police->setCurrentText("Liberation Sans");
        emit police->textActivated("Liberation Sans");
        tape(texte, "Grand");
        QFont courrier("Liberation Mono", 9);
        courrier.setItalic(true);
        questions.repondPolice(courrier);
        clique(texte, "SpeedButton18");
        tape(texte, "petit");
        const QList<TFragment> f = lettre(texte).paragraphes[0].fragments;
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0].format.police, QString("Liberation Sans"));
        QCOMPARE(f[0].format.demiPoints, 36);
        QCOMPARE(f[1].format.police, QString("Liberation Mono"));
        QCOMPARE(f[1].format.demiPoints, 18);
        QVERIFY(f[1].format.italique);
        QCOMPARE(taille->value(), 9);
        QVERIFY(enfonce(texte, "Italique"));
        QCOMPARE(questions.posees(), QStringList({"Police Liberation Sans 18"}));
    }

    void bullets() {
        TTexte texte;
        ouvre(texte);
        tape(texte, "eau\nchauffage");
        QTextCursor curseur = edit(texte)->textCursor();
        curseur.setPosition(0, QTextCursor::KeepAnchor);
        edit(texte)->setTextCursor(curseur);
        clique(texte, "Puces");
        QVERIFY(lettre(texte).paragraphes[0].puce);
        QVERIFY(lettre(texte).paragraphes[1].puce);
        edit(texte)->moveCursor(QTextCursor::End);
        QVERIFY(enfonce(texte, "Puces"));
        clique(texte, "Puces");
        QVERIFY(lettre(texte).paragraphes[0].puce);
        QVERIFY(!lettre(texte).paragraphes[1].puce);
        QCOMPARE(lettre(texte).paragraphes[1].retraitGauche, 0);
    }

    // The first-line marker dragged to 50 pixels, held 5 pixels from its edge: the first line
    // starts 36 points in, the other lines stay where they were.
    void rulerMarkerDragged() {
        TTexte texte;
        ouvre(texte);
        tape(texte, "Madame, Monsieur,");
        auto* premiere = texte.findChild<QWidget*>("FirstInd");
        QCOMPARE(premiere->x(), 2);
        QTest::mousePress(premiere, Qt::LeftButton, {}, QPoint(5, 4));
        QTest::mouseMove(premiere, QPoint(5 + 48, 4));
        QCOMPARE(premiere->x(), 50);
        QTest::mouseRelease(premiere, Qt::LeftButton, {}, QPoint(5, 4));
        const QTextBlock bloc = edit(texte)->textCursor().block();
        QCOMPARE(DocumentTexte::retraits(bloc), (TRetraits{36, -36, 0}));
        QCOMPARE(lettre(texte).paragraphes[0].retraitPremiere, 720);
        QCOMPARE(lettre(texte).paragraphes[0].retraitGauche, 0);
        QCOMPARE(premiere->x(), 50);
        QVERIFY(edit(texte)->document()->isModified());
    }
};

QTEST_MAIN(TestTexte)
#include "tst_texte.moc"
