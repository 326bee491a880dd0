#include "core/app/tfiche.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void ecritOctets(const QString& path, const QByteArray& octets) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray octets(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every record of a base as its key sees it: the lines between its opening and closing lines.
QList<QStringList> fiches(const TListeBase& base) {
    QList<QStringList> resultat;
    for (int key = 0; key < base.nb(); ++key) {
        const qsizetype at = base.find(key);
        QStringList corps;
        for (qsizetype i = at + 1; at >= 0 && i < base.lineCount(); ++i) {
            if (base.line(i) == TListeBase::closingLine(key))
                break;
            corps.append(base.line(i));
        }
        resultat.append(at < 0 ? QStringList{"<absent>"} : corps);
    }
    return resultat;
}

} // namespace

// A damaged tenant file opens with every record it holds under dense keys, and saving then
// re-opening gives the same records: no pass over the base reads its structure otherwise.
class TestStructureAbimee : public QObject {
    Q_OBJECT

private slots:
    void everyPassAgrees_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QList<QStringList>>("attendues");
        QTest::newRow("opening without >")
            << QByteArray("<BLOC0000\n</BLOC0000>") << QList<QStringList>{{}};
        QTest::newRow("opening with a trailing blank")
            << QByteArray("<BLOC0000> \r\n10001\r\nDupont\r\n</BLOC0000>\r\n")
            << QList<QStringList>{{"10001", "Dupont"}};
        QTest::newRow("letter for a digit, CR alone")
            << QByteArray("<BLOC000a>\rN") << QList<QStringList>{{"N"}};
        QTest::newRow("opening inside a block")
            << QByteArray("<BLOC0000>\r\na\r\n<BLOC0001>\r\nb\r\n</BLOC0000>\r\n<BLOC0001>\r\nc\r\n"
                          "</BLOC0001>\r\n")
            << QList<QStringList>{{"a"}, {"b"}, {"c"}};
        QTest::newRow("three copies of a key")
            << QByteArray("<BLOC0000>\r\na1\r\n</BLOC0000>\r\n<BLOC0000>\r\na2\r\n</BLOC0000>\r\n"
                          "<BLOC0001>\r\nb\r\n</BLOC0001>\r\n<BLOC0000>\r\na3\r\n</BLOC0000>\r\n")
            << QList<QStringList>{{"a3"}, {"b"}};
        QTest::newRow("damaged closing line")
            << QByteArray("<BLOC0000>\r\na\r\n</BLOC0000> \r\n<BLOC0001>\r\nb\r\n</BLOC0001>\r\n")
            << QList<QStringList>{{"a"}, {"b"}};
        QTest::newRow("unreadable key")
            << QByteArray(
                   "<BLOC0001>\r\nb\r\n</BLOC0001>\r\n<BLOC> société\r\nx\r\n<BLOC0000>\r\na\r\n"
                   "</BLOC0000>\r\n")
            << QList<QStringList>{{"a"}, {"b"}, {"x"}};
    }
    void everyPassAgrees() {
        QFETCH(QByteArray, fichier);
        QFETCH(QList<QStringList>, attendues);
        QTemporaryDir dir;
        const QString main = dir.filePath("d.loc");
        ecritOctets(main, fichier);

        TFiche fiche;
        fiche.Charge(main);
        const TListeBase& base = fiche.base(Base::Locataires);
        QCOMPARE(base.nb(), attendues.size());
        QCOMPARE(base.countBlocks(), attendues.size());
        QCOMPARE(fiches(base), attendues);
        QVERIFY(fiche.dossierModifie());
        QVERIFY(!TListeBase(base).verif());

        const QString copie = dir.filePath("copie.loc");
        fiche.Sauve(copie);
        TFiche relue;
        relue.Charge(copie);
        QCOMPARE(fiches(relue.base(Base::Locataires)), attendues);
        QVERIFY(!relue.dossierModifie());
        relue.SetSauve();
        relue.Sauve(dir.filePath("encore.loc"));
        QCOMPARE(octets(dir.filePath("encore.loc")), octets(copie));
    }

    // Only "<BLOC" and "</BLOC" in capitals are structural: a sound file whose fields merely
    // look like them opens as it is, unrepaired, and saves back byte for byte.
    void lookalikeLinesAreContent_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QList<QStringList>>("attendues");
        QTest::newRow("company name")
            << QByteArray("<BLOC0000>\r\n10001\r\n<Blocage SA>\r\n12 rue\r\n</BLOC0000>\r\n")
            << QList<QStringList>{{"10001", "<Blocage SA>", "12 rue"}};
        QTest::newRow("lower-case opening and closing")
            << QByteArray("<BLOC0000>\r\na\r\n<bloc0001>\r\n</Bloc0000>\r\n</BLOC0000>\r\n"
                          "<BLOC0001>\r\nc\r\n</BLOC0001>\r\n")
            << QList<QStringList>{{"a", "<bloc0001>", "</Bloc0000>"}, {"c"}};
    }
    void lookalikeLinesAreContent() {
        QFETCH(QByteArray, fichier);
        QFETCH(QList<QStringList>, attendues);
        QTemporaryDir dir;
        const QString main = dir.filePath("d.loc");
        ecritOctets(main, fichier);

        TFiche fiche;
        fiche.Charge(main);
        QVERIFY(!fiche.dossierModifie());
        QCOMPARE(fiches(fiche.base(Base::Locataires)), attendues);
        fiche.SetSauve();
        const QString copie = dir.filePath("copie.loc");
        fiche.Sauve(copie);
        QCOMPARE(octets(copie), fichier);
    }

    // A base beyond what the format's keys can hold is reported, and the dossier open before
    // stays as it was: its bases, its path, its title.
    void tooManyBlocksLeavesTheOpenDossier() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.loc");
        TextFile::write(a, {"<BLOC0000>", "10001", "</BLOC0000>"});
        const QString b = dir.filePath("b.loc");
        TextFile::write(b, {});
        QStringList lots;
        for (int i = 0; i <= TListeBase::MaxBlocs; ++i)
            lots << TListeBase::openingLine(i % 10000) << "lot"
                 << TListeBase::closingLine(i % 10000);
        TextFile::write(dir.filePath("b.lot"), lots);

        TFiche fiche;
        fiche.Charge(a);
        try {
            fiche.Charge(b);
            QFAIL("opened");
        } catch (const UserError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Le fichier %1 contient plus de 9999 fiches : il ne peut pas "
                                    "être ouvert")
                         .arg(dir.filePath("b.lot")));
        }
        QCOMPARE(fiche.ficLoc(), a);
        QCOMPARE(fiche.titre(), QString("a.loc"));
        QCOMPARE(fiche.base(Base::Locataires).lines(),
                 QStringList({"<BLOC0000>", "10001", "</BLOC0000>"}));
        QCOMPARE(fiche.base(Base::Lots).lineCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStructureAbimee)
#include "tst_structureabimee.moc"
