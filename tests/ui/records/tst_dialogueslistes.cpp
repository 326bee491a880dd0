#include "core/records/tdescriptionliste.h"
#include "core/store/tlistebase.h"
#include "ui/records/listes.h"
#include "ui/records/tdialogueliste.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

// A base of one block per body, keys 0, 1, 2...
TListeBase baseDe(const QList<QStringList>& corps) {
    TListeBase base;
    for (int cle = 0; cle < corps.size(); ++cle)
        base.store(cle, corps[cle]);
    return base;
}

TListeBase locataires() {
    return baseDe({{"10001", "Dupont Jean", "1, rue Haute", "", "75005", "Paris", "", ""},
                   {"10002", "Martin Paul", "2, rue Basse", "", "69001", "Lyon", "", ""},
                   {"10003", "Durand Zoé", "3, place Nette", "", "33000", "Bordeaux", "", ""}});
}

TListeBase fournisseurs() {
    return baseDe({{"10003", "ELEC", "Électricité Laurent", "", "", "", ""},
                   {"10004", "MARTIN", "Plomberie Martin", "", "", "", ""}});
}

TListeBase quittances() {
    return baseDe({{"QUIT202612001", "01/12/2026", "10001", "", "Dupont Jean", "", "", "450,00"},
                   {"QUIT202612002", "02/12/2026", "10002", "", "Martin Paul", "", "", "520,00"},
                   {"QUIT202612003", "03/12/2026", "10003", "", "Durand Zoé", "", "", "610,00"}});
}

// Runs `action` on the modal dialog as soon as it shows; a dialog that the action leaves
// open is cancelled, and the test fails.
void surLeDialogue(const std::function<void(QDialog*)>& action) {
    QTimer::singleShot(0, [action] {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        action(dialogue);
        if (dialogue->isVisible()) {
            dialogue->reject();
            QFAIL("the dialog is still open");
        }
    });
}

QPushButton* bouton(QWidget* dialogue, const QString& texte) {
    for (QPushButton* b : dialogue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

QToolButton* fleche(QWidget* dialogue, const QString& nom) {
    for (QToolButton* b : dialogue->findChildren<QToolButton*>())
        if (b->accessibleName() == nom)
            return b;
    return nullptr;
}

// The middle of a row's first visible cell: the number of a grid row, a list box's item.
QPoint centre(QAbstractItemView* vue, int ligne) {
    const int colonne = std::min(1, vue->model()->columnCount() - 1);
    return vue->visualRect(vue->model()->index(ligne, colonne)).center();
}

void clique(QAbstractItemView* vue, int ligne) {
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, centre(vue, ligne));
}

// A press and release, then the double-click event, as the window system sends them.
void doubleClique(QAbstractItemView* vue, int ligne) {
    clique(vue, ligne);
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, centre(vue, ligne));
}

QStringList elements(QAbstractItemView* vue) {
    QStringList textes;
    for (int ligne = 0; ligne < vue->model()->rowCount(); ++ligne)
        textes.append(vue->model()->index(ligne, 0).data().toString().left(13));
    return textes;
}

int ligneSelectionnee(QAbstractItemView* vue) {
    const QModelIndexList selection = vue->selectionModel()->selectedIndexes();
    return selection.isEmpty() ? -1 : selection.constFirst().row();
}

