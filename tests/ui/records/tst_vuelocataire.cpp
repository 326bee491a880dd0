#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TstVueLocataire : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    void typedCardsReachTheFile() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        auto* vue = form.findChild<TVueFiche*>("Locataires");
        QVERIFY(vue);
        QCOMPARE(champ(vue, "N° locataire")->text(), QString("10001"));

        tape(champ(vue, "Nom/Soc"), "Dupré");
        tape(champ(vue, "Entré"), "01022003");
        QLineEdit* loyer = champ(vue, "Loyer actuel");
        tape(loyer, "4a50.5");
        QCOMPARE(loyer->text(), QString("450,5"));
        champ(vue, "Caution")->setFocus();
        QCOMPARE(loyer->text().trimmed(), QString("450,50"));
        QVERIFY(loyer->text().startsWith(' '));
        loyer->setFocus();
        QCOMPARE(loyer->text(), QString("450,50"));

        tape(vue->memo(), QStringLiteral("Bail signé 1\u00a0an"));
        tape(champ(vue, "Libellé"), "Caution");
        tape(champ(vue, "Montant"), "900");
        for (QPushButton* b : vue->findChildren<QPushButton*>())
            if (b->text() == "OK")
                QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(vue->grille()->model()->index(0, 1).data().toString(), QString("Caution"));

        form.action(Action::NouvelleFiche)->trigger();
        QCOMPARE(champ(vue, "N° locataire")->text(), QString("10002"));
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString());
        tape(champ(vue, "Nom/Soc"), "Martin");
        form.action(Action::Premier)->trigger();
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Dupré"));
        QCOMPARE(loyer->text().trimmed(), QString("450,50"));
        form.action(Action::Dernier)->trigger();
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Martin"));

        questions.repondFichier(dir.filePath("essai"));
        form.action(Action::Enregistrer)->trigger();
        const QStringList lignes = TextFile::read(dir.filePath("essai.loc"));
        QCOMPARE(lignes.value(0), QString("<BLOC0000>"));
        QCOMPARE(lignes.value(1), QString("10001"));
        QCOMPARE(lignes.value(2), QString("Dupré"));
        QCOMPARE(lignes.value(10), QString("01/02/2003"));
        QCOMPARE(lignes.value(11), QString("  /  /    "));
        QCOMPARE(lignes.value(16).trimmed(), QString("450,50"));
        QCOMPARE(lignes.value(27), QStringLiteral("MEMOBail signé 1\u00a0an"));
        QVERIFY(lignes.value(28).startsWith("DATA10/12/2026\tCaution\t"));
        QCOMPARE(lignes.value(29), QString("</BLOC0000>"));
        QCOMPARE(lignes.value(31), QString("10002"));
        QCOMPARE(lignes.value(32), QString("Martin"));
        QCOMPARE(lignes.size(), 30 + 28);
        QVERIFY(questions.imprevues().isEmpty());
    }

    void postalCodeSelection() {
        QTemporaryDir dir;
        QStringList lignes;
        const QStringList villes{"75005 Paris", "69001 Lyon", "75005 Paris", "69001 Lyon"};
        for (int k = 0; k < villes.size(); ++k) {
            lignes << TListeBase::openingLine(k) << QString::number(10001 + k)
                   << QStringLiteral("Locataire %1").arg(k) << ""
                   << "" << villes[k].left(5) << villes[k].mid(6) << TListeBase::closingLine(k);
        }
        TextFile::write(dir.filePath("villes.loc"), lignes);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        questions.repondFichier(dir.filePath("villes.loc"));
        form.action(Action::Ouvrir)->trigger();
        auto* vue = form.findChild<TVueFiche*>("Locataires");

        questions.repondSaisie("69001");
        form.action(Action::CodePostalLocataires)->trigger();
        QCOMPARE(questions.posees().last(), QString("Code postal / Code postal []"));
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Locataire 1"));
        form.action(Action::Suivant)->trigger();
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Locataire 3"));
        form.action(Action::Suivant)->trigger();
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Locataire 3"));

        questions.repondSaisie("lyon");
        form.action(Action::VilleLocataires)->trigger();
        QCOMPARE(form.fiche().selections().villeSel, QString("LYON"));
        form.action(Action::Dernier)->trigger();
        QCOMPARE(champ(vue, "Nom/Soc")->text(), QString("Locataire 3"));

        questions.repondSaisie(std::nullopt);
        form.action(Action::CodePostalLocataires)->trigger();
        QCOMPARE(questions.posees().last(), QString("Code postal / Code postal [69001]"));
        QCOMPARE(form.fiche().selections().cpSel, QString("69001"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    void badAmountStopsTheMove() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        auto* vue = form.findChild<TVueFiche*>("Locataires");
        tape(champ(vue, "Nom/Soc"), "Dupré");
        form.action(Action::NouvelleFiche)->trigger();
        tape(champ(vue, "Taxes"), ",,");
        form.action(Action::Premier)->trigger();
        QCOMPARE(questions.posees().value(0),
                 QString("',,' n'est pas une valeur flottante correcte"));
        QCOMPARE(champ(vue, "N° locataire")->text(), QString("10002"));
        QCOMPARE(champ(vue, "Taxes")->text(), QString(",,"));
    }
};

QTEST_MAIN(TstVueLocataire)
#include "tst_vuelocataire.moc"
