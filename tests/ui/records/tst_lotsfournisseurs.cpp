#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "ui/records/tficheform.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The field lines of block `key` of a saved file.
QStringList bloc(const QString& path, int key) {
    const QStringList lignes = TextFile::read(path);
    const qsizetype debut = lignes.indexOf(TListeBase::openingLine(key));
    const qsizetype fin = lignes.indexOf(TListeBase::closingLine(key));
    return debut < 0 || fin < 0 ? QStringList() : lignes.mid(debut + 1, fin - debut - 1);
}

} // namespace

// A landlord keys in two lots and two suppliers through the menus, picks a lot for a tenant,
// and finds every text in its line of the files.
class TstLotsFournisseurs : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    void keyedInAndSaved() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        form.fiche().SetListe(ListeValeurs::TypesLots, {"APPARTEMENT", "GARAGE"});

        form.action(Action::PageLots)->trigger();
        auto* lots = form.findChild<TVueFiche*>("Lots");
        QVERIFY(lots->isVisible());
        QVERIFY(champ(lots, "Désignation")->hasFocus());
        tape(champ(lots, "Désignation"), "Studio rue Haute");
        tape(champ(lots, "Code postal"), "49000");
        auto* type = champ<QComboBox>(lots, "Type");
        QCOMPARE(type->count(), 2);
        type->setFocus(Qt::MouseFocusReason);
        type->setCurrentIndex(0);
        emit type->activated(0);
        tape(champ(lots, "Prix achat"), "85000.5");
        champ<QCheckBox>(lots, "Occupé")->click();
        form.action(Action::NouvelleFiche)->trigger();
        QCOMPARE(champ(lots, "N° lot")->text(), QString("10002"));
        tape(champ(lots, "Désignation"), "Garage n° 4");
        tape(champ(lots, "Montant Prêt"), "12000");
        champ(lots, "Désignation")->setFocus(Qt::MouseFocusReason);

        form.action(Action::PageFournisseurs)->trigger();
        auto* fours = form.findChild<TVueFiche*>("Fournisseurs");
        QVERIFY(champ(fours, "Nom/Soc")->hasFocus());
        tape(champ(fours, "Nom/Soc"), "Plomberie Martin");
        tape(champ(fours, "E.mail"), "contact@martin.fr");
        tape(champ(fours, "Crédit maxi"), "1500");
        form.action(Action::NouvelleFiche)->trigger();
        tape(champ(fours, "Nom/Soc"), "Électricité Durand");
        tape(champ(fours, "Ville"), "Angers");
        QTest::keyClick(champ(fours, "Ville"), Qt::Key_PageUp);
        QCOMPARE(champ(fours, "Nom/Soc")->text(), QString("Plomberie Martin"));

        // The tenant picks the second lot in its "N° lot" list.
        form.action(Action::PageLocataires)->trigger();
        auto* locataires = form.findChild<TVueFiche*>("Locataires");
        tape(champ(locataires, "Nom/Soc"), "Dupré");
        auto* numLot = champ<QComboBox>(locataires, "N° lot");
        QCOMPARE(numLot->count(), 2);
        QCOMPARE(numLot->itemText(1), QString("10002 Garage n° 4"));
        numLot->setFocus(Qt::MouseFocusReason);
        numLot->setCurrentIndex(1);
        emit numLot->activated(1);
        champ(locataires, "Nom/Soc")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(numLot->currentText(), QString("10002"));
        QCOMPARE(champ(locataires, "Nom lot")->text(), QString("Garage n° 4"));

        const QString principal = dir.filePath("dupre.loc");
        questions.repondFichier(principal);
        form.action(Action::Enregistrer)->trigger();
        QCOMPARE(questions.imprevues(), QStringList());

        const QStringList lot0 = bloc(dir.filePath("dupre.lot"), 0);
        QCOMPARE(lot0.value(0), QString("10001"));
        QCOMPARE(lot0.value(1), QString("Studio rue Haute"));
        QCOMPARE(lot0.value(4), QString("49000"));
        QCOMPARE(lot0.value(10), QString("APPARTEMENT"));
        QCOMPARE(lot0.value(12), QString("  /  /    "));
        QCOMPARE(lot0.value(13).trimmed(), QString("85000,50"));
        QCOMPARE(lot0.value(20), QString("Y"));
        const QStringList lot1 = bloc(dir.filePath("dupre.lot"), 1);
        QCOMPARE(lot1.value(1), QString("Garage n° 4"));
        QCOMPARE(lot1.value(15).trimmed(), QString("12000,00"));
        QCOMPARE(lot1.value(20), QString("N"));

        const QStringList four0 = bloc(dir.filePath("dupre.frs"), 0);
        QCOMPARE(four0.value(0), QString("10001"));
        QCOMPARE(four0.value(2), QString("Plomberie Martin"));
        QCOMPARE(four0.value(10), QString("contact@martin.fr"));
        QCOMPARE(four0.value(18).trimmed(), QString("1500,00"));
        const QStringList four1 = bloc(dir.filePath("dupre.frs"), 1);
        QCOMPARE(four1.value(0), QString("10002"));
        QCOMPARE(four1.value(2), QString("Électricité Durand"));
        QCOMPARE(four1.value(6), QString("Angers"));

        const QStringList locataire = bloc(principal, 0);
        QCOMPARE(locataire.value(1), QString("Dupré"));
        QCOMPARE(locataire.value(11), QString("10002"));
        QCOMPARE(locataire.value(12), QString("Garage n° 4"));
    }

    // F2 on the lot page shows the lot picked in the list.
    void f2OnTheLotPage() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        form.action(Action::PageLots)->trigger();
        auto* lots = form.findChild<TVueFiche*>("Lots");
        tape(champ(lots, "Désignation"), "Studio");
        form.action(Action::NouvelleFiche)->trigger();
        tape(champ(lots, "Désignation"), "Garage");
        form.action(Action::Premier)->trigger();
        questions.repondFiche(1);
        QTest::keyClick(champ(lots, "Désignation"), Qt::Key_F2);
        QCOMPARE(questions.posees(), QStringList("Liste 2 (2 fiches)"));
        QCOMPARE(champ(lots, "Désignation")->text(), QString("Garage"));
    }
};

QTEST_MAIN(TstLotsFournisseurs)
#include "tst_lotsfournisseurs.moc"