// Types a text key by key, accented letters included.
void tape(QWidget* widget, const QString& texte) {
    for (QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

// The ways a list dialog is closed.
enum Fermeture { DoubleClic, Entree, Echap, Fermer, Ok, Annuler, CaseFermeture };

} // namespace

class TestDialoguesListes : public QObject {
    Q_OBJECT

private slots:
    void laTableDesLocatairesRendLaCleChoisie_data() {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<int>("cle");
        QTest::newRow("double-click on the second row") << 1 << int(DoubleClic) << 1;
        QTest::newRow("double-click on the third row") << 2 << int(DoubleClic) << 2;
        QTest::newRow("Enter on the first row, as it opens") << -1 << int(Entree) << 0;
        QTest::newRow("Enter on the second row") << 1 << int(Entree) << 1;
        QTest::newRow("Fermer") << 1 << int(Fermer) << -1;
        QTest::newRow("Escape") << 1 << int(Echap) << -1;
        QTest::newRow("window's close") << 1 << int(CaseFermeture) << -1;
    }
    void laTableDesLocatairesRendLaCleChoisie() {
        QFETCH(int, ligne);
        QFETCH(int, fermeture);
        QFETCH(int, cle);
        const TListeBase base = locataires();
        surLeDialogue([ligne, fermeture](QDialog* dialogue) {
            auto* grille = dialogue->findChild<QTableView*>();
            QVERIFY(grille);
            QVERIFY(QTest::qWaitForWindowExposed(dialogue));
            if (fermeture == DoubleClic) {
                doubleClique(grille, ligne);
                return;
            }
            if (ligne >= 0)
                clique(grille, ligne);
            if (fermeture == Entree)
                QTest::keyClick(grille, Qt::Key_Return);
            else if (fermeture == Echap)
                QTest::keyClick(grille, Qt::Key_Escape);
            else if (fermeture == Fermer)
                bouton(dialogue, "Fermer")->click();
            else
                dialogue->close();
        });
        QCOMPARE(choisitFiche(Base::Locataires, base, nullptr), cle);
        QCOMPARE(base.lines(), locataires().lines());
    }

    void laTableMontreLesFichesSousLeurEntete() {
        TDialogueListe dialogue(TFListe);
        dialogue.Init(locataires());
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QCOMPARE(dialogue.windowTitle(), QString("Liste des locataires"));
        auto* grille = dialogue.findChild<QTableView*>();
        QCOMPARE(grille->accessibleName(), QString("Liste des locataires"));
        QVERIFY(grille->isColumnHidden(0));
        QCOMPARE(grille->columnWidth(1), 40);
        QCOMPARE(grille->columnWidth(2), 221);
        QCOMPARE(grille->model()->index(2, 2).data().toString(), QString("Durand Zoé"));
        QCOMPARE(grille->model()->index(2, 1).data().toString(), QString("3"));
        QCOMPARE(grille->horizontalHeader()->sectionResizeMode(2), QHeaderView::Interactive);
        QPushButton* fermer = bouton(&dialogue, "Fermer");
        QCOMPARE(dialogue.width() - fermer->mapTo(&dialogue, QPoint(0, 0)).x(), 100);
        QVERIFY(fermer->width() >= fermer->sizeHint().width());
    }

    void laListeDesFournisseursRendLeCode_data() {
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QString>("code");
        QTest::newRow("OK") << int(Ok) << true << "10004";
        QTest::newRow("double-click") << int(DoubleClic) << true << "10004";
        QTest::newRow("Enter") << int(Entree) << true << "10004";
        QTest::newRow("OK without a selection") << int(Ok) << false << "";
        QTest::newRow("Annuler") << int(Annuler) << true << "";
        QTest::newRow("Escape") << int(Echap) << true << "";
    }
    void laListeDesFournisseursRendLeCode() {
        QFETCH(int, fermeture);
        QFETCH(bool, selection);
        QFETCH(QString, code);
        const TListeBase base = fournisseurs();
        surLeDialogue([fermeture, selection](QDialog* dialogue) {
            auto* liste = dialogue->findChild<QListView*>();
            QVERIFY(QTest::qWaitForWindowExposed(dialogue));
            QCOMPARE(dialogue->windowTitle(), QString("Liste des fournisseurs"));
            QCOMPARE(liste->accessibleName(), QString("Liste des fournisseurs"));
            QCOMPARE(liste->model()->index(1, 0).data().toString(),
                     QString("10004 Plomberie Martin"));
            if (fermeture == DoubleClic) {
                doubleClique(liste, 1);
                return;
            }
            if (selection)
                clique(liste, 1);
            if (fermeture == Ok)
                bouton(dialogue, "OK")->click();
            else if (fermeture == Entree)
                QTest::keyClick(liste, Qt::Key_Return);
            else if (fermeture == Echap)
                QTest::keyClick(liste, Qt::Key_Escape);
            else
                bouton(dialogue, "Annuler")->click();
        });
        QCOMPARE(choisitCode(Base::Fournisseurs, base, nullptr), code);
    }

    // With the second receipt selected: Enter, "Fermer" and a double-click keep a choice,
    // Escape and the window's close drop it.
    void laListeDesQuittancesSeFerme_data() {
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<bool>("choisie");
        QTest::newRow("Enter") << int(Entree) << true;
        QTest::newRow("Fermer") << int(Fermer) << true;
        QTest::newRow("double-click") << int(DoubleClic) << true;
        QTest::newRow("Escape") << int(Echap) << false;
        QTest::newRow("window's close") << int(CaseFermeture) << false;
    }
    void laListeDesQuittancesSeFerme() {
        QFETCH(int, fermeture);
        QFETCH(bool, choisie);
        TDialogueListe dialogue(TQuitListe);
        dialogue.Init(quittances());
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        auto* liste = dialogue.findChild<QListView*>();
        QCOMPARE(liste->accessibleName(), QString("Liste des quittances"));
        QCOMPARE(liste->model()->index(0, 0).data().toString(),
                 QString("202612001  01/12/2026  10001  Dupont Jean  450,00"));
        clique(liste, 1);
        if (fermeture == Entree)
            QTest::keyClick(liste, Qt::Key_Return);
        else if (fermeture == Fermer)
            bouton(&dialogue, "Fermer")->click();
        else if (fermeture == DoubleClic)
            doubleClique(liste, 1);
        else if (fermeture == Echap)
            QTest::keyClick(liste, Qt::Key_Escape);
        else
            dialogue.close();
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(cleChoisie(dialogue.Result()), choisie ? 1 : -1);
        QCOMPARE(ligneSelectionnee(liste), choisie ? 1 : -1);
    }

    void lesFlechesEchangentLesQuittances() {
        const TListeBase base = quittances();
        TDialogueListe dialogue(TQuitListe);
        dialogue.Init(base);
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        auto* liste = dialogue.findChild<QListView*>();
        QToolButton* monter = fleche(&dialogue, "Monter");
        QToolButton* descendre = fleche(&dialogue, "Descendre");
        QVERIFY(monter && descendre);

        monter->click();
        descendre->click();
        QCOMPARE(elements(liste), QStringList({"202612001  01", "202612002  02", "202612003  03"}));

        clique(liste, 1);
        monter->click();
        QCOMPARE(elements(liste), QStringList({"202612002  02", "202612001  01", "202612003  03"}));
        QCOMPARE(ligneSelectionnee(liste), 0);
        monter->click();
        QCOMPARE(ligneSelectionnee(liste), 0);
        descendre->click();
        descendre->click();
        QCOMPARE(elements(liste), QStringList({"202612001  01", "202612003  03", "202612002  02"}));
        QCOMPARE(ligneSelectionnee(liste), 2);
        descendre->click();
        QCOMPARE(ligneSelectionnee(liste), 2);

        bouton(&dialogue, "Fermer")->click();
        QCOMPARE(dialogue.Result()->cle, 1);
        QCOMPARE(dialogue.Result()->texte.left(9), QString("202612002"));
        QCOMPARE(base.lines(), quittances().lines());
    }

    void leTypeDeLotEstMisEnMajuscules_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("current type, OK") << "" << true << "STUDIO";
        QTest::newRow("typed, Enter") << "Entrepôt" << true << "ENTREPôT";
        QTest::newRow("Annuler") << "Garage" << false << "";
    }
    void leTypeDeLotEstMisEnMajuscules() {
        QFETCH(QString, tape);
        QFETCH(bool, ok);
        QFETCH(QString, attendu);
        surLeDialogue([tape, ok](QDialog* dialogue) {
            QVERIFY(QTest::qWaitForWindowExposed(dialogue));
            QCOMPARE(dialogue->windowTitle(), QString("Type de lot"));
            auto* types = dialogue->findChild<QComboBox*>();
            QCOMPARE(types->accessibleName(), QString("Chauffeur"));
            QCOMPARE(types->count(), 2);
            if (!tape.isEmpty()) {
                types->lineEdit()->clear();
                ::tape(types->lineEdit(), tape);
            }
            if (!ok)
                bouton(dialogue, "Annuler")->click();
            else if (tape.isEmpty())
                bouton(dialogue, "OK")->click();
            else
                QTest::keyClick(types->lineEdit(), Qt::Key_Return);
        });
        const std::optional<QString> type =
            choisitTypeLot({"Appartement", "Garage"}, "studio", nullptr);
        QCOMPARE(type.has_value(), ok);
        QCOMPARE(type.value_or(QString()), attendu);
    }
};

QTEST_MAIN(TestDialoguesListes)
#include "tst_dialogueslistes.moc"
