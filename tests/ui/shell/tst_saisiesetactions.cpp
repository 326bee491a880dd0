#include "../../common/fichiersessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Extensions = {"LOC", "LOT", "FRS", "QTC", "ECH", "CMD", "RCU"};

// The bytes of the seven files of a dossier.
QList<QByteArray> dossier(const QString& main) {
    QList<QByteArray> octets;
    for (const QString& extension : Extensions)
        octets << contenu(main.chopped(3) + extension);
    return octets;
}

// Field 16 ("Loyer actuel") of the first tenant as the file holds it.
QString loyerEnregistre(const QString& main) {
    const QStringList lignes = TextFile::read(main);
    return lignes.value(lignes.indexOf("<BLOC0000>") + 16);
}

enum class Sauvegarde { Bouton, EnregistrerSous, QuestionAvantNouveau, Fermeture };

} // namespace

// What a landlord types reaches the dossier whole and as the program would have written it,
// whichever command stores it, and nothing typed, pasted or opened can damage the files.
class TstSaisiesEtActions : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

    void ouvre(TMainForm& form, ScriptedQuestions& questions, const QString& path) {
        questions.repondFichier(path);
        form.action(Action::Ouvrir)->trigger();
    }

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // An amount still being typed when a command stores the pages is ended first: formatted
    // into the file, or, when it is not a number, the command stops with its message.
    void commandsEndTheAmountEdit_data() {
        QTest::addColumn<Sauvegarde>("sauvegarde");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("enregistre");
        for (const QString& tape : {QStringLiteral("1250"), QStringLiteral(",,")}) {
            const QString enregistre = tape == "1250" ? "1250,00" : QString();
            const QByteArray cas = tape.toLatin1();
            QTest::newRow("toolbar " + cas) << Sauvegarde::Bouton << tape << enregistre;
            QTest::newRow("save as " + cas) << Sauvegarde::EnregistrerSous << tape << enregistre;
            QTest::newRow("question before new " + cas)
                << Sauvegarde::QuestionAvantNouveau << tape << enregistre;
            QTest::newRow("closing " + cas) << Sauvegarde::Fermeture << tape << enregistre;
        }
    }
    void commandsEndTheAmountEdit() {
        QFETCH(Sauvegarde, sauvegarde);
        QFETCH(QString, tape);
        QFETCH(QString, enregistre);
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        const QString avant = loyerEnregistre(dupont);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ouvre(form, questions, dupont);
        questions.efface();
        QLineEdit* loyer = champ(form.findChild<TVueFiche*>("Locataires"), "Loyer actuel");
        loyer->setFocus(Qt::TabFocusReason);
        loyer->selectAll();
        QTest::keyClicks(loyer, tape);
        QVERIFY(loyer->hasFocus());

        switch (sauvegarde) {
        case Sauvegarde::Bouton:
            form.action(Action::BoutonEnregistrer)->trigger();
            break;
        case Sauvegarde::EnregistrerSous:
            questions.repondFichier(dupont);
            questions.repondOk(true);
            form.action(Action::EnregistrerSous)->trigger();
            break;
        case Sauvegarde::QuestionAvantNouveau:
            questions.repond(Questions::Reponse::Oui);
            form.action(Action::Nouveau)->trigger();
            break;
        case Sauvegarde::Fermeture:
            questions.repond(Questions::Reponse::Oui);
            form.close();
            break;
        }
        if (enregistre.isEmpty()) {
            QVERIFY(questions.posees().contains("',,' n'est pas une valeur flottante correcte"));
            QCOMPARE(loyerEnregistre(dupont), avant);
            QVERIFY(form.isVisible());
        } else {
            QCOMPARE(loyerEnregistre(dupont).trimmed(), enregistre);
            QVERIFY(loyerEnregistre(dupont).startsWith(u' '));
        }
    }

    // Pasted text goes through the amount rule as typed keys do, and a field refuses a text
    // that would forge a block's limit, keeping what it held.
    void pastedAndForgedTexts() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ouvre(form, questions, dupont);
        questions.efface();
        auto* vue = form.findChild<TVueFiche*>("Locataires");

        QLineEdit* caution = champ(vue, "Caution");
        caution->setFocus(Qt::TabFocusReason);
        caution->clear();
        QApplication::clipboard()->setText("abc");
        QTest::keyClick(caution, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(caution->text(), QString());
        QApplication::clipboard()->setText("12.5");
        QTest::keyClick(caution, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(caution->text(), QString("12,5"));

        QLineEdit* nom = champ(vue, "Nom/Soc");
        const QString avant = nom->text();
        nom->setFocus(Qt::TabFocusReason);
        nom->selectAll();
        QApplication::clipboard()->setText("</BLOC0000>");
        QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nom->text(), avant);
        QCOMPARE(form.fiche().pageFiche(Base::Locataires)->champ(2), avant);
        QCOMPARE(questions.posees(),
                 QStringList("Un champ ne peut pas commencer par « <BLOC » ni par « </BLOC » : "
                             "« </BLOC0000> »"));

        form.action(Action::Enregistrer)->trigger();
        TFiche relue;
        relue.Charge(dupont);
        QVERIFY(!relue.dossierModifie());
        QCOMPARE(relue.pageFiche(Base::Locataires)->champ(2), avant);
        QCOMPARE(relue.pageFiche(Base::Locataires)->champ(18).trimmed(), QString("12,50"));
    }

    // Save as onto another existing dossier, given up at "Ce fichier existe déjà : il sera
    // remplacé.", leaves the open dossier's name: the next Save writes its own files, never the
    // other one.
    void saveAsGivenUp() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        const QString autre = dir.filePath("autre.loc");
        TextFile::write(autre, {"<BLOC0000>", "20001", "Autre", "</BLOC0000>"});
        const QByteArray octetsAutre = contenu(autre);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, "Martin");
        questions.repondFichier(autre);
        questions.repondOk(false);
        QVERIFY(!form.EnregistrerSous());
        QCOMPARE(form.dossierPath(), dupont);
        QVERIFY(form.Enregistrer());
        QCOMPARE(contenu(autre), octetsAutre);
        QVERIFY(contenu(dupont).contains("\r\nMartin\r\n"));
    }

    // An open that fails leaves the open dossier exactly as it was: the next Save writes it
    // back to its own files, byte for byte.
    void failedOpenKeepsTheDossier() {
        QTemporaryDir dir;
        const QString a = copieFixture(dir);
        const QString b = dir.filePath("b.loc");
        TextFile::write(b, {"<BLOC0000>", "", "B", "</BLOC0000>"});
        QStringList lots;
        for (int i = 0; i <= TListeBase::MaxBlocs; ++i)
            lots << TListeBase::openingLine(i % 10000) << "lot"
                 << TListeBase::closingLine(i % 10000);
        TextFile::write(dir.filePath("b.lot"), lots);
        const QList<QByteArray> octetsA = dossier(a);
        const QList<QByteArray> octetsB = dossier(b);

        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, a);
        ouvre(form, questions, b);
        QCOMPARE(questions.posees().last(),
                 QStringLiteral("Le fichier %1 contient plus de 9999 fiches : il ne peut pas être "
                                "ouvert")
                     .arg(QDir::toNativeSeparators(dir.filePath("b.lot"))));
        QCOMPARE(form.dossierPath(), a);
        QCOMPARE(form.windowTitle(), QString("Tarvinel - [DUPONT.LOC]"));
        form.fiche().SetSauve();
        QVERIFY(form.Enregistrer());
        QCOMPARE(dossier(a), octetsA);
        QCOMPARE(dossier(b), octetsB);
    }

    // A number that does not convert somewhere in a base does not keep the dossier from
    // opening; its message comes when a new number is needed.
    void badNumberOpens() {
        QTemporaryDir dir;
        const QString b = dir.filePath("b.loc");
        TextFile::write(b, {"<BLOC0000>", "", "Sans numéro", "</BLOC0000>", "<BLOC0001>", "12B",
                            "Numéro abîmé", "</BLOC0001>"});
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, b);
        QCOMPARE(questions.posees(), QStringList("Fichier locataires (*.loc)"));
        QCOMPARE(form.dossierPath(), b);
        QCOMPARE(form.fiche().pageFiche(Base::Locataires)->champ(2), QString("Sans numéro"));
        form.action(Action::NouvelleFiche)->trigger();
        QCOMPARE(questions.posees().last(), QString("'12B' n'est pas une valeur entière correcte"));
    }

    // "Restaurer une sauvegarde..." lists the dated copies, asks, then puts the chosen one back;
    // the dossier replaced is itself kept, so restoring again undoes it.
    void restoreACopy() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        const QByteArray avant = contenu(dupont);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, "Erreur");
        form.action(Action::Enregistrer)->trigger();
        const QByteArray apres = contenu(dupont);
        QVERIFY(apres != avant);
        questions.efface();

        questions.repondChoix(0);
        questions.repondOk(false);
        form.action(Action::RestaurerSauvegarde)->trigger();
        QCOMPARE(questions.posees().value(0),
                 "Restaurer une sauvegarde\n10/12/2026 09:00:00 — 2 locataires, 1 fournisseur, "
                 "1 lot, 1 quittance, 0 avis, 1 commande, 1 reçu");
        QCOMPARE(questions.posees().value(1),
                 "Remplacer le dossier DUPONT.LOC par sa sauvegarde du 10/12/2026 à 09:00:00 ? "
                 "Le dossier actuel sera lui-même gardé en sauvegarde.");
        QCOMPARE(contenu(dupont), apres);

        questions.repondChoix(0);
        questions.repondOk(true);
        form.action(Action::RestaurerSauvegarde)->trigger();
        QCOMPARE(contenu(dupont), avant);
        QCOMPARE(form.fiche().pageFiche(Base::Locataires)->champ(2), QString("Hélène Dupré"));

        questions.repondChoix(0);
        questions.repondOk(true);
        form.action(Action::RestaurerSauvegarde)->trigger();
        QCOMPARE(contenu(dupont), apres);
        QCOMPARE(questions.imprevues(), QStringList());
    }

    // The receipt selection by tenant asks the number, offering the one on screen.
    void receiptSelectionAsks() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        form.action(Action::PageQuittances)->trigger();
        questions.efface();
        questions.repondSaisie(QString("10002"));
        form.action(Action::QuittancesCodeLocataire)->trigger();
        QCOMPARE(questions.posees().value(0).left(40),
                 QString("Sélectionner Quittances / N° locataire ["));
        QCOMPARE(form.fiche().selections().numLocSel, QString("10002"));
        QCOMPARE(form.fiche().selections().modeSelQtc, 2);
    }
};

QTEST_MAIN(TstSaisiesEtActions)
#include "tst_saisiesetactions.moc"
