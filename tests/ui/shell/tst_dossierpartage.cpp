#include "../../common/fichiersessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/app/verrou.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

void ouvre(TMainForm& form, ScriptedQuestions& questions, const QString& path) {
    questions.repondFichier(path);
    form.action(Action::Ouvrir)->trigger();
}

// The lock another program left: process 1, which runs as long as the machine does, or one
// that has just ended.
void ecritVerrou(const QString& principal, bool vivant) {
    qint64 processus = 1;
    if (!vivant) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        processus = pid;
    }
    QFile f(TVerrou::fichierDe(principal));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("TARVINEL VERROU\n" + QSysInfo::machineHostName().toUtf8() + '\n' +
            QByteArray::number(processus) + "\nmartin\n");
}

QString question() {
    return QStringLiteral("Le dossier DUPONT.LOC est déjà ouvert par l'utilisateur martin, "
                          "processus 1 sur la machine %1. L'ouvrir en lecture seule ?")
        .arg(QSysInfo::machineHostName());
}

} // namespace

// The same dossier in two programs: the second opening learns who holds it and may only read
// it; a save that finds the files changed on disk asks before replacing them.
class TstDossierPartage : public QObject {
    Q_OBJECT

    QTemporaryDir m_repertoire;

private slots:
    void initTestCase() { QDir::setCurrent(m_repertoire.path()); }

    void heldDossierOpensReadOnlyOrNot_data() {
        QTest::addColumn<bool>("lectureSeule");
        QTest::newRow("OK: read-only") << true;
        QTest::newRow("Annuler: not opened") << false;
    }
    void heldDossierOpensReadOnlyOrNot() {
        QFETCH(bool, lectureSeule);
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ecritVerrou(dupont, true);
        const QByteArray verrou = contenu(TVerrou::fichierDe(dupont));
        ScriptedQuestions questions;
        TMainForm form;
        questions.repondFichier(dupont);
        questions.repondOk(lectureSeule);
        form.action(Action::Ouvrir)->trigger();
        QCOMPARE(questions.posees(), QStringList({"Fichier locataires (*.loc)", question()}));
        QCOMPARE(form.dossierPath(), lectureSeule ? dupont : QString());
        QCOMPARE(form.fiche().lectureSeule(), lectureSeule);
        QCOMPARE(form.windowTitle(), lectureSeule
                                         ? QStringLiteral("Tarvinel - [DUPONT.LOC] (lecture seule)")
                                         : QStringLiteral("Tarvinel"));
        if (lectureSeule) {
            const QByteArray avant = contenu(dupont);
            questions.efface();
            form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, QStringLiteral("Zoé"));
            QVERIFY(!form.Enregistrer());
            QCOMPARE(questions.posees(),
                     QStringList("Le dossier DUPONT.LOC est ouvert en lecture seule : "
                                 "enregistrez vos changements sous un autre nom"));
            QCOMPARE(contenu(dupont), avant);
        }
        QCOMPARE(contenu(TVerrou::fichierDe(dupont)), verrou);
    }

    // A lock whose program is gone is taken over without a question, and released at close.
    void staleLockIsTakenOverAndReleased() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ecritVerrou(dupont, false);
        ScriptedQuestions questions;
        {
            TMainForm form;
            ouvre(form, questions, dupont);
            QCOMPARE(questions.posees(), QStringList("Fichier locataires (*.loc)"));
            QCOMPARE(form.dossierPath(), dupont);
            QVERIFY(!form.fiche().lectureSeule());
            QVERIFY(!TVerrou::detenteur(dupont));
            QVERIFY(QFile::exists(TVerrou::fichierDe(dupont)));
            form.close();
            QVERIFY(!QFile::exists(TVerrou::fichierDe(dupont)));
        }
    }

    // Files changed by another program since they were read: the save asks; "Annuler" keeps
    // the other program's files, "OK" replaces them.
    void changedOnDiskAsksBeforeSaving() {
        QTemporaryDir dir;
        const QString dupont = copieFixture(dir);
        ScriptedQuestions questions;
        TMainForm form;
        ouvre(form, questions, dupont);
        const QString quittances = dir.filePath("DUPONT.QTC");
        {
            QFile f(quittances);
            QVERIFY(f.open(QIODevice::Append));
            f.write("\r\n");
        }
        const QByteArray autre = contenu(quittances);
        form.fiche().pageFiche(Base::Locataires)->saisitChamp(2, QStringLiteral("Zoé"));
        const QString demande =
            "Les fichiers DUPONT.QTC du dossier ont été modifiés sur le disque par un autre "
            "programme depuis qu'ils ont été lus. Les remplacer par le dossier affiché ?";
        questions.efface();
        questions.repondOk(false);
        QVERIFY(!form.Enregistrer());
        QCOMPARE(questions.posees(), QStringList(demande));
        QCOMPARE(contenu(quittances), autre);
        QVERIFY(!contenu(dupont).contains("\r\nZo\xe9\r\n"));

        questions.efface();
        questions.repondOk(true);
        QVERIFY(form.Enregistrer());
        QCOMPARE(questions.posees(), QStringList(demande));
        QVERIFY(contenu(dupont).contains("\r\nZo\xe9\r\n"));
        QCOMPARE(form.fiche().fichiersChanges(), QStringList());
    }
};

QTEST_MAIN(TstDossierPartage)
#include "tst_dossierpartage.moc"
