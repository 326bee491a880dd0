#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A start-up directory of its own for each run of the program, with a copy of a dossier in a
// folder beside it.
class Repertoires {
public:
    Repertoires() : m_ici(QDir::currentPath()) {
        QDir::setCurrent(m_demarrage.path());
        const QDir fixture(QStringLiteral(TARVINEL_FIXTURES "/accents"));
        for (const QString& nom : fixture.entryList(QDir::Files))
            QFile::copy(fixture.filePath(nom), m_dossiers.filePath(nom));
    }
    ~Repertoires() { QDir::setCurrent(m_ici); }

    QString demarrage() const { return m_demarrage.path(); }
    QString demarrage(const QString& nom) const { return m_demarrage.filePath(nom); }
    QString dupont() const { return m_dossiers.filePath(QStringLiteral("DUPONT.LOC")); }

private:
    QString m_ici;
    QTemporaryDir m_demarrage;
    QTemporaryDir m_dossiers;
};

QList<QByteArray> lignesIni(const Repertoires& r) {
    QList<QByteArray> lignes = contenu(r.demarrage("Tarvinel.ini")).split('\n');
    lignes.removeLast();
    for (QByteArray& ligne : lignes)
        ligne.chop(1);
    return lignes;
}

void ecris(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void ouvre(TMainForm& form, ScriptedQuestions& questions, const QString& path) {
    questions.repondFichier(path);
    form.action(Action::Ouvrir)->trigger();
}

// Runs `action` on the modal dialog as soon as it shows.
void surLeDialogue(const std::function<void(QWidget*)>& action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialogue = QApplication::activeModalWidget();
        QVERIFY(dialogue);
        action(dialogue);
    });
}

