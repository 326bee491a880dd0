#include "../../common/fichiersessai.h"
#include "../saisieessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/records/locataire.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"
#include "ui/store/tdialoguetri.h"

#include <QAction>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The lines of block `key` of a saved file, between its opening and closing lines.
QStringList bloc(const QString& path, int key) {
    const QStringList lignes = TextFile::read(path);
    const qsizetype debut = lignes.indexOf(TListeBase::openingLine(key));
    const qsizetype fin = lignes.indexOf(TListeBase::closingLine(key));
    return debut < 0 || fin < 0 ? QStringList() : lignes.mid(debut + 1, fin - debut - 1);
}

// An empty supplier record with these lines, from 1.
QStringList fournisseur(const QMap<int, QString>& valeurs) {
    QStringList lignes(22);
    for (auto it = valeurs.begin(); it != valeurs.end(); ++it)
        lignes[it.key() - 1] = it.value();
    return lignes;
}

QPushButton* bouton(QWidget* dialogue, const QString& texte) {
    for (QPushButton* b : dialogue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

} // namespace

// The landlord exchanges addresses with other programs, finds and sorts records, through the
// menus of the main window.
class TstRecherchesEchanges : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

    void ouvre(TMainForm& form, ScriptedQuestions& questions, const QString& path) {
        questions.repondFichier(path);
        form.action(Action::Ouvrir)->trigger();
        questions.efface();
    }

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    // The tenants exported to a csv file, then that file imported on the supplier page: the
    // new suppliers follow the one there was in the ".frs" once saved. The second tenant's block
    // holds six fields, then its memo line, which stands where Téléphone stands, as its card
    // shows it.
    void tenantsExportedThenImportedAsSuppliers() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ouvre(form, questions, dupont);

        const QString csv = dir.filePath("adresses.csv");
        questions.repondFichier(csv);
        form.action(Action::Exporter)->trigger();
        QByteArray attendu;
        QVERIFY(Cp1252::encode("Hélène Dupré;12, rue de l'Église;;75005;Paris;;\r\n"
                               "Œuvre Sociale & Cie;Bâtiment « B »;;69001;Lyon;"
                               "MEMOCaution versée : 1 200 €;\r\n",
                               attendu));
        QCOMPARE(contenu(csv), attendu);
        // An existing file is replaced only once the question is answered "OK".
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(Locataire::NomSoc, "Hélène Martin");
        questions.repondFichier(csv);
        questions.repondOk(false);
        form.action(Action::Exporter)->trigger();
        QCOMPARE(contenu(csv), attendu);
        const QString filtre = "Fichier texte (*.txt);;Ficher csv (*.csv) Export";
        QCOMPARE(questions.posees(),
                 QStringList({filtre, filtre, "Ce fichier existe déjà : il sera remplacé."}));
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(Locataire::NomSoc, "Hélène Dupré");
        questions.efface();

        form.action(Action::PageFournisseurs)->trigger();
        questions.repondFichier(csv);
        form.action(Action::Importer)->trigger();
        QCOMPARE(questions.posees(), QStringList("Ficher texte (*.txt);;Fichier Csv (*.csv)"));
        QVERIFY(questions.imprevues().isEmpty());
        // The supplier page is still the one on screen, with its own entries.
        QVERIFY(form.findChild<TVueFiche*>("Fournisseurs")->isVisible());
        QVERIFY(form.action(Action::RechercherNomFournisseur)->isEnabled());
        QVERIFY(!form.action(Action::RechercheNom)->isEnabled());
        QVERIFY(form.fiche().dossierModifie());

        form.action(Action::Enregistrer)->trigger();
        const QString frs = dir.filePath("DUPONT.FRS");
        QCOMPARE(bloc(frs, 0).value(0), QString("20001"));
        QCOMPARE(bloc(frs, 1), fournisseur({{1, "20002"},
                                            {3, "Hélène Dupré"},
                                            {4, "12, rue de l'Église"},
                                            {6, "75005"},
                                            {7, "Paris"}}));
        QCOMPARE(bloc(frs, 2), fournisseur({{1, "20003"},
                                            {3, "Œuvre Sociale & Cie"},
                                            {4, "Bâtiment « B »"},
                                            {6, "69001"},
                                            {7, "Lyon"},
                                            {9, "MEMOCaution versée : 1 200 €"}}));
        QVERIFY(bloc(frs, 3).isEmpty());
    }

    // Searches ask the beginning of the text in their entry dialog; a sort asks its criterion.
    // A refused import shows its message with no progress window over it, none waiting to
    // appear either: nothing was imported.
    void refusedImportHasNoProgressWindow() {
        struct Questions : ScriptedQuestions {
            QStringList fenetres;
            void message(const QString& texte) override {
                ScriptedQuestions::message(texte);
                for (QWidget* w : QApplication::allWidgets())
                    if (qobject_cast<QProgressDialog*>(w))
                        fenetres.append(w->windowTitle());
            }
        } questions;
        QTemporaryDir dir;
        const QString csv = dir.filePath("telephone.csv");
        QFile fichier(csv);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(QStringLiteral("Dupont;Paris\r\nSalle ☎ 3;Lyon\r\n").toUtf8());
        fichier.close();
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.action(Action::Nouveau)->trigger();
        questions.efface();
        questions.repondFichier(csv);
        form.action(Action::Importer)->trigger();
        QCOMPARE(questions.posees().value(1),
                 QString("Le caractère « ☎ » ne peut pas être enregistré dans le dossier (ligne 2 "
                         "du fichier) : rien n'a été importé"));
        QCOMPARE(questions.fenetres, QStringList());
    }

    void searchAndSort() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ouvre(form, questions, dupont);
        auto* vue = form.findChild<TVueFiche*>("Locataires");
        QLineEdit* nom = champ(vue, "Nom/Soc");

        questions.repondSaisie("œuvre");
        form.action(Action::RechercheNom)->trigger();
        QCOMPARE(nom->text(), QString("Hélène Dupré"));
        questions.repondSaisie("Œuv");
        form.action(Action::RechercheNom)->trigger();
        QCOMPARE(nom->text(), QString("Œuvre Sociale & Cie"));
        QVERIFY(nom->hasFocus());
        questions.repondSaisie("10001");
        form.action(Action::RechercheCode)->trigger();
        QCOMPARE(nom->text(), QString("Hélène Dupré"));
        QCOMPARE(questions.posees(),
                 QStringList({"Recherche par nom / Début nom []", "Fiche œUVRE non trouvée",
                              "Recherche par nom / Début nom []",
                              "Recherche par code locataire / N° locateire []"}));

        // A sort given up changes nothing; a sort by town stores the card first and sorts on
        // the town just typed, which puts this tenant before the one of Lyon.
        tape(champ(vue, "Ville"), "Amiens");
        questions.efface();
        questions.repondChoix(std::nullopt);
        form.action(Action::TrierLocataires)->trigger();
        QCOMPARE(form.fiche().base(Base::Locataires).read(0, 6, 7).champs.value(5),
                 QString("Paris"));
        QVERIFY(!form.fiche().dossierModifie());
        questions.repondChoix(2);
        form.action(Action::TrierLocataires)->trigger();
        QCOMPARE(questions.posees(), QStringList({"Trier\nNom/ société\nCode postal\nVille",
                                                  "Trier\nNom/ société\nCode postal\nVille"}));
        QCOMPARE(form.fiche().base(Base::Locataires).read(0, 6, 7).champs.value(5),
                 QString("Amiens"));
        QCOMPARE(nom->text(), QString("Hélène Dupré"));
        QVERIFY(form.fiche().dossierModifie());
    }

    // The sort dialog opens with no criterion chosen: "OK" then answers none.
    void sortDialog() {
        const QStringList criteres = {"Désignation", "Code postal", "Ville"};
        for (const auto& [choix, fin, resultat] :
             {std::tuple{-1, QString("OK"), -1}, std::tuple{2, QString("OK"), 2},
              std::tuple{1, QString("Anuler"), -1}}) {
            TDialogueTri dialogue(criteres);
            dialogue.show();
            QCOMPARE(dialogue.windowTitle(), QString("Trier"));
            const QList<QRadioButton*> boutons = dialogue.findChildren<QRadioButton*>();
            QCOMPARE(boutons.size(), 3);
            for (QRadioButton* b : boutons)
                QVERIFY(!b->isChecked());
            if (choix >= 0)
                boutons[choix]->click();
            bouton(&dialogue, fin)->click();
            QCOMPARE(dialogue.Result(), resultat);
        }
    }
};

QTEST_MAIN(TstRecherchesEchanges)
#include "tst_recherchesechanges.moc"
