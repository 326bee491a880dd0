#include "../../common/fichiersessai.h"
#include "core/app/tfiche.h"
#include "core/app/verrou.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// A lock file as another program leaves it.
void ecritVerrou(const QString& principal, const QString& machine, qint64 processus) {
    QFile f(TVerrou::fichierDe(principal));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("TARVINEL VERROU\n" + machine.toUtf8() + '\n' + QByteArray::number(processus) +
            "\nmartin\n");
}

// The number of a process that has just ended on this machine.
qint64 processusTermine() {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

} // namespace

// One dossier, two programs: the lock says who holds a dossier, and a program that finds its
// files changed on disk since it read them knows it before it writes over them.
class TestVerrou : public QObject {
    Q_OBJECT

private slots:
    void takenThenReleased() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        {
            TVerrou verrou;
            QVERIFY(verrou.prend(principal));
            QVERIFY(QFile::exists(TVerrou::fichierDe(principal)));
            QVERIFY(contenu(TVerrou::fichierDe(principal))
                        .contains('\n' + QByteArray::number(QCoreApplication::applicationPid()) +
                                  '\n'));
            QVERIFY(!TVerrou::detenteur(principal));
            // The next dossier's lock replaces this one's.
            QVERIFY(verrou.prend(dir.filePath("martin.loc")));
            QVERIFY(!QFile::exists(TVerrou::fichierDe(principal)));
        }
        QVERIFY(!QFile::exists(TVerrou::fichierDe(dir.filePath("martin.loc"))));
    }

    // A lock whose process still runs, or that another machine holds, is not taken; a lock
    // whose process is gone from this machine, or a file that is no lock, is taken over.
    void heldOrStale_data() {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("vivant");
        QTest::addColumn<bool>("pris");
        QTest::newRow("running here") << QSysInfo::machineHostName() << true << false;
        QTest::newRow("gone from here") << QSysInfo::machineHostName() << false << true;
        QTest::newRow("another machine") << "poste-compta" << false << false;
    }
    void heldOrStale() {
        QFETCH(QString, machine);
        QFETCH(bool, vivant);
        QFETCH(bool, pris);
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        const qint64 processus = vivant ? 1 : processusTermine();
        ecritVerrou(principal, machine, processus);
        TVerrou verrou;
        QCOMPARE(verrou.prend(principal), pris);
        const std::optional<TDetenteur> detenteur = TVerrou::detenteur(principal);
        QCOMPARE(bool(detenteur), !pris);
        if (detenteur) {
            QCOMPARE(detenteur->description(),
                     QStringLiteral("l'utilisateur martin, processus %1 sur la machine %2")
                         .arg(processus)
                         .arg(machine));
            // Its file is left as it is when this program ends.
            const QByteArray avant = contenu(TVerrou::fichierDe(principal));
            verrou.libere();
            QCOMPARE(contenu(TVerrou::fichierDe(principal)), avant);
        }
    }

    void fileThatIsNoLockIsTakenOver() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        QFile f(TVerrou::fichierDe(principal));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("n'importe quoi");
        f.close();
        TVerrou verrou;
        QVERIFY(verrou.prend(principal));
    }

    // A file of the dossier written, replaced, removed or made by another program since it
    // was read shows as changed; a save of its own does not, nor a file only touched.
    void changedOnDisk_data() {
        QTest::addColumn<QString>("changement");
        QTest::addColumn<QString>("extension");
        QTest::newRow("touched") << "touché"
                                 << "lot";
        QTest::newRow("rewritten") << "réécrit"
                                   << "lot";
        QTest::newRow("replaced") << "remplacé"
                                  << "lot";
        QTest::newRow("removed") << "supprimé"
                                 << "lot";
        QTest::newRow("made") << "créé"
                              << "lot";
        QTest::newRow("extra file rewritten") << "réécrit"
                                              << "chr";
        QTest::newRow("extra file made") << "créé"
                                         << "chr";
    }
    void changedOnDisk() {
        QFETCH(QString, changement);
        QFETCH(QString, extension);
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        const QString lots = resolveFileName(principal.chopped(3) + extension);
        if (extension == "chr")
            TextFile::write(lots, {TListeBase::openingLine(0), "1", TListeBase::closingLine(0)});
        if (changement == "créé")
            QVERIFY(QFile::remove(lots));
        TFiche fiche;
        fiche.Charge(principal);
        QCOMPARE(fiche.fichiersChanges(), QStringList());
        const QString lotsLus =
            extension == "chr" ? fiche.fichier(Annexe::Charges) : fiche.fichier(Base::Lots);
        if (changement == "touché") {
            QFile f(lots);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(12, 0)),
                                  QFileDevice::FileModificationTime));
        } else if (changement == "réécrit") {
            QFile f(lots);
            QVERIFY(f.open(QIODevice::Append));
            f.write("\r\n");
        } else if (changement == "remplacé") {
            TextFile::write(lots, TextFile::read(lots) << QString());
        } else if (changement == "supprimé") {
            QVERIFY(QFile::remove(lots));
        } else {
            TextFile::write(lotsLus, {});
        }
        QCOMPARE(fiche.fichiersChanges(),
                 changement == "touché" ? QStringList() : QStringList(lotsLus));
        fiche.SetSauve();
        fiche.Sauve(principal);
        QCOMPARE(fiche.fichiersChanges(), QStringList());
    }

    // A dossier opened read-only is never written over, only saved under another name.
    void readOnlyIsSavedUnderAnotherName() {
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        const QByteArray avant = contenu(principal);
        TFiche fiche;
        fiche.Charge(principal, true);
        QVERIFY(fiche.lectureSeule());
        fiche.SetSauve();
        try {
            fiche.Sauve(principal);
            QFAIL("saved");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "Le dossier DUPONT.LOC est ouvert en lecture seule : "
                                  "enregistrez vos changements sous un autre nom");
        }
        QCOMPARE(contenu(principal), avant);
        fiche.Sauve(dir.filePath("copie.loc"));
        QVERIFY(!fiche.lectureSeule());
        QVERIFY(QFile::exists(dir.filePath("copie.loc")));
    }
};

QTEST_GUILESS_MAIN(TestVerrou)
#include "tst_verrou.moc"
