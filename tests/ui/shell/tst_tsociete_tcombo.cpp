#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "ui/shell/parametres.h"
#include "ui/shell/tcombo.h"
#include "ui/shell/tsociete.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

QPushButton* bouton(QWidget* dialogue, const QString& texte) {
    for (QPushButton* b : dialogue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

QStringList textesVisibles(QWidget* dialogue) {
    QStringList textes;
    for (QLabel* l : dialogue->findChildren<QLabel*>())
        if (l->isVisible())
            textes.append(l->text());
    return textes;
}

LignesProprio proprietaire() {
    return {"Martin Immobilier", "12, rue des Écoles", "Bâtiment B",       "33000 Bordeaux",
            "05 56 00 00 00",    "123 456 789 00012",  "RCS Bordeaux B 1", "/home/martin/logo.bmp"};
}

// Runs `action` on the modal dialog as soon as it shows.
void surLeDialogue(const std::function<void(QWidget*)>& action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialogue = QApplication::activeModalWidget();
        QVERIFY(dialogue);
        action(dialogue);
    });
}

void clique(QListWidget* liste, int ligne) {
    const QRect zone = liste->visualItemRect(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zone.center());
}

} // namespace

class TestTSocieteTCombo : public QObject {
    Q_OBJECT

private slots:
    void societeMontreSeptLignesEtCacheLeLogo() {
        TSociete dialogue;
        dialogue.Init(proprietaire());
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QCOMPARE(dialogue.windowTitle(), QString("Société"));
        QCOMPARE(textesVisibles(&dialogue),
                 QStringList({"Lignes constituant l'en-tête de la société", "Nom/Société",
                              "Adresse", "Adresse", "CP Ville", "Téléphone", "Sirect", "R.C."}));
        const QList<QLineEdit*> edits = dialogue.findChildren<QLineEdit*>();
        QCOMPARE(edits.size(), 8);
        for (int ligne = 0; ligne < 8; ++ligne) {
            QCOMPARE(edits[ligne]->text(), proprietaire()[ligne]);
            QCOMPARE(edits[ligne]->isVisible(), ligne < 7);
        }
        QVERIFY(!bouton(&dialogue, "...")->isVisible());
        QVERIFY(bouton(&dialogue, "OK")->isVisible());
        QVERIFY(bouton(&dialogue, "Annuler")->isVisible());
    }

    // "OK" and Enter return the eight lines, the hidden logo line included; "Annuler" and
    // Escape return an empty name.
    void societeRendLesLignesSeulementSurOk_data() {
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << 0 << true;
        QTest::newRow("Entrée") << 1 << true;
        QTest::newRow("Annuler") << 2 << false;
        QTest::newRow("Echap") << 3 << false;
    }
    void societeRendLesLignesSeulementSurOk() {
        QFETCH(int, fermeture);
        QFETCH(bool, ok);
        TSociete dialogue;
        dialogue.Init(proprietaire());
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QLineEdit* telephone = dialogue.findChildren<QLineEdit*>()[4];
        telephone->setFocus();
        QTest::keyClicks(telephone, " 12");
        if (fermeture == 0)
            bouton(&dialogue, "OK")->click();
        else if (fermeture == 1)
            QTest::keyClick(telephone, Qt::Key_Return);
        else if (fermeture == 2)
            bouton(&dialogue, "Annuler")->click();
        else
            QTest::keyClick(telephone, Qt::Key_Escape);
        QVERIFY(!dialogue.isVisible());
        LignesProprio attendu;
        if (ok) {
            attendu = proprietaire();
            attendu[4] += " 12";
        }
        QCOMPARE(dialogue.Result(), attendu);
    }

    void societeRefuseUnTexteQueLeFichierNePeutPasGarder() {
        ScriptedQuestions questions;
        TSociete dialogue;
        dialogue.Init(proprietaire());
        dialogue.show();
        QLineEdit* ville = dialogue.findChildren<QLineEdit*>()[3];
        ville->setText("00-950 Łódź");
        bouton(&dialogue, "OK")->click();
        QCOMPARE(questions.posees(),
                 QStringList({"Le caractère « Ł » ne peut pas être enregistré dans le fichier "
                              "Tarvinel.soc"}));
        QVERIFY(dialogue.isVisible());
        ville->setText("90-001 Lodz");
        bouton(&dialogue, "OK")->click();
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(dialogue.Result()[3], QString("90-001 Lodz"));
    }

    // The logo line has no visible field; its hidden picker asks for a bitmap file.
    void societeChoisitLeLogo() {
        ScriptedQuestions questions;
        questions.repondFichier("/home/martin/entete.bmp");
        TSociete dialogue;
        dialogue.Init(proprietaire());
        dialogue.show();
        bouton(&dialogue, "...")->click();
        QCOMPARE(questions.posees(), QStringList({"Fichiers logo (*.bmp)"}));
        bouton(&dialogue, "OK")->click();
        QCOMPARE(dialogue.Result()[7], QString("/home/martin/entete.bmp"));
    }

