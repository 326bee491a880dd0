#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "ui/records/tficheform.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Extensions = {"LOC", "LOT", "FRS", "QTC", "ECH", "CMD", "RCU"};
const QString FiltreOuvrir = QStringLiteral("Fichier locataires (*.loc)");
const QString FiltreEnregistrer = QStringLiteral("Tous les fichiers (*) *.loc");
const QDateTime Autrefois(QDate(2001, 1, 1), QTime(12, 0));

// The seven files of a dossier, dated long ago, so that a write shows in their dates.
QStringList vieillit(const QString& main) {
    QStringList fichiers;
    for (const QString& extension : Extensions) {
        const QString path = main.chopped(3) + extension;
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(Autrefois, QFileDevice::FileModificationTime);
        fichiers << path;
    }
    return fichiers;
}

int recrits(const QStringList& fichiers) {
    int n = 0;
    for (const QString& path : fichiers)
        if (QFileInfo(path).lastModified() != Autrefois)
            ++n;
    return n;
}

void ouvre(TMainForm& form, ScriptedQuestions& questions, const QString& path) {
    questions.repondFichier(path);
    form.action(Action::Ouvrir)->trigger();
}

} // namespace

class TstFichiers : public QObject {
    Q_OBJECT

    // The main window reads and writes its settings files in the start-up directory.
    QTemporaryDir m_repertoire;

private slots:
    void initTestCase() {
        QVERIFY(m_repertoire.isValid());
        QDir::setCurrent(m_repertoire.path());
    }

    // New then Save asks for a name and writes seven empty files.
    void nouveauPuisEnregistrer() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.action(Action::Nouveau)->trigger();
        QVERIFY(form.action(Action::Enregistrer)->isEnabled());
        questions.repondFichier(dir.filePath(QStringLiteral("essai")));
        form.action(Action::BoutonEnregistrer)->trigger();

        QCOMPARE(questions.posees(), QStringList(FiltreEnregistrer));
        for (const char* extension : {"loc", "lot", "frs", "qtc", "ech", "cmd", "rcu"}) {
            const QFileInfo fichier(
                dir.filePath(QStringLiteral("essai.") + QLatin1String(extension)));
            QVERIFY2(fichier.exists(), qPrintable(fichier.fileName()));
            QCOMPARE(fichier.size(), 0);
        }
        QCOMPARE(form.dossierPath(), dir.filePath(QStringLiteral("essai.loc")));
        QCOMPARE(form.ficheForm().windowTitle(), QStringLiteral("essai.loc"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvinel - [essai.loc]"));
    }

    // A main file named in capitals opens; a ".txt" file is refused and the dossier in memory
    // stays, without a path.
    void ouvrir() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        QCOMPARE(questions.posees(), QStringList(FiltreOuvrir));
        QCOMPARE(form.dossierPath(), dupont);
        QCOMPARE(form.fiche().base(Base::Locataires).nb(), 2);
        QCOMPARE(form.ficheForm().windowTitle(), QStringLiteral("DUPONT.LOC"));
        QVERIFY(form.action(Action::Enregistrer)->isEnabled());
        QVERIFY(form.action(Action::TousLesLocataires)->isChecked());

        questions.efface();
        const QString notes = dir.filePath(QStringLiteral("notes.txt"));
        QFile(dupont).copy(notes);
        ouvre(form, questions, notes);
        QCOMPARE(questions.posees(), QStringList({FiltreOuvrir, "Type de fichier non valide"}));
        QCOMPARE(form.dossierPath(), QString());
        QCOMPARE(form.fiche().base(Base::Locataires).nb(), 2);
        QCOMPARE(form.ficheForm().windowTitle(), QStringLiteral("DUPONT.LOC"));
    }

