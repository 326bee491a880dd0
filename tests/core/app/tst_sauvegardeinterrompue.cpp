#include "core/app/descriptionbase.h"
#include "core/app/sauvegardes.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/etapesfichiers.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every file of the dossier: the seven bases, then the extra files.
QStringList extensions() {
    QStringList toutes;
    for (Base b : ToutesLesBases)
        toutes << extensionOf(b);
    for (const TAnnexe& a : Annexes)
        toutes << QString::fromLatin1(a.extension);
    return toutes;
}

const QStringList Extensions = extensions();

// A dossier whose seven bases and extra files hold `n` blocks marked with `version`.
void ecritDossier(const QString& principal, const QString& version, int n) {
    for (const QString& extension : Extensions) {
        QStringList lignes;
        for (int k = 0; k < n; ++k)
            lignes << TListeBase::openingLine(k) << QString::number(10001 + k)
                   << version + u' ' + extension << TListeBase::closingLine(k);
        // Written plainly, without waiting on the disk: only the save under test syncs.
        QFile fichier(principal.chopped(3) + extension);
        QVERIFY(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichier.write(TextFile::encodeLines(lignes, fichier.fileName()));
    }
}

// The version every file of the dossier holds: "old", "new", or "mixed" / "damaged".
QString versionDuDossier(const QString& principal) {
    QSet<QString> versions;
    for (const QString& extension : Extensions) {
        const QStringList lignes = TextFile::read(principal.chopped(3) + extension);
        if (lignes.size() < 3)
            return QStringLiteral("damaged");
        versions.insert(lignes[2].section(u' ', 0, 0));
        for (qsizetype i = 2; i < lignes.size(); i += 4)
            if (lignes[i] != lignes[2])
                return QStringLiteral("damaged");
    }
    return versions.size() == 1 ? *versions.begin() : QStringLiteral("mixed");
}

// Opens the "old" dossier, marks every record "new" and saves it.
void sauveNouvelleVersion(const QString& principal) {
    TFiche fiche;
    fiche.Charge(principal);
    std::vector<TListeBase*> listes;
    listes.reserve(NbFichiers);
    for (Base b : ToutesLesBases)
        listes.push_back(&fiche.base(b));
    for (const TAnnexe& a : Annexes)
        listes.push_back(&fiche.annexe(a.annexe));
    for (TListeBase* liste : listes) {
        QStringList lignes = liste->lines();
        for (QString& ligne : lignes)
            if (ligne.startsWith(QLatin1String("old ")))
                ligne = QStringLiteral("new") + ligne.mid(3);
        liste->assign(lignes);
    }
    fiche.SetSauve();
    fiche.Sauve(principal);
}

// The copies of "d.loc" already kept before the save, dated in January, oldest first, each
// holding every file of the dossier marked "older".
void ecritCopies(const QString& principal, int nombre) {
    const QDir dir = QFileInfo(principal).dir();
    QDir(dir.filePath("Sauvegardes")).removeRecursively();
    for (int k = 1; k <= nombre; ++k) {
        const QString copie = dir.filePath(
            QStringLiteral("Sauvegardes/d 2026-01-%1 09.00.00").arg(k, 2, 10, QChar('0')));
        QVERIFY(QDir().mkpath(copie));
        ecritDossier(QDir(copie).filePath("d.loc"), "older", 3);
    }
}

// Every copy the list offers holds its files whole, of one save; the versions found.
QSet<QString> versionsDesCopies(const QString& principal) {
    QSet<QString> versions;
    for (const Sauvegardes::TSauvegarde& copie : Sauvegardes::liste(principal))
        versions.insert(versionDuDossier(copie.dossier));
    return versions;
}

// Runs the save in a child process that kills itself at its `etape`-th step on disk, or that
// the parent kills after `delai` microseconds; true when the child was killed. With
// `repertoire`, the child saves from that working directory, the dossier named from there.
bool sauveEtTue(const QString& principal, int etape, int delai, const QString& repertoire = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        Clock::Fixed horloge(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        QString chemin = principal;
        if (!repertoire.isEmpty()) {
            QDir::setCurrent(repertoire);
            chemin = QDir(repertoire).relativeFilePath(principal);
        }
        int n = 0;
        EtapesFichiers::Essai arret([&](EtapesFichiers::Etape, const QString&) {
            if (++n == etape)
                ::raise(SIGKILL);
            return true;
        });
        try {
            sauveNouvelleVersion(chemin);
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    if (delai >= 0) {
        ::usleep(useconds_t(delai));
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

QStringList restes(const QString& dossier) {
    return QDir(dossier).entryList({"*~"}, QDir::Files);
}

} // namespace

// A save stopped at any point leaves the dossier, as the next opening finds it, all old or
// all new: never a mix of two saves, never a leftover file read as the dossier.
class TestSauvegardeInterrompue : public QObject {
    Q_OBJECT

private slots:
    // The save is killed at each of its steps: in the child's own working directory or in
    // another one than the opening's, and with copies enough that the oldest is removed. The
    // opening then finds the dossier whole, and the files a finished save replaced kept as a
    // whole copy; no copy the list offers lacks a file.
    void killedAtEveryStep_data() {
        QTest::addColumn<bool>("ailleurs");
        QTest::addColumn<int>("copies");
        QTest::newRow("same directory") << false << 0;
        QTest::newRow("another directory") << true << 0;
        QTest::newRow("pruning the copies") << false << Sauvegardes::Gardees;
        QTest::newRow("another directory, pruning") << true << Sauvegardes::Gardees;
    }
    void killedAtEveryStep() {
        QFETCH(bool, ailleurs);
        QFETCH(int, copies);
        QTemporaryDir dir;
        const QString principal = dir.filePath("d.loc");
        const QString repertoire = ailleurs ? dir.path() : QString();
        int etapes = 0;
        {
            ecritDossier(principal, "old", 3);
            ecritCopies(principal, copies);
            EtapesFichiers::Essai compte([&](EtapesFichiers::Etape, const QString&) {
                ++etapes;
                return true;
            });
            Clock::Fixed horloge(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
            sauveNouvelleVersion(principal);
        }
        QVERIFY(etapes > 8 * 3);
        int tues = 0;
        int entiers = 0;
        for (int etape = 1; etape <= etapes + 1; ++etape) {
            ecritDossier(principal, "old", 3);
            ecritCopies(principal, copies);
            tues += sauveEtTue(principal, etape, -1, repertoire);
            TFiche::RepareDossier(principal);
            const QString version = versionDuDossier(principal);
            const QString ou = QStringLiteral("step %1: ").arg(etape);
            QVERIFY2(version == "old" || version == "new", qPrintable(ou + version));
            QCOMPARE(restes(dir.path()), QStringList());
            const QSet<QString> versions = versionsDesCopies(principal);
            QVERIFY2(!versions.contains("damaged") && !versions.contains("mixed"),
                     qPrintable(ou + QStringList(versions.begin(), versions.end()).join(' ')));
            // What a save replaced is kept, whether the save or the opening finished it.
            QCOMPARE(versions.contains("old"), version == "new");
            QVERIFY(Sauvegardes::liste(principal).size() <= Sauvegardes::Gardees);
            entiers += 1;
        }
        QCOMPARE(tues, etapes);
        QCOMPARE(entiers, etapes + 1);
        qInfo("%d kills at every step of a save, %d dossiers and their copies found whole", tues,
              entiers);
    }

    void killedAtRandomMoments() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("d.loc");
        // The moments are drawn within the time a whole save takes in a child.
        ecritDossier(principal, "old", 400);
        QElapsedTimer chrono;
        chrono.start();
        sauveEtTue(principal, 0, -1);
        const int duree = int(std::max<qint64>(chrono.nsecsElapsed() / 1000, 1000));
        QRandomGenerator aleas(20261210);
        int tues = 0;
        int entiers = 0;
        int nouveaux = 0;
        for (int essai = 0; essai < 100; ++essai) {
            ecritDossier(principal, "old", 400);
            ecritCopies(principal, Sauvegardes::Gardees);
            tues += sauveEtTue(principal, 0, aleas.bounded(duree));
            TFiche fiche;
            fiche.Charge(principal);
            QCOMPARE(restes(dir.path()), QStringList());
            const QString version = versionDuDossier(principal);
            QVERIFY2(version == "old" || version == "new", qPrintable(version));
            const QSet<QString> versions = versionsDesCopies(principal);
            QVERIFY(!versions.contains("damaged") && !versions.contains("mixed"));
            QCOMPARE(versions.contains("old"), version == "new");
            ++entiers;
            nouveaux += version == "new";
        }
        qInfo("%d kills at random moments of a save, %d dossiers found whole (%d new)", tues,
              entiers, nouveaux);
    }

    // A step refused by the disk (full, read-only folder) fails the save with its message and
    // leaves every old file whole, wherever it comes.
    void refusedStepLeavesTheOldFiles() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("d.loc");
        ecritDossier(principal, "old", 3);
        int etapes = 0;
        {
            EtapesFichiers::Essai compte([&](EtapesFichiers::Etape, const QString&) {
                ++etapes;
                return true;
            });
            sauveNouvelleVersion(principal);
        }
        for (int etape = 1; etape <= etapes; ++etape) {
            ecritDossier(principal, "old", 3);
            const QString sauvegardes = dir.filePath("Sauvegardes");
            QDir(sauvegardes).removeRecursively();
            int n = 0;
            EtapesFichiers::Essai refus([&](EtapesFichiers::Etape e, const QString&) {
                // Removing what is no longer needed may fail without harm.
                return ++n != etape || e == EtapesFichiers::Etape::Suppression;
            });
            bool echec = false;
            try {
                sauveNouvelleVersion(principal);
            } catch (const UserError& e) {
                echec = true;
                QVERIFY2(e.message().startsWith("Impossible d'écrire le fichier ") ||
                             e.message().startsWith("Impossible de garder une copie des fichiers "
                                                    "remplacés dans "),
                         qPrintable(e.message()));
            }
            const QString version = versionDuDossier(principal);
            QCOMPARE(version, QString(echec ? "old" : "new"));
            QCOMPARE(restes(dir.path()).size(), echec ? 0 : restes(dir.path()).size());
        }
    }
};

QTEST_GUILESS_MAIN(TestSauvegardeInterrompue)
#include "tst_sauvegardeinterrompue.moc"