    void psocNeChangeRienSansNom_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("choix");
        QTest::addColumn<bool>("change");
        QTest::newRow("nom effacé puis OK") << ""
                                            << "OK" << false;
        QTest::newRow("Annuler") << "Dupont SCI"
                                 << "Annuler" << false;
        QTest::newRow("OK") << "Dupont SCI"
                            << "OK" << true;
    }
    void psocNeChangeRienSansNom() {
        QFETCH(QString, nom);
        QFETCH(QString, choix);
        QFETCH(bool, change);
        TFiche fiche;
        fiche.SetProprio(proprietaire());
        surLeDialogue([&](QWidget* dialogue) {
            QCOMPARE(dialogue->windowTitle(), QString("Société"));
            const QList<QLineEdit*> edits = dialogue->findChildren<QLineEdit*>();
            edits[0]->setText(nom);
            edits[2]->setText("Escalier C");
            bouton(dialogue, choix)->click();
        });
        Psoc(fiche, nullptr);
        LignesProprio attendu = proprietaire();
        if (change) {
            attendu[0] = nom;
            attendu[2] = "Escalier C";
        }
        QCOMPARE(fiche.reglages().lignesProprio, attendu);
    }

    void designEditeLesTypesDeLots() {
        TFiche fiche;
        fiche.SetListe(ListeValeurs::TypesLots, {"Studio", "T2", "Garage"});
        surLeDialogue([](QWidget* dialogue) {
            QCOMPARE(dialogue->windowTitle(), QString("Les Désignations"));
            QCOMPARE(textesVisibles(dialogue), QStringList({"Désignation"}));
            auto* edit = dialogue->findChild<QLineEdit*>();
            auto* liste = dialogue->findChild<QListWidget*>();
            QCOMPARE(liste->count(), 3);
            QVERIFY(edit->text().isEmpty());
            clique(liste, 1);
            QCOMPARE(edit->text(), QString("T2"));
            edit->setFocus();
            edit->setText("T2 bis");
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(dialogue->isVisible());
            QVERIFY(edit->text().isEmpty());
            QVERIFY(liste->selectedItems().isEmpty());
            QTest::keyClicks(edit, "Cave");
            QTest::keyClick(edit, Qt::Key_Enter);
            bouton(dialogue, "Fermer")->click();
        });
        Design(fiche, nullptr);
        QCOMPARE(fiche.reglages().liste(ListeValeurs::TypesLots),
                 QStringList({"Studio", "T2 bis", "Garage", "Cave"}));
    }

    void designGardeLesChangementsMemeSurEchap() {
        TFiche fiche;
        fiche.SetListe(ListeValeurs::TypesLots, {"Studio"});
        surLeDialogue([](QWidget* dialogue) {
            auto* edit = dialogue->findChild<QLineEdit*>();
            QTest::keyClicks(edit, "T3");
            dialogue->findChild<QToolButton*>()->click();
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        Design(fiche, nullptr);
        QCOMPARE(fiche.reglages().liste(ListeValeurs::TypesLots), QStringList({"Studio", "T3"}));
    }

    // The validate button does what Enter does: replace the selected item, or append (an
    // empty text too); each time the edit is emptied and nothing stays selected.
    void comboValideRemplaceOuAjoute_data() {
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("remplace le premier") << 0 << "Loft" << QStringList({"Loft", "B", "C"});
        QTest::newRow("remplace le dernier") << 2 << "Loft" << QStringList({"A", "B", "Loft"});
        QTest::newRow("ajoute") << -1 << "Loft" << QStringList({"A", "B", "C", "Loft"});
        QTest::newRow("ajoute un texte vide") << -1 << "" << QStringList({"A", "B", "C", ""});
        QTest::newRow("remplace par un texte vide") << 1 << "" << QStringList({"A", "", "C"});
    }
    void comboValideRemplaceOuAjoute() {
        QFETCH(int, selection);
        QFETCH(QString, texte);
        QFETCH(QStringList, attendu);
        TCombo dialogue("Familles", "Famille");
        dialogue.Init({"A", "B", "C"});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        auto* edit = dialogue.findChild<QLineEdit*>();
        auto* liste = dialogue.findChild<QListWidget*>();
        if (selection >= 0)
            clique(liste, selection);
        edit->setText(texte);
        dialogue.findChild<QToolButton*>()->click();
        QCOMPARE(dialogue.Result(), attendu);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(liste->selectedItems().isEmpty());
        edit->setText("Z");
        dialogue.findChild<QToolButton*>()->click();
        attendu.append("Z");
        QCOMPARE(dialogue.Result(), attendu);
    }

    void comboSupprimeLElementSelectionne() {
        TCombo dialogue("Familles", "Famille");
        dialogue.Init({"A", "B", "C"});
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        auto* liste = dialogue.findChild<QListWidget*>();
        auto* edit = dialogue.findChild<QLineEdit*>();
        clique(liste, 1);
        QCOMPARE(edit->text(), QString("B"));
        QTest::keyClick(liste, Qt::Key_Delete);
        QCOMPARE(dialogue.Result(), QStringList({"A", "C"}));
        QVERIFY(edit->text().isEmpty());
        QVERIFY(liste->selectedItems().isEmpty());
        QTest::keyClick(liste, Qt::Key_Delete);
        QCOMPARE(dialogue.Result(), QStringList({"A", "C"}));
        QVERIFY(dialogue.isVisible());
    }

    void comboRefuseUnTitreDeSection() {
        ScriptedQuestions questions;
        TCombo dialogue("Les Désignations", "Désignation");
        dialogue.Init({"Studio"});
        dialogue.show();
        auto* edit = dialogue.findChild<QLineEdit*>();
        edit->setText("[TYPE]");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(questions.posees(),
                 QStringList({"« [TYPE] » est un titre de section du fichier Tarvinel.cbx et ne "
                              "peut pas figurer dans une liste"}));
        QCOMPARE(dialogue.Result(), QStringList({"Studio"}));
        QCOMPARE(edit->text(), QString("[TYPE]"));
    }
};

QTEST_MAIN(TestTSocieteTCombo)
#include "tst_tsociete_tcombo.moc"
