#include "../dossieressai.h"
#include "../grilleessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "core/documents/tpagedocument.h"
#include "ui/documents/tvuedocument.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The rows of a block, designation and trimmed amount.
QStringList rangees(const QStringList& bloc, const QString& tag) {
    QStringList r;
    for (const QString& ligne : bloc)
        if (ligne.startsWith(tag)) {
            const QStringList cellules = ligne.mid(4).split(u'\t');
            r << cellules.value(0) + " = " + cellules.value(1).trimmed();
        }
    return r;
}

} // namespace

class TstVueDocument : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // The receipt made from the card, one amount changed, validated and saved: the block
    // holds the validated receipt and the tenant's history its total.
    void receiptFromTheCard() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QVERIFY(vue && vue->isVisible());
        QCOMPARE(QApplication::focusWidget(), champ(vue, "Coordonnées du locataire"));
        QCOMPARE(champ(vue, "N° quittance")->text(), QString("202612001"));
        QCOMPARE(champ(vue, "N° locataire")->text(), QString("10001"));
        QCOMPARE(champ(vue, "Coordonnées du locataire", 3)->text(), QString("75005 Paris"));
        QTableView* grille = vue->grille();
        QCOMPARE(cellule(grille, 2, 0), QString("APL"));
        QCOMPARE(cellule(grille, 2, 1), QString("-100,00"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL Euros")->text(), QString("400,00"));
        QCOMPARE(champ<QLabel>(vue, "Francs")->text(), QString("2623,83"));
        QCOMPARE(champ<QLabel>(vue, "Statut")->text(), QString("Quittance non validée"));

        tapeCellule(grille, 1, 1, "62.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(cellule(grille, 1, 1), QString("62,50"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL Euros")->text(), QString("412,50"));
        QCOMPARE(grille->currentIndex(), grille->model()->index(2, 0));

        QPushButton* valider = bouton(vue, "Valider");
        QTest::mouseClick(valider, Qt::LeftButton);
        QCOMPARE(champ<QLabel>(vue, "Statut")->text(), QString("Quittance validée"));
        QVERIFY(!valider->isEnabled());
        QVERIFY(!grille->isEnabled());

        questions.repondFichier(dir.filePath("essai"));
        form.action(Action::Enregistrer)->trigger();
        const QStringList quittance = bloc(TextFile::read(dir.filePath("essai.qtc")), 0);
        QCOMPARE(quittance.mid(1, 12),
                 QStringList({"NUMQ202612001", "10/12/2026", "10001", "Chèque", "Décembre 2026",
                              "01/12/2026", "31/12/2026", "Dupré", "12 rue des Lilas", "",
                              "75005 Paris", "Y"}));
        QCOMPARE(rangees(quittance, "QUIT"),
                 QStringList({"Loyer mensuel = 450,00", "Provision pour charges = 62,50",
                              "APL = -100,00"}));
        QCOMPARE(quittance.size(), 17);
        const QStringList locataire = bloc(TextFile::read(dir.filePath("essai.loc")), 0);
        const QStringList historique = locataire.value(locataire.size() - 2).split(u'\t');
        QCOMPARE(historique.value(0), QString("DATA10/12/2026"));
        QCOMPARE(historique.value(1), QString("Loyer Décembre 2026"));
        QCOMPARE(historique.value(2).trimmed(), QString("412,50"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // "Créer" gives a blank receipt, "..." fills it from the tenant picked; the search and the
    // list show a receipt again, the one on screen stored first.
    void searchListAndTenantPick() {
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QTest::mouseClick(bouton(vue, "Créer"), Qt::LeftButton);
        QCOMPARE(champ(vue, "N° quittance")->text(), QString("202612002"));
        QCOMPARE(champ(vue, "N° locataire")->text(), QString());
        questions.repondSaisie("10001");
        QTest::mouseClick(bouton(vue, "..."), Qt::LeftButton);
        QCOMPARE(champ(vue, "Coordonnées du locataire")->text(), QString("Dupré"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL Euros")->text(), QString("400,00"));

        questions.repondSaisie("202612001");
        form.action(Action::ChercherQuittance)->trigger();
        QCOMPARE(champ(vue, "N° quittance")->text(), QString("202612001"));
        QCOMPARE(form.fiche().base(Base::Quittances).nb(), 2);
        questions.repondFiche(1);
        QTest::keyClick(champ(vue, "Coordonnées du locataire"), Qt::Key_F2);
        QCOMPARE(champ(vue, "N° quittance")->text(), QString("202612002"));
        QCOMPARE(questions.posees(),
                 QStringList({QString("Codes %1 (1 fiches)").arg(int(Base::Locataires)),
                              "Chercher quittance / Numéro de quittance",
                              QString("Documents %1 (2 fiches)").arg(int(Base::Quittances))}));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // Arrivée/départ over the whole of December: 31 days of rent and charges, no allowance;
    // cancelled, it makes no receipt.
    void arrivalAndDeparture() {
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        questions.repondOk(false);
        form.action(Action::ArriveeDepart)->trigger();
        QCOMPARE(questions.posees(), QStringList("Arrivée/départ Dupré 31 jours 465,00 51,67 "));
        QCOMPARE(form.fiche().pageActive(), Base::Locataires);
        QCOMPARE(form.fiche().base(Base::Quittances).nb(), 0);

        questions.repondOk(true);
        form.action(Action::ArriveeDepart)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QVERIFY(vue->isVisible());
        QTableView* grille = vue->grille();
        QCOMPARE(cellule(grille, 0, 1), QString("465,00"));
        QCOMPARE(cellule(grille, 1, 1), QString("51,67"));
        QCOMPARE(cellule(grille, 2, 0), QString());
        QCOMPARE(champ<QLabel>(vue, "TOTAL Euros")->text(), QString("516,67"));
        QVERIFY(form.action(Action::ListeQuittances)->isEnabled());
        QVERIFY(questions.imprevues().isEmpty());
    }

    // The grid's keys: a designation stops at 41 characters, a full stop types a comma, Tab
    // ends an amount as Enter does; Supprimer ligne is offered while the grid has the focus.
    void gridKeys() {
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouveauRecu)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Reçus");
        QVERIFY(vue && vue->isVisible());
        QTableView* grille = vue->grille();
        QAction* supprimer = form.action(Action::LocationSupprimerLigne);
        QVERIFY(!supprimer->isEnabled());

        tapeCellule(grille, 0, 0, QString(45, 'a'));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The grid ends a designation's edit once back in the event loop.
        QTRY_COMPARE(cellule(grille, 0, 0), QString(41, 'a'));
        QVERIFY(supprimer->isEnabled());
        form.menuBar()->setFocus(Qt::MenuBarFocusReason);
        QVERIFY(supprimer->isEnabled());
        tapeCellule(grille, 0, 1, "1234.5");
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), QString("1234,5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(cellule(grille, 0, 1), QString("1234,50"));
        QCOMPARE(grille->currentIndex(), grille->model()->index(1, 0));
        QCOMPARE(champ<QLabel>(vue, "Somme en lettres")->text(),
                 QString("Mille deux cent trente quatre Euros -  cinquante Cts"));

        tapeCellule(grille, 1, 0, "Frais");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(cellule(grille, 1, 0), QString("Frais"));
        tapeCellule(grille, 1, 1, "10");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        grille->setCurrentIndex(grille->model()->index(0, 0));
        supprimer->trigger();
        QCOMPARE(cellule(grille, 0, 0), QString("Frais"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL Euros")->text(), QString("10,00"));
        champ(vue, "Coordonnées du payeur")->setFocus();
        QVERIFY(!supprimer->isEnabled());
        QVERIFY(questions.imprevues().isEmpty());
    }

    // A receipt whose tenant number was emptied is not dropped without a word: "Enregistrer"
    // and leaving the page say why; "Annuler" goes back to it, "OK" gives it up.
    void documentNotStoredSaysWhy() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QLineEdit* locataire = champ(vue, "N° locataire");
        locataire->setFocus();
        locataire->selectAll();
        QTest::keyClick(locataire, Qt::Key_Delete);
        const QString question =
            "Ce document ne sera pas enregistré : il n'a pas de numéro de locataire. "
            "L'abandonner ?";

        questions.repondFichier(dir.filePath("essai"));
        questions.repondOk(false);
        form.action(Action::Enregistrer)->trigger();
        QCOMPARE(questions.posees().last(), question);
        QVERIFY(!QFile::exists(dir.filePath("essai.loc")));
        QVERIFY(vue->isVisible());
        QCOMPARE(champ(vue, "N° quittance")->text(), QString("202612001"));

        questions.repondOk(false);
        form.action(Action::PageLocataires)->trigger();
        QCOMPARE(questions.posees().last(), question);
        QVERIFY(vue->isVisible());

        questions.repondOk(true);
        form.action(Action::PageLocataires)->trigger();
        QVERIFY(!vue->isVisible());
        QCOMPARE(form.fiche().base(Base::Quittances).nb(), 0);
        QVERIFY(questions.imprevues().isEmpty());
    }

    // "Valider" on a receipt without any designation says why it does nothing.
    void validationWithoutDesignationSaysWhy() {
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QTest::mouseClick(bouton(vue, "Créer"), Qt::LeftButton);
        tape(champ(vue, "N° locataire"), "10001");
        QTest::mouseClick(bouton(vue, "Valider"), Qt::LeftButton);
        QCOMPARE(questions.posees(),
                 QStringList{"Ce document ne peut pas être validé : aucune ligne n'a de "
                             "désignation."});
        QCOMPARE(champ<QLabel>(vue, "Statut")->text(), QString("Quittance non validée"));
    }

    // A line break pasted into a coordinate line shows as the blank that is stored.
    void pastedLineBreak() {
        ScriptedQuestions questions;
        TMainForm form;
        QVERIFY(nouveauLocataire(form));
        form.action(Action::NouvelleQuittance)->trigger();
        auto* vue = form.findChild<TVueDocument*>("Quittances");
        QLineEdit* ligne = champ(vue, "Coordonnées du locataire", 1);
        ligne->setFocus();
        ligne->selectAll();
        QApplication::clipboard()->setText("12 rue\ndes Lilas");
        QTest::keyClick(ligne, Qt::Key_V, Qt::ControlModifier);
        const TPageDocument* page = form.fiche().pageDocument(Base::Quittances);
        QCOMPARE(page->champ(ChampDocument::Adresse2), QString("12 rue des Lilas"));
        QCOMPARE(ligne->text(), QString("12 rue des Lilas"));
        QVERIFY(questions.imprevues().isEmpty());
    }
};

QTEST_MAIN(TstVueDocument)
#include "tst_vuedocument.moc"