QPushButton* bouton(QWidget* dialogue, const QString& texte) {
    for (QPushButton* b : dialogue->findChildren<QPushButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

} // namespace

class TstReglagesDemarrage : public QObject {
    Q_OBJECT

private slots:
    // With the auto-open setting on, the dossier open at close is open again at the next
    // start, without any dialog; with it off, its path is written but not used.
    void ouvertureAutomatique_data() {
        QTest::addColumn<bool>("automatique");
        QTest::newRow("coché") << true;
        QTest::newRow("non coché") << false;
    }
    void ouvertureAutomatique() {
        QFETCH(bool, automatique);
        Repertoires r;
        ScriptedQuestions questions;
        {
            TMainForm form;
            form.show();
            QVERIFY(!form.action(Action::OuvrirAutomatiquement)->isChecked());
            ouvre(form, questions, r.dupont());
            if (automatique)
                form.action(Action::OuvrirAutomatiquement)->trigger();
            form.close();
        }
        QCOMPARE(questions.posees(), QStringList({"Fichier locataires (*.loc)"}));
        const QList<QByteArray> lignes = lignesIni(r);
        QCOMPARE(lignes.size(), 18);
        QCOMPARE(lignes[0], QFile::encodeName(r.dupont()));
        QCOMPARE(lignes[1], automatique ? QByteArray("1") : QByteArray("0"));

        questions.efface();
        TMainForm form;
        form.show();
        QCOMPARE(questions.posees(), QStringList());
        QCOMPARE(form.action(Action::OuvrirAutomatiquement)->isChecked(), automatique);
        QCOMPARE(form.dossierPath(), automatique ? r.dupont() : QString());
        QCOMPARE(form.fiche().ficLoc(), automatique ? r.dupont() : QString());
        QCOMPARE(form.fiche().base(Base::Locataires).nb(), automatique ? 2 : 0);
        QCOMPARE(form.windowTitle(),
                 automatique ? QString("Tarvinel - [DUPONT.LOC]") : QString("Tarvinel"));
        QCOMPARE(form.action(Action::Enregistrer)->isEnabled(), automatique);
    }

    // The entry flips its check mark and the setting, and takes the path of the dossier last
    // loaded or saved.
    void ouvrirAutomatiquementBascule() {
        Repertoires r;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        ouvre(form, questions, r.dupont());
        QAction* entree = form.action(Action::OuvrirAutomatiquement);
        entree->trigger();
        QVERIFY(entree->isChecked());
        QVERIFY(form.fiche().GetIni().autoOuvrir);
        entree->trigger();
        QVERIFY(!entree->isChecked());
        QVERIFY(!form.fiche().GetIni().autoOuvrir);
        questions.repondFichier(r.demarrage("notes.txt"));
        form.action(Action::Ouvrir)->trigger();
        QCOMPARE(form.dossierPath(), QString());
        entree->trigger();
        QCOMPARE(form.dossierPath(), r.dupont());
    }

    // A dossier that has gone since the last close is reported at start and nothing is
    // loaded; the setting and the path are kept for when it comes back.
    void dossierDisparu() {
        Repertoires r;
        const QString disparu = r.demarrage("disparu/MARTIN.LOC");
        ecris(r.demarrage("Tarvinel.ini"), QFile::encodeName(disparu) + "\r\n1\r\n");
        ScriptedQuestions questions;
        {
            TMainForm form;
            form.show();
            QCOMPARE(questions.posees(), QStringList({"Le fichier n'existe pas"}));
            QVERIFY(form.action(Action::OuvrirAutomatiquement)->isChecked());
            QVERIFY(form.fiche().titre().isEmpty());
            QVERIFY(!form.action(Action::Enregistrer)->isEnabled());
            form.close();
        }
        QCOMPARE(lignesIni(r).mid(0, 2), QList<QByteArray>({QFile::encodeName(disparu), "1"}));
    }

    void fichierIniAbime_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("octets quelconques")
            << QByteArray("\x01\xff\r\n\x00\x90zz\n\n\rmode\r\n", 17);
        QTest::newRow("tronqué") << QByteArray("/nulle/part.loc\r\n1\r\n2");
        QTest::newRow("valeurs illisibles")
            << QByteArray("\r\nx\r\n1,5\r\n\r\n\r\ntrois\r\n\r\n\r\n19,6\r\n");
    }
    void fichierIniAbime() {
        QFETCH(QByteArray, ini);
        Repertoires r;
        ecris(r.demarrage("Tarvinel.ini"), ini);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QVERIFY(form.isVisible());
        QCOMPARE(form.action(Action::TousLesLocataires)->isChecked(), true);
        form.close();
        QVERIFY(questions.imprevues().isEmpty());
        const QByteArray ecrit = contenu(r.demarrage("Tarvinel.ini"));
        QCOMPARE(ecrit.count("\r\n"), 18);
        QCOMPARE(ecrit.count('\n'), 18);
    }

    // The check mark of the tenant selection follows the mode read at start.
    void modeDeSelectionRelu_data() {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("coche");
        QTest::newRow("0") << QByteArray("0") << int(Action::TousLesLocataires);
        QTest::newRow("2") << QByteArray("2") << int(Action::CodePostalLocataires);
        QTest::newRow("3") << QByteArray("3") << int(Action::VilleLocataires);
        QTest::newRow("4") << QByteArray("4") << int(Action::LocatairesActuels);
        QTest::newRow("9") << QByteArray("9") << int(Action::TousLesLocataires);
    }
    void modeDeSelectionRelu() {
        QFETCH(QByteArray, mode);
        QFETCH(int, coche);
        Repertoires r;
        ecris(r.demarrage("Tarvinel.ini"), "\r\n0\r\n0\r\n0\r\n0\r\n" + mode + "\r\n13\r\n");
        TMainForm form;
        form.show();
        QVERIFY(form.action(Action(coche))->isChecked());
        QCOMPARE(form.fiche().GetIni().modeSelLoc, mode.toInt());
    }

    // The value lists and the owner lines written at close come back at the next start; the
    // payment terms have their defaults before any file exists.
    void listesEtProprietaireDUnDemarrageALAutre() {
        Repertoires r;
        ScriptedQuestions questions;
        {
            TMainForm form;
            form.show();
            const TReglages& reglages = form.fiche().reglages();
            QCOMPARE(reglages.liste(ListeValeurs::Reglements),
                     QStringList({"A réception", "Réglement à 30 jours", "Réglement à 60 jours",
                                  "Réglement à 90 jours", "En votre aimable réglement"}));
            form.fiche().SetListe(ListeValeurs::FamillesFournisseurs, {"Plombier", "Couvreur"});
            form.action(Action::Nouveau)->trigger();
            surLeDialogue([](QWidget* dialogue) {
                QCOMPARE(dialogue->windowTitle(), QString("Les Désignations"));
                auto* edit = dialogue->findChild<QLineEdit*>();
                QTest::keyClicks(edit, "Studio");
                QTest::keyClick(edit, Qt::Key_Return);
                QTest::keyClicks(edit, "T2");
                QTest::keyClick(edit, Qt::Key_Return);
                bouton(dialogue, "Fermer")->click();
            });
            form.action(Action::TypesDeLots)->trigger();
            surLeDialogue([](QWidget* dialogue) {
                QCOMPARE(dialogue->windowTitle(), QString("Société"));
                dialogue->findChild<QLineEdit*>()->setText("SCI Les Tilleuls");
                bouton(dialogue, "OK")->click();
            });
            form.action(Action::Proprietaire)->trigger();
            form.close();
        }
        QCOMPARE(contenu(r.demarrage("Tarvinel.cbx")),
                 QByteArray("[TYPE]\r\nStudio\r\nT2\r\n[FOURNISSEUR]\r\nPlombier\r\nCouvreur\r\n"
                            "[REGLEMENT]\r\nA r\xe9"
                            "ception\r\nR\xe9glement \xe0 30 jours\r\n"
                            "R\xe9glement \xe0 60 jours\r\nR\xe9glement \xe0 90 jours\r\n"
                            "En votre aimable r\xe9glement\r\n"
                            "[CHARGES]\r\nEau\r\nChauffage collectif\r\nTaxe d'enl\xe8vement "
                            "des ordures m\xe9nag\xe8res\r\nEntretien des parties communes\r\n"
                            "Ascenseur\r\n\xc9lectricit\xe9 des parties communes\r\n"));
        QCOMPARE(contenu(r.demarrage("Tarvinel.soc")),
                 QByteArray("SCI Les Tilleuls\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));

        TMainForm form;
        form.show();
        const TReglages& reglages = form.fiche().reglages();
        QCOMPARE(reglages.liste(ListeValeurs::TypesLots), QStringList({"Studio", "T2"}));
        QCOMPARE(reglages.liste(ListeValeurs::FamillesFournisseurs),
                 QStringList({"Plombier", "Couvreur"}));
        QCOMPARE(reglages.liste(ListeValeurs::Reglements).size(), 5);
        QCOMPARE(reglages.lignesProprio[0], QString("SCI Les Tilleuls"));
        QCOMPARE(questions.imprevues(), QStringList());
    }

    // The files go to the start-up directory even when another one has become current.
    void ecritsDansLeRepertoireDeDemarrage() {
        Repertoires r;
        QTemporaryDir ailleurs;
        TMainForm form;
        form.show();
        QDir::setCurrent(ailleurs.path());
        form.close();
        QCOMPARE(QDir::currentPath(), r.demarrage());
        QCOMPARE(QDir(ailleurs.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(r.demarrage()).entryList(QDir::Files),
                 QStringList({"Tarvinel.cbx", "Tarvinel.ini", "Tarvinel.soc"}));
    }

    // A settings file that cannot be written is reported; the other two are still written.
    void echecDEcritureSignale() {
        Repertoires r;
        QVERIFY(QDir(r.demarrage()).mkdir("Tarvinel.ini"));
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        form.close();
        QCOMPARE(questions.posees().size(), 1);
        QVERIFY2(questions.posees()[0].contains("Tarvinel.ini"), qPrintable(questions.posees()[0]));
        QVERIFY(!form.isVisible());
        QCOMPARE(contenu(r.demarrage("Tarvinel.soc")), QByteArray("\r\n").repeated(8));
        QVERIFY(contenu(r.demarrage("Tarvinel.cbx")).startsWith("[TYPE]\r\n"));
    }
};

QTEST_MAIN(TstReglagesDemarrage)
#include "tst_reglagesdemarrage.moc"
