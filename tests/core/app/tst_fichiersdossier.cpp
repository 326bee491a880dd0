#include "../../common/fichiersessai.h"
#include "core/app/fichiersreglages.h"
#include "core/app/tfiche.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Puts `sorte` in place of a file: a link loop, a pipe, a folder, a broken link, or a file of
// `taille` bytes that holds no data (made at once, without writing them).
void place(const QString& chemin, const QString& sorte, qint64 taille = 0) {
    QFile::remove(chemin);
    const QByteArray nom = QFile::encodeName(chemin);
    if (sorte == "boucle")
        QCOMPARE(::symlink(nom.constData(), nom.constData()), 0);
    else if (sorte == "tube")
        QCOMPARE(::mkfifo(nom.constData(), 0600), 0);
    else if (sorte == "dossier")
        QVERIFY(QDir().mkdir(chemin));
    else if (sorte == "lien mort")
        QCOMPARE(::symlink("ailleurs.qtc", nom.constData()), 0);
    else if (sorte == "énorme") {
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.resize(taille));
    }
}

} // namespace

// What the program takes for the files it reads at start and at opening: only a file that is
// truly absent is an empty base; anything else there is read, or refused with its message,
// and so is a file far larger than any of its kind.
class TestFichiersDossier : public QObject {
    Q_OBJECT

private slots:
    void unreadableCompanionStopsTheOpening_data() {
        QTest::addColumn<QString>("sorte");
        QTest::newRow("link loop") << "boucle";
        QTest::newRow("pipe") << "tube";
        QTest::newRow("folder") << "dossier";
        QTest::newRow("broken link") << "lien mort";
    }
    void unreadableCompanionStopsTheOpening() {
        QFETCH(QString, sorte);
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        TFiche fiche;
        fiche.Charge(principal);
        const int locataires = fiche.base(Base::Locataires).nb();
        const QString quittances = resolveFileName(principal.chopped(3) + "qtc");
        place(quittances, sorte);
        try {
            fiche.Charge(principal);
            QFAIL("opened");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "Impossible de lire le fichier " + quittances);
        }
        QCOMPARE(fiche.base(Base::Locataires).nb(), locataires);
        QVERIFY(!TextFile::absent(quittances));
    }

    void absentCompanionIsAnEmptyBase() {
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        QVERIFY(QFile::remove(resolveFileName(principal.chopped(3) + "qtc")));
        TFiche fiche;
        fiche.Charge(principal);
        QCOMPARE(fiche.base(Base::Quittances).nb(), 0);
        QCOMPARE(fiche.annexe(Annexe::Charges).lineCount(), 0);
        QVERIFY(!fiche.dossierModifie());
    }

    // An extra file is read with the dossier and written back with it, byte for byte; a file
    // that cannot be read stops the opening like a base's.
    void extraFileReadAndSavedWithTheDossier() {
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        const QString charges = dir.filePath("DUPONT.chr");
        const QByteArray octets = "<BLOC0000>\r\n2\r\n2025\r\nEau\t312,40\r\nAscenseur\t"
                                  "\xe9t\xe9\r\n</BLOC0000>\r\n";
        QFile f(charges);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        TFiche fiche;
        fiche.Charge(principal);
        QCOMPARE(fiche.annexe(Annexe::Charges).nb(), 1);
        QCOMPARE(fiche.fichier(Annexe::Charges), charges);
        fiche.SetSauve();
        fiche.Sauve(principal);
        QCOMPARE(contenu(charges), octets);
        place(charges, "dossier");
        QVERIFY_THROWS_EXCEPTION(UserError, fiche.Charge(principal));
        QCOMPARE(fiche.annexe(Annexe::Charges).nb(), 1);
    }

    // A file larger than any base can be is refused at once, before it is read.
    void baseBeyondItsLargestSizeIsRefused() {
        QTemporaryDir dir;
        const QString principal = copieFixture(dir);
        const QString quittances = resolveFileName(principal.chopped(3) + "qtc");
        place(quittances, "énorme", TListeBase::MaxOctetsFichier + 1);
        TFiche fiche;
        try {
            fiche.Charge(principal);
            QFAIL("opened");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "Le fichier " + quittances +
                                      " est trop grand (503 Mo) : il ne peut pas dépasser 503 Mo");
        }
        QCOMPARE(fiche.base(Base::Locataires).nb(), 0);
    }

    void settingsFileBeyondItsBoundIsRefused() {
        QTemporaryDir dir;
        place(dir.filePath(FichiersReglages::NomIni), "énorme", 2 * 1024 * 1024);
        TFiche fiche;
        try {
            fiche.ChargeIni(dir.path());
            QFAIL("read");
        } catch (const UserError& e) {
            QVERIFY2(e.message().endsWith("est trop grand (2 Mo) : il ne peut pas dépasser 1 Mo"),
                     qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestFichiersDossier)
#include "tst_fichiersdossier.moc"
