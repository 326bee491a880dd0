#include "../../common/fichiersessai.h"
#include "core/common/usererror.h"
#include "core/tools/messages.h"

#include <QTest>

namespace {

TMessage message(std::array<QString, 7> champs, std::array<bool, 5> cases = {}) {
    return {std::move(champs), cases};
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void lineLayout_data() {
        QTest::addColumn<TMessage>("carte");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("empty card") << TMessage() << "\t\t\t\t\t\t\tFFFFF";
        QTest::newRow("A téléphoné and URGENT")
            << message({}, {true, false, false, false, true}) << "\t\t\t\t\t\t\tTFFFT";
        QTest::newRow("caller left empty")
            << message({"M. Durand", "", "Durand SA", "04 78 00 00 00", "12/03/2024", "10:05:00",
                        "Fuite d'eau au 2e"},
                       {false, false, true, false, false})
            << "M. Durand\t\tDurand SA\t04 78 00 00 00\t12/03/2024\t10:05:00\tFuite d'eau au "
               "2e\tFFTFF";
    }
    void lineLayout() {
        QFETCH(TMessage, carte);
        QFETCH(QString, ligne);
        QCOMPARE(carte.ligne(), ligne);
        QVERIFY(TMessage::depuisLigne(ligne) == carte);
    }

    void linesRead_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<TMessage>("carte");
        QTest::newRow("new card") << " " << TMessage();
        QTest::newRow("fields trimmed")
            << "  Pour  \t De \t\t\t\t\t\tTT" << message({"Pour", "De"}, {true, true});
        QTest::newRow("flags missing")
            << "a\tb\tc\td\te\tf\tg\t" << message({"a", "b", "c", "d", "e", "f", "g"});
        QTest::newRow("only some fields") << "a\tb" << message({"a", "b"});
        QTest::newRow("letters other than T")
            << "\t\t\t\t\t\t\tFtTxT" << message({}, {false, false, true, false, true});
    }
    void linesRead() {
        QFETCH(QString, ligne);
        QFETCH(TMessage, carte);
        QVERIFY(TMessage::depuisLigne(ligne) == carte);
    }

    void fileBesideTheDossier_data() {
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("dossier") << "C:\\Loc\\Dupont.loc"
                                 << "C:\\Loc\\Dupont.oms";
        QTest::newRow("folder with a dot") << "/home/a.b/Dupont.loc"
                                           << "/home/a.b/Dupont.oms";
        QTest::newRow("name without extension") << "/home/a.b/Dupont"
                                                << "/home/a.b/Dupont.oms";
        QTest::newRow("no dossier") << ""
                                    << ".oms";
    }
    void fileBesideTheDossier() {
        QFETCH(QString, dossier);
        QFETCH(QString, fichier);
        QCOMPARE(Messages::nomFichier(dossier), fichier);
    }

    void closedAtOnceWritesOneEmptyMessage() {
        QTemporaryDir dir;
        const QString dossier = dir.filePath("Dupont.loc");
        TListeMessages liste;
        liste.Charge(dossier);
        liste.EcritFiche(liste.LitFiche());
        liste.Sauve(dossier);
        QCOMPARE(contenu(dir.filePath("Dupont.oms")), QByteArray("\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    // Paging stops at both ends; a new card goes last; deleting keeps a card to show.
    void paging() {
        QTemporaryDir dir;
        const QString dossier = dir.filePath("Dupont.loc");
        QFile f(dir.filePath("Dupont.oms"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Un\t\t\t\t\t\t\tFFFFF\r\nDeux\t\t\t\t\t\t\tFFFFF\r\nTrois\t\t\t\t\t\t\tFFFFF\r\n");
        f.close();
        TListeMessages liste;
        liste.Charge(dossier);
        QCOMPARE(liste.courant(), 2);
        liste.Suivant();
        QCOMPARE(liste.LitFiche().champs[0], QString("Trois"));
        liste.Precedent();
        liste.Precedent();
        liste.Precedent();
        QCOMPARE(liste.LitFiche().champs[0], QString("Un"));
        liste.Supprime();
        QCOMPARE(liste.LitFiche().champs[0], QString("Deux"));
        liste.Ajout();
        QCOMPARE(liste.courant(), 2);
        QVERIFY(liste.LitFiche() == TMessage());
        liste.Supprime();
        QCOMPARE(liste.LitFiche().champs[0], QString("Trois"));
        liste.Supprime();
        liste.Supprime();
        QCOMPARE(liste.nombre(), 1);
        QVERIFY(liste.LitFiche() == TMessage());
        liste.EcritFiche(message({"Après"}));
        liste.Sauve(dossier);
        QCOMPARE(contenu(dir.filePath("Dupont.oms")),
                 QByteArray("Apr\xe8s\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    void tooLargeFile() {
        QTemporaryDir dir;
        QVERIFY(fichierCreux(dir.filePath("Dupont.oms"), TListeMessages::TailleMax + 1));
        TListeMessages liste;
        try {
            liste.Charge(dir.filePath("Dupont.loc"));
            QFAIL("read");
        } catch (const UserError& e) {
            QCOMPARE(e.message(),
                     QString("Le fichier %1 dépasse 8 Mo : il est trop grand pour les messages")
                         .arg(QDir::toNativeSeparators(dir.filePath("Dupont.oms"))));
        }
        QCOMPARE(liste.nombre(), 1);
    }

    void emptyFileGivesOneEmptyMessage() {
        QTemporaryDir dir;
        QFile f(dir.filePath("Dupont.oms"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TListeMessages liste;
        liste.Charge(dir.filePath("Dupont.loc"));
        QCOMPARE(liste.nombre(), 1);
        QVERIFY(liste.LitFiche() == TMessage());
    }

    void fieldsTheFileCannotHold_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("tab")
            << "a\tb"
            << "Le champ « Objet » ne peut contenir ni tabulation ni retour à la ligne";
        QTest::newRow("line break")
            << "a\nb"
            << "Le champ « Objet » ne peut contenir ni tabulation ni retour à la ligne";
        QTest::newRow("outside the code page")
            << "Ω"
            << "Le caractère « Ω » ne peut pas être enregistré dans le fichier des messages";
    }
    void fieldsTheFileCannotHold() {
        QFETCH(QString, champ);
        QFETCH(QString, erreur);
        TListeMessages liste;
        TMessage carte;
        carte.champs[6] = champ;
        try {
            liste.EcritFiche(carte);
            QFAIL("refused field written");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), erreur);
        }
        QCOMPARE(liste.lignes(), QStringList(" "));
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