    // A main file that is not there loads nothing, and the open dossier keeps its path.
    void ouvrirAbsent() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        questions.efface();
        ouvre(form, questions, dir.filePath(QStringLiteral("absent.loc")));
        QCOMPARE(questions.posees(), QStringList({FiltreOuvrir, "Le fichier n'existe pas"}));
        QCOMPARE(form.dossierPath(), dupont);
        QCOMPARE(form.fiche().base(Base::Locataires).nb(), 2);
    }

    // Save right after Open writes nothing.
    void enregistrerSansChangement() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        const QStringList fichiers = vieillit(dupont);
        QVERIFY(form.Enregistrer());
        QCOMPARE(recrits(fichiers), 0);
        QCOMPARE(questions.posees(), QStringList(FiltreOuvrir));
    }

    // Save stores the page on screen first: a name typed and never left reaches the file.
    void enregistrerLaSaisie() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, QStringLiteral("Martin Zoé"));
        form.action(Action::Enregistrer)->trigger();
        QVERIFY(contenu(dupont).contains("\r\nMartin Zo\xe9\r\n"));
        QVERIFY(!form.fiche().dossierModifie());
        QVERIFY(!form.fiche().pageFiche(Base::Locataires)->modifie());
        QCOMPARE(questions.imprevues(), QStringList());
    }

    // Save as onto the open dossier asks "Ce fichier existe déjà : il sera remplacé.": OK rewrites
    // the seven files, Annuler writes nothing.
    void enregistrerSousLeMemeNom_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Annuler") << false;
    }
    void enregistrerSousLeMemeNom() {
        QFETCH(bool, ok);
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        const QByteArray avant = contenu(dupont);
        const QStringList fichiers = vieillit(dupont);
        questions.efface();
        questions.repondFichier(dir.filePath(QStringLiteral("dupont")));
        questions.repondOk(ok);
        QCOMPARE(form.EnregistrerSous(), ok);

        QCOMPARE(questions.posees(),
                 QStringList({FiltreEnregistrer, "Ce fichier existe déjà : il sera remplacé."}));
        QCOMPARE(recrits(fichiers), ok ? 7 : 0);
        QCOMPARE(contenu(dupont), avant);
        QCOMPARE(form.dossierPath(), dupont);
        QVERIFY(questions.scriptEpuise());
    }

    // Save as forces the extension ".loc" and renames the record window.
    void enregistrerSousUnAutreNom() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        questions.repondFichier(dir.filePath(QStringLiteral("copie.txt")));
        form.action(Action::EnregistrerSous)->trigger();
        for (const char* extension : {"loc", "lot", "frs", "qtc", "ech", "cmd", "rcu"})
            QVERIFY(QFileInfo::exists(
                dir.filePath(QStringLiteral("copie.") + QLatin1String(extension))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("copie.txt"))));
        QCOMPARE(contenu(dir.filePath(QStringLiteral("copie.loc"))), contenu(dupont));
        QCOMPARE(form.ficheForm().windowTitle(), QStringLiteral("copie.loc"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvinel - [copie.loc]"));
    }

    // The unsaved-changes question before New, Open and close: Oui saves and goes on, Non
    // goes on, Annuler stops with everything kept.
    void questionModif_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("reponse");
        for (const char* commande : {"nouveau", "ouvrir", "fermer"}) {
            QTest::addRow("%s oui", commande) << commande << int(Questions::Reponse::Oui);
            QTest::addRow("%s non", commande) << commande << int(Questions::Reponse::Non);
            QTest::addRow("%s annuler", commande) << commande << int(Questions::Reponse::Annuler);
        }
    }
    void questionModif() {
        QFETCH(QString, commande);
        QFETCH(int, reponse);
        const auto r = Questions::Reponse(reponse);
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        const QByteArray avant = contenu(dupont);
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        ouvre(form, questions, dupont);
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, QStringLiteral("Martin Zoé"));
        questions.efface();
        questions.repond(r);
        if (commande == QLatin1String("nouveau"))
            form.action(Action::Nouveau)->trigger();
        else if (commande == QLatin1String("ouvrir"))
            form.action(Action::Ouvrir)->trigger();
        else
            form.close();

        QStringList attendu = {"Enregistrer changements dans DUPONT.LOC ?"};
        if (commande == QLatin1String("ouvrir") && r != Questions::Reponse::Annuler)
            attendu << FiltreOuvrir;
        QCOMPARE(questions.posees(), attendu);
        QCOMPARE(contenu(dupont).contains("Martin Zo\xe9"), r == Questions::Reponse::Oui);
        if (r != Questions::Reponse::Oui)
            QCOMPARE(contenu(dupont), avant);
        const bool arrete = r == Questions::Reponse::Annuler;
        if (commande == QLatin1String("fermer"))
            QCOMPARE(form.isVisible(), arrete);
        if (commande == QLatin1String("nouveau"))
            QCOMPARE(form.fiche().base(Base::Locataires).nb(), arrete ? 2 : 0);
        if (arrete) {
            QCOMPARE(form.dossierPath(), dupont);
            QCOMPARE(form.fiche().pageFiche(Base::Locataires)->champ(2),
                     QStringLiteral("Martin Zoé"));
        }
    }

    // Oui for a dossier that was never saved asks for its name before going on.
    void ouiSansNom() {
        QTemporaryDir dir;
        ScriptedQuestions questions;
        TMainForm form;
        form.action(Action::Nouveau)->trigger();
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, QStringLiteral("Martin"));
        questions.repond(Questions::Reponse::Oui);
        questions.repondFichier(QString());
        form.action(Action::Nouveau)->trigger();
        QCOMPARE(questions.posees(),
                 QStringList({"Enregistrer changements dans  ?", FiltreEnregistrer}));
        QVERIFY(form.fiche().dossierModifie());

        questions.efface();
        questions.repond(Questions::Reponse::Oui);
        questions.repondFichier(dir.filePath(QStringLiteral("martin.loc")));
        form.action(Action::Nouveau)->trigger();
        QVERIFY(contenu(dir.filePath(QStringLiteral("martin.loc"))).contains("\r\nMartin\r\n"));
        QCOMPARE(form.fiche().base(Base::Locataires).nb(), 0);
        QVERIFY(questions.scriptEpuise());
    }
};

QTEST_MAIN(TstFichiers)
#include "tst_fichiers.moc"
