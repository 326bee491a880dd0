#include "../../common/fichiersessai.h"
#include "core/common/usererror.h"
#include "core/tools/blocnotes.h"

#include <QTest>

class TestBlocNotes : public QObject {
    Q_OBJECT

private slots:
    void path_data() {
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("folder") << "/home/loueur"
                                << "/home/loueur/Dravenel.nte";
        QTest::newRow("root") << "/"
                              << "/Dravenel.nte";
        QTest::newRow("folder with its separator") << "/home/loueur/"
                                                   << "/home/loueur/Dravenel.nte";
    }
    void path() {
        QFETCH(QString, repertoire);
        QFETCH(QString, chemin);
        QCOMPARE(BlocNotes::chemin(repertoire), chemin);
    }

    void textRoundTrip_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("lines") << "Appeler le plombier\n\tlundi 9 h\n€ 40"
                               << QByteArray("Appeler le plombier\r\n\tlundi 9 h\r\n\x80 40\r\n");
        QTest::newRow("blank last line") << "a\n" << QByteArray("a\r\n\r\n");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void textRoundTrip() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        BlocNotes::ecris(chemin, texte);
        QCOMPARE(contenu(chemin), octets);
        QCOMPARE(BlocNotes::lis(chemin), texte);
    }

    void missingFileIsAnEmptyPage() {
        QTemporaryDir dir;
        QCOMPARE(BlocNotes::lis(BlocNotes::chemin(dir.path())), QString());
    }

    void tooLargeFile() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        QVERIFY(fichierCreux(chemin, BlocNotes::TailleMax + 1));
        try {
            BlocNotes::lis(chemin);
            QFAIL("read");
        } catch (const UserError& e) {
            QCOMPARE(e.message(),
                     QString("Le fichier %1 dépasse 4 Mo : il est trop grand pour le bloc-notes")
                         .arg(QDir::toNativeSeparators(chemin)));
        }
    }

    void characterTheFileCannotHold() {
        QTemporaryDir dir;
        const QString chemin = BlocNotes::chemin(dir.path());
        BlocNotes::ecris(chemin, "avant");
        try {
            BlocNotes::ecris(chemin, "après\nΩ");
            QFAIL("written");
        } catch (const UserError& e) {
            QVERIFY(e.message().startsWith("Le caractère « Ω » ne peut pas être enregistré"));
        }
        QCOMPARE(BlocNotes::lis(chemin), QString("avant"));
    }
};

QTEST_GUILESS_MAIN(TestBlocNotes)
#include "tst_blocnotes.moc"
