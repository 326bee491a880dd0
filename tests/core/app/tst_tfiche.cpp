#include "../../common/fichiersessai.h"
#include "core/app/tfiche.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A page without widgets: one field, the block's first line.
class PageEssai : public TPage {
public:
    explicit PageEssai(TListeBase& base) : m_base(base) {}

    bool ecrit() override {
        ++ecritures;
        if (!modifie)
            return false;
        m_base.store(m_base.courant(), {texte});
        modifie = false;
        return true;
    }
    void lit() override {
        ++lectures;
        modifie = false;
        texte = m_base.read(m_base.courant(), 1, 2).champs.value(0);
    }
    void Copier() override {}
    void Coller() override {}

    QString texte;
    bool modifie = false;
    int lectures = 0;
    int ecritures = 0;

private:
    TListeBase& m_base;
};

QStringList blocs(const QList<QStringList>& fields) {
    QStringList lines;
    for (int k = 0; k < fields.size(); ++k)
        lines << TListeBase::openingLine(k) << fields[k] << TListeBase::closingLine(k);
    return lines;
}

} // namespace

class TestTFiche : public QObject {
    Q_OBJECT

private slots:
    void loadsAndSavesByteForByte() {
        QTemporaryDir dir;
        const QString main = copieFixture(dir);
        TFiche fiche;
        QSignalSpy titres(&fiche, &TFiche::titreChange);
        fiche.Charge(main);
        QCOMPARE(fiche.titre(), QString("DUPONT.LOC"));
        QCOMPARE(titres.size(), 1);
        QCOMPARE(fiche.fichier(Base::Lots), dir.filePath("DUPONT.LOT"));
        QCOMPARE(fiche.fichier(Base::Recus), dir.filePath("DUPONT.RCU"));
        QCOMPARE(fiche.base(Base::Locataires).nb(), 2);
        QCOMPARE(fiche.base(Base::Locataires).line(2), QString("Hélène Dupré"));
        QCOMPARE(fiche.base(Base::Locataires).line(15), QString("MEMOCaution versée : 1 200 €"));
        QCOMPARE(fiche.base(Base::Avis).nb(), 0);
        QVERIFY(!fiche.dossierModifie());

        fiche.SetSauve();
        fiche.Sauve(main);
        QVERIFY(!fiche.dossierModifie());
        const QDir fixture(QStringLiteral(TARVINEL_FIXTURES "/accents"));
        // The dossier had no extra file: each is written as the empty list it was.
        QStringList attendus = fixture.entryList(QDir::Files);
        for (const TAnnexe& a : Annexes)
            attendus << "DUPONT." + QString::fromLatin1(a.extension);
        attendus.sort(Qt::CaseInsensitive);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), attendus);
        for (const QString& name : fixture.entryList(QDir::Files))
            QCOMPARE(contenu(dir.filePath(name)), contenu(fixture.filePath(name)));
        QCOMPARE(contenu(dir.filePath("DUPONT.chr")), QByteArray());
    }

    void saveWritesNothingWhenUnmodified() {
        QTemporaryDir dir;
        const QString main = copieFixture(dir);
        TFiche fiche;
        fiche.Charge(main);
        QFile::remove(dir.filePath("DUPONT.LOT"));
        fiche.Sauve(main);
        QVERIFY(!QFile::exists(dir.filePath("DUPONT.LOT")));
        QVERIFY(!QFile::exists(dir.filePath("DUPONT.lot")));
    }

    void missingCompanionsLoadEmpty() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.Charge(copieFixture(dir));
        QCOMPARE(fiche.base(Base::Lots).nb(), 1);

        const QString autre = dir.filePath("autre.loc");
        TextFile::write(autre, blocs({{"10001"}}));
        fiche.Charge(autre);
        for (Base b : ToutesLesBases)
            if (b != Base::Locataires)
                QCOMPARE(fiche.base(b).lineCount(), 0);
        fiche.SetSauve();
        fiche.Sauve(autre);
        QCOMPARE(contenu(dir.filePath("autre.lot")), QByteArray());
        QCOMPARE(contenu(dir.filePath("autre.loc")),
                 QByteArray("<BLOC0000>\r\n10001\r\n</BLOC0000>\r\n"));
    }

    void newDossierSavesSevenEmptyFiles() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.Charge(copieFixture(dir));
        fiche.Nouveau();
        QCOMPARE(fiche.titre(), QString());
        QCOMPARE(fiche.ficLoc(), QString());
        fiche.SetSauve();
        fiche.Sauve(dir.filePath("neuf.loc"));
        for (const char* ext : {"loc", "lot", "frs", "qtc", "ech", "cmd", "rcu"})
            QCOMPARE(contenu(dir.filePath(QStringLiteral("neuf.") + ext)), QByteArray());
        QCOMPARE(fiche.titre(), QString("neuf.loc"));
    }

    void failedWriteLeavesEveryFileWhole() {
        QTemporaryDir dir;
        const QString main = copieFixture(dir);
        TFiche fiche;
        fiche.Charge(main);
        TListeBase& locataires = fiche.base(Base::Locataires);
        QStringList lignes = locataires.lines();
        lignes[2] = "Changé";
        locataires.assign(lignes);
        fiche.SetSauve();
        QVERIFY(QDir(dir.path()).mkdir("DUPONT.LOT.tmp~"));
        try {
            fiche.Sauve(main);
            QFAIL("the save should have failed");
        } catch (const UserError& e) {
            QVERIFY(e.message().contains(dir.filePath("DUPONT.LOT")));
        }
        QVERIFY(fiche.dossierModifie());
        const QDir fixture(QStringLiteral(TARVINEL_FIXTURES "/accents"));
        for (const QString& name : fixture.entryList(QDir::Files))
            QCOMPARE(contenu(dir.filePath(name)), contenu(fixture.filePath(name)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), fixture.entryList(QDir::Files));
    }

    void textOutsideTheCodePageIsRefused() {
        QTemporaryDir dir;
        const QString main = copieFixture(dir);
        TFiche fiche;
        fiche.Charge(main);
        TListeBase& fournisseurs = fiche.base(Base::Fournisseurs);
        QStringList lignes = fournisseurs.lines();
        lignes[2] = "Plomberie 漢";
        fournisseurs.assign(lignes);
        fiche.SetSauve();
        try {
            fiche.Sauve(main);
            QFAIL("the save should have failed");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Le caractère « 漢 » ne peut pas être enregistré dans "
                                          "le fichier %1")
                                      .arg(dir.filePath("DUPONT.FRS")));
        }
        QCOMPARE(contenu(main), contenu(QStringLiteral(TARVINEL_FIXTURES "/accents/DUPONT.LOC")));
    }

    void loadingRepairs() {
        QTemporaryDir dir;
        const QString main = dir.filePath("d.loc");
        TextFile::write(main, blocs({{"10001"}, {"10002"}}));
        TextFile::write(dir.filePath("d.lot"), {"<BLOC0000>", "30001"});
        TFiche fiche;
        fiche.Charge(main);
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(fiche.base(Base::Lots).lines(),
                 QStringList({"<BLOC0000>", "30001", "</BLOC0000>"}));

        QStringList doubles = blocs({{"10001"}, {"10002"}});
        doubles << "<BLOC0001>"
                << "10003"
                << "</BLOC0001>";
        TextFile::write(main, doubles);
        QFile::remove(dir.filePath("d.lot"));
        fiche.Charge(main);
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(fiche.base(Base::Locataires).countBlocks(), 2);
        QCOMPARE(fiche.base(Base::Locataires).nb(), 2);
    }

    void movesStoreThenRead() {
        TFiche fiche;
        PageEssai page(fiche.base(Base::Locataires));
        fiche.setPage(Base::Locataires, &page);
        fiche.base(Base::Locataires).assign(blocs({{"A"}, {"B"}, {"C"}}));
        fiche.Premier();
        QCOMPARE(page.texte, QString("A"));
        page.texte = "A modifié";
        page.modifie = true;
        fiche.Suivant();
        QCOMPARE(page.texte, QString("B"));
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(fiche.base(Base::Locataires).line(1), QString("A modifié"));
        fiche.Dernier();
        fiche.Suivant();
        QCOMPARE(page.texte, QString("C"));
        fiche.Precedent();
        fiche.Precedent();
        fiche.Precedent();
        QCOMPARE(page.texte, QString("A modifié"));
    }

    void oneBlockGuards_data() {
        QTest::addColumn<Base>("base");
        QTest::addColumn<bool>("suivantLit");
        QTest::addColumn<bool>("dernierEcrit");
        QTest::newRow("tenants") << Base::Locataires << false << false;
        QTest::newRow("suppliers") << Base::Fournisseurs << true << false;
        QTest::newRow("payment receipts") << Base::Recus << false << true;
    }
    void oneBlockGuards() {
        QFETCH(Base, base);
        QFETCH(bool, suivantLit);
        QFETCH(bool, dernierEcrit);
        TFiche fiche;
        PageEssai page(fiche.base(base));
        fiche.setPage(base, &page);
        fiche.setPageActive(base);
        fiche.base(base).assign(blocs({{"seul"}}));
        fiche.Suivant();
        QCOMPARE(page.lectures > 0, suivantLit);
        page.ecritures = 0;
        fiche.Dernier();
        QCOMPARE(page.ecritures > 0, dernierEcrit);
        QCOMPARE(fiche.base(base).courant(), 0);
    }

    void ajoutKeepsKeysDense() {
        TFiche fiche;
        PageEssai page(fiche.base(Base::Locataires));
        fiche.setPage(Base::Locataires, &page);
        TListeBase& base = fiche.base(Base::Locataires);
        base.assign(blocs({{"A"}}));
        fiche.Ajout();
        fiche.Ajout();
        QCOMPARE(base.courant(), 1);
        QCOMPARE(base.nb(), 1);
        page.texte = "nouveau";
        page.modifie = true;
        fiche.Ajout();
        QCOMPARE(base.nb(), 2);
        QCOMPARE(base.courant(), 2);
        fiche.Premier();
        QCOMPARE(base.countBlocks(), 2);
        QVERIFY(!base.verif());

        fiche.setPageActive(Base::Quittances);
        fiche.Ajout();
        QCOMPARE(fiche.base(Base::Quittances).courant(), 0);
    }

    void ajoutOnAFullBase() {
        TFiche fiche;
        TListeBase& lots = fiche.base(Base::Lots);
        QStringList lines;
        for (int k = 0; k < TListeBase::MaxBlocs; ++k)
            lines << TListeBase::openingLine(k) << TListeBase::closingLine(k);
        lots.assign(lines);
        fiche.setPageActive(Base::Lots);
        try {
            fiche.Ajout();
            QFAIL("a full base takes no new record");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Le fichier est plein"));
        }
        QCOMPARE(lots.courant(), 0);
    }

    void supprimeShowsTheNextRecord() {
        TFiche fiche;
        PageEssai page(fiche.base(Base::Locataires));
        fiche.setPage(Base::Locataires, &page);
        TListeBase& base = fiche.base(Base::Locataires);
        base.assign(blocs({{"A"}, {"B"}, {"C"}}));
        base.allerA(1);
        fiche.Supprime();
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(page.texte, QString("C"));
        QCOMPARE(base.nb(), 2);
        fiche.Supprime();
        QCOMPARE(page.texte, QString("A"));
        fiche.Supprime();
        QCOMPARE(base.nb(), 0);
        QCOMPARE(base.lineCount(), 0);
        QCOMPARE(page.texte, QString());
    }

    // The order page deletes the order it shows.
    void supprimeAnOrder() {
        TFiche fiche;
        TListeBase& commandes = fiche.base(Base::Commandes);
        commandes.assign(blocs({{"NUMC202612001"}}));
        fiche.AffichePage(Base::Commandes);
        fiche.Supprime();
        QCOMPARE(commandes.nb(), 0);
        QCOMPARE(commandes.lineCount(), 0);
        QVERIFY(fiche.dossierModifie());
    }

    // Keys stay dense whatever the sequence of new cards, deletions and pastes.
    void keysDenseAfterDeletingTheOnlyRecord() {
        TFiche fiche;
        TPageEnregistrement& page = *fiche.pageFiche(Base::Locataires);
        QCOMPARE(page.champ(1), QString("10001"));
        page.saisitChamp(2, "Dupré");
        fiche.Copier();
        QVERIFY(fiche.TestModif());
        fiche.Supprime();
        QCOMPARE(fiche.base(Base::Locataires).lineCount(), 0);
        fiche.Ajout();
        fiche.Coller();
        fiche.Ajout();
        fiche.Ajout();
        page.saisitChamp(2, "Martin");
        fiche.Premier();
        const TListeBase& base = fiche.base(Base::Locataires);
        QCOMPARE(base.nb(), 2);
        QCOMPARE(base.find(0), 0);
        QCOMPARE(base.line(base.find(0) + 2), QString("Dupré"));
        QCOMPARE(base.line(base.find(1) + 2), QString("Martin"));
        QCOMPARE(page.champ(2), QString("Dupré"));
    }

    void tenantPageFollowsTheDossier() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.Charge(copieFixture(dir));
        TPageEnregistrement& page = *fiche.pageFiche(Base::Locataires);
        QCOMPARE(page.champ(2), QString("Hélène Dupré"));
        QCOMPARE(page.liste(12), QStringList({"30001 Studio mansardé — 5e étage"}));

        fiche.Copier();
        fiche.Ajout();
        QCOMPARE(page.champ(1), QString("10003"));
        QCOMPARE(page.champ(2), QString());
        fiche.Coller();
        QCOMPARE(page.champ(1), QString("10003"));
        QCOMPARE(page.champ(2), QString("Hélène Dupré"));
        QVERIFY(fiche.TestModif());
        QCOMPARE(fiche.base(Base::Locataires).nb(), 3);

        fiche.Nouveau();
        QCOMPARE(page.champ(1), QString("10001"));
        QCOMPARE(page.champ(2), QString());
        QCOMPARE(page.liste(12), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTFiche)
#include "tst_tfiche.moc"
