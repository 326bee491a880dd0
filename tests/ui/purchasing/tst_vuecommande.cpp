#include "../grilleessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "ui/accounting/tcomptes.h"
#include "ui/accounting/tparamc.h"
#include "ui/purchasing/tvuecommande.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

// The order's rows as stored, cells trimmed and joined with "|".
QStringList rangees(const QStringList& bloc) {
    QStringList r;
    for (const QString& ligne : bloc)
        if (ligne.startsWith("CMDE")) {
            QStringList cellules = ligne.mid(4).split(u'\t');
            for (QString& c : cellules)
                c = c.trimmed();
            r << cellules.join(u'|');
        }
    return r;
}

// Types a row of the order grid, Tab after each cell and Enter after the last one.
void tapeRangee(QTableView* grille, int ligne, const QStringList& cellules) {
    for (int c = 0; c < cellules.size(); ++c)
        if (!cellules[c].isEmpty()) {
            tapeCellule(grille, ligne, c, cellules[c]);
            QTest::keyClick(QApplication::focusWidget(),
                            c + 1 < cellules.size() ? Qt::Key_Tab : Qt::Key_Return);
        }
}

} // namespace

class TstVueCommande : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // A supplier, an order for it with a line at 19,6 % and one at 5,5 %, validated and saved:
    // the order block and the supplier's history line in the files.
    void orderForASupplier() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        form.fiche().Parc({{19.6, 5.5, 0}, 2, {"A réception", "Réglement à 30 jours"}});
        form.action(Action::PageFournisseurs)->trigger();
        auto* fournisseur = form.findChild<TVueFiche*>("Fournisseurs");
        tape(champ(fournisseur, "Nom/Soc"), "Bernard SA");
        tape(champ(fournisseur, "Adresse"), "3 rue Haute");
        tape(champ(fournisseur, "Code postal"), "69002");
        tape(champ(fournisseur, "Ville"), "Lyon");
        const QString code = champ(fournisseur, "Code")->text();
        QCOMPARE(code, QString("10001"));

        form.action(Action::NouvelleCommande)->trigger();
        auto* vue = form.findChild<TVueCommande*>("Commandes");
        QVERIFY(vue && vue->isVisible());
        QCOMPARE(QApplication::focusWidget(), champ(vue, "Coordonnées du fournisseur"));
        QCOMPARE(champ(vue, "N° de commande")->text(), QString("202612001"));
        QCOMPARE(champ(vue, "Code fournisseur")->text(), code);
        QCOMPARE(champ(vue, "Coordonnées du fournisseur", 3)->text(), QString("69002 Lyon"));
        QVERIFY(form.action(Action::ListeCommandes)->isEnabled());

        QTableView* grille = vue->grille();
        tapeRangee(grille, 0, {"P12", "Porte", "2", "100", "10"});
        QCOMPARE(cellule(grille, 0, 5), QString("180,00"));
        QCOMPARE(cellule(grille, 0, 6), QString("1"));
        QCOMPARE(grille->currentIndex(), grille->model()->index(1, 0));
        tapeRangee(grille, 1, {"", "Pose", "3 h", "40.5", "", "", "2"});
        QCOMPARE(cellule(grille, 1, 3), QString("40,50"));
        QCOMPARE(champ<QLabel>(vue, "Total H.T.")->text(), QString("301,50"));
        QCOMPARE(champ<QLabel>(vue, "Total TVA")->text(), QString("41,96"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL TTC Euros")->text(), QString("343,46"));
        QCOMPARE(champ<QLabel>(vue, "TOTAL TTC Francs")->text(), QString("2252,97"));
        QCOMPARE(champ<QLabel>(vue, "Statut")->text(), QString("Cmde non validée"));

        QPushButton* valider = bouton(vue, "Valider");
        QTest::mouseClick(valider, Qt::LeftButton);
        QCOMPARE(champ<QLabel>(vue, "Statut")->text(), QString("Cmde validée"));
        QVERIFY(!valider->isEnabled());
        QVERIFY(!grille->isEnabled());

        questions.repondFichier(dir.filePath("essai"));
        form.action(Action::Enregistrer)->trigger();
        const QStringList commande = bloc(TextFile::read(dir.filePath("essai.cmd")), 0);
        QCOMPARE(commande.mid(1, 10),
                 QStringList({"NUMC202612001", "10/12/2026", "10001", "A réception", "Bernard SA",
                              "3 rue Haute", "", "69002 Lyon", "TTCN", "Y"}));
        QCOMPARE(rangees(commande),
                 QStringList({"P12|Porte|2|100,00|10|180,00|1", "|Pose|3 h|40,50||121,50|2"}));
        QCOMPARE(commande.size(), 14);
        const QStringList fiche = bloc(TextFile::read(dir.filePath("essai.frs")), 0);
        const QStringList historique = fiche.value(fiche.size() - 2).split(u'\t');
        QCOMPARE(historique.value(0), QString("DATA10/12/2026"));
        QCOMPARE(historique.value(1), QString("Commande 202612001"));
        QCOMPARE(historique.value(2).trimmed(), QString("343,46"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // Account numbers are completed or cut on leaving their field; "Annuler" keeps the old ones.
    void accounts_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("montre");
        QTest::newRow("short") << "70"
                               << "700000";
        QTest::newRow("long") << "7060001"
                              << "706000";
        QTest::newRow("emptied") << ""
                                 << "00000";
    }
    void accounts() {
        QFETCH(QString, tape);
        QFETCH(QString, montre);
        TComptes dialogue;
        dialogue.Init({"411000", "700000", "614000", "445000", "206000", "437000"});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QLineEdit* loyers = champ(&dialogue, "Revenus locatifs");
        loyers->clear();
        ::tape(loyers, tape);
        champ(&dialogue, "APL")->setFocus();
        QCOMPARE(loyers->text(), montre);
        dialogue.reject();
        QVERIFY(!dialogue.Result());
        dialogue.accept();
        QCOMPARE(dialogue.Result()->at(1), montre);
    }

    // A number that the settings file cannot hold is refused at "OK", the dialog left open on
    // it, so that it never reaches the file.
    void accountRefusedAtEntry() {
        ScriptedQuestions questions;
        TComptes dialogue;
        dialogue.Init({"411000", "700000", "614000", "445000", "206000", "437000"});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QLineEdit* charges = champ(&dialogue, "Charges");
        charges->setText(QStringLiteral("61≠000"));
        QTest::keyClick(champ(&dialogue, "TVA"), Qt::Key_Return);
        QVERIFY(dialogue.isVisible());
        QCOMPARE(questions.posees(), QStringList("Le caractère « ≠ » ne peut pas être enregistré "
                                                 "dans le fichier Tarvinel.ini"));
        QCOMPARE(QApplication::focusWidget(), charges);
        charges->setText(QStringLiteral("614100"));
        QTest::keyClick(charges, Qt::Key_Return);
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(dialogue.Result()->at(2), QString("614100"));
    }

    // The rates take digits and a comma, a full stop typed as a comma; Enter in a rate closes
    // the dialog as "OK"; only five conditions are shown and kept.
    void orderParameters() {
        ScriptedQuestions questions;
        TParamc dialogue;
        dialogue.Init({{19.6, 5.5, 0},
                       1,
                       {"A réception", "30 jours", "60 jours", "90 jours", "Fin de mois", "Sixième",
                        "Septième"}});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QCOMPARE(dialogue.taux(0)->text(), QString("19,60"));
        QCOMPARE(dialogue.condition(4)->text(), QString("Fin de mois"));
        QCOMPARE(dialogue.decimales()->value(), 1);
        dialogue.taux(2)->clear();
        tape(dialogue.taux(2), "2.1x%");
        QCOMPARE(dialogue.taux(2)->text(), QString("2,1"));
        dialogue.taux(1)->setText("5,5,5");
        QTest::keyClick(dialogue.taux(2), Qt::Key_Return);
        QVERIFY(dialogue.isVisible());
        QCOMPARE(questions.posees(),
                 QStringList("'5,5,5' n'est pas une valeur flottante correcte"));
        dialogue.taux(1)->setText("7");
        QTest::keyClick(dialogue.taux(2), Qt::Key_Return);
        QVERIFY(!dialogue.isVisible());
        const TParametresCommandes p = *dialogue.Result();
        QCOMPARE(p.tauxTVA[1], 7.0);
        QCOMPARE(p.tauxTVA[2], 2.1);
        QCOMPARE(p.reglements,
                 QStringList({"A réception", "30 jours", "60 jours", "90 jours", "Fin de mois"}));
    }
};

QTEST_MAIN(TstVueCommande)
#include "tst_vuecommande.moc"
