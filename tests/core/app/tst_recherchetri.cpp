#include "essaisbases.h"

#include "core/common/usererror.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"
#include "core/records/lot.h"
#include "core/store/recherche.h"

#include <QTest>

Q_DECLARE_METATYPE(Recherche)

namespace {

// Tenants, suppliers and lots, each base shown on its last record.
void dossierEssai(TFiche& dossier) {
    using namespace Locataire;
    remplit(dossier, Base::Locataires,
            {fiche(Base::Locataires, "10010", {{NomSoc, "Durand"}, {Telephone, "01 45 22 33 44"}}),
             fiche(Base::Locataires, "10001", {{NomSoc, "Dupont"}, {Telephone, "01 45 67 89 00"}}),
             fiche(Base::Locataires, "10002", {{NomSoc, "DUPUIS"}, {Telephone, "04 78 12 34 56"}}),
             fiche(Base::Locataires, "10003", {{NomSoc, "ÉCOLE DES ARTS"}})});
    remplit(dossier, Base::Fournisseurs,
            {fiche(Base::Fournisseurs, "20001", {{Fournisseur::NomSoc, "Serrurerie Aubépine"}}),
             fiche(Base::Fournisseurs, "10002", {{Fournisseur::NomSoc, "plomberie Gérard"}}),
             fiche(Base::Fournisseurs, "10003", {{Fournisseur::NomSoc, "Peintures du Léman"}})});
    remplit(dossier, Base::Lots,
            {fiche(Base::Lots, "10001", {{Lot::Designation, "Garage rue Basse"}}),
             fiche(Base::Lots, "10002", {{Lot::Designation, "studio rue Haute"}}),
             fiche(Base::Lots, "10003", {{Lot::Designation, "Studio place Verte"}})});
}

// Blocks made of their content lines, laid out in the list under keys in reverse order, after a
// stray line that belongs to no block.
TListeBase baseDe(const QList<QStringList>& contenus) {
    TListeBase base;
    base.assign({"ligne égarée"});
    for (qsizetype i = contenus.size() - 1; i >= 0; --i)
        base.store(int(i), contenus[i]);
    return base;
}

QStringList lot(const QString& numero, const QString& designation, const QString& cp,
                const QString& ville) {
    return {numero, designation, QString(), QString(), cp, ville};
}

} // namespace

class TestRechercheTri : public QObject {
    Q_OBJECT

private slots:
    // A search shows the first record of the base, in the order of the list, whose field
    // begins with the text typed; without one, the record shown stays and the message names the
    // text as compared.
    void searches_data() {
        QTest::addColumn<Base>("base");
        QTest::addColumn<Recherche>("recherche");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("cle");
        QTest::addColumn<QString>("message");
        const Base T = Base::Locataires, F = Base::Fournisseurs, L = Base::Lots;
        QTest::newRow("name in lower case") << T << Recherche::RechNom << "dup" << 1 << "";
        QTest::newRow("name in upper case") << T << Recherche::RechNom << "DUPU" << 2 << "";
        QTest::newRow("name in mixed case") << T << Recherche::RechNom << "dUrAn" << 0 << "";
        QTest::newRow("accented capital as stored") << T << Recherche::RechNom << "Éco" << 3 << "";
        QTest::newRow("only a to z change case")
            << T << Recherche::RechNom << "école" << 3 << "Fiche éCOLE non trouvée";
        QTest::newRow("name not found")
            << T << Recherche::RechNom << "xyz" << 3 << "Fiche XYZ non trouvée";
        QTest::newRow("number prefix in base order") << T << Recherche::RechNum << "100" << 0 << "";
        QTest::newRow("whole number") << T << Recherche::RechNum << "10001" << 1 << "";
        QTest::newRow("number not found")
            << T << Recherche::RechNum << "2" << 3 << "Fiche 2 non trouvée";
        QTest::newRow("telephone with blanks") << T << Recherche::RechTel << "01 45 6" << 1 << "";
        QTest::newRow("telephone prefix") << T << Recherche::RechTel << "04" << 2 << "";
        QTest::newRow("supplier name") << F << Recherche::RechNom << "PLOMB" << 1 << "";
        QTest::newRow("supplier code") << F << Recherche::RechNum << "2" << 0 << "";
        QTest::newRow("no telephone search on suppliers")
            << F << Recherche::RechTel << "01" << 2 << "";
        QTest::newRow("lot designation") << L << Recherche::RechLot << "stu" << 1 << "";
        QTest::newRow("lot number") << L << Recherche::RechNumLot << "10001" << 0 << "";
        QTest::newRow("lot not found")
            << L << Recherche::RechLot << "cave" << 2 << "Fiche CAVE non trouvée";
        QTest::newRow("tenant search on lots") << L << Recherche::RechNom << "Garage" << 2 << "";
        QTest::newRow("lot search on tenants") << T << Recherche::RechLot << "Dur" << 3 << "";
        QTest::newRow("empty text") << T << Recherche::RechNom << "" << 3 << "";
    }
    void searches() {
        QFETCH(Base, base);
        QFETCH(Recherche, recherche);
        QFETCH(QString, debut);
        QFETCH(int, cle);
        QFETCH(QString, message);
        TFiche dossier;
        dossierEssai(dossier);
        dossier.AffichePage(base);
        QString dit;
        try {
            dossier.Cherche(recherche, debut);
        } catch (const UserError& erreur) {
            dit = erreur.message();
        }
        QCOMPARE(dit, message);
        QCOMPARE(dossier.base(base).courant(), cle);
        const TPageEnregistrement* page = dossier.pageFiche(base);
        QCOMPARE(page->champ(1), dossier.base(base).read(cle, 1, 2).champs.value(0));
    }

    // The blocks follow their sorted line without regard to case in the French collation;
    // equal lines follow the number line as text, then the next lines. Every block keeps its
    // lines under its new key; lines outside the blocks go.
    void sorts_data() {
        QTest::addColumn<QList<QStringList>>("blocs");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QList<int>>("ordre");
        const QList<QStringList> villes = {
            lot("10003", "A", "75001", "Paris"), lot("10002", "B", "69001", "lyon"),
            lot("9", "C", "69002", "Lyon"), lot("10001", "D", "69003", "LYON"),
            lot("10004", "E", "74000", "Annecy")};
        QTest::newRow("town, case aside, ties by number as text")
            << villes << int(Lot::Ville) << QList<int>{4, 3, 1, 2, 0};
        QTest::newRow("postal code as text")
            << QList<QStringList>{lot("1", "", "75005", ""), lot("2", "", "7500", ""),
                                  lot("3", "", "69001", ""), lot("4", "", "08000", "")}
            << int(Lot::CodePostal) << QList<int>{3, 2, 1, 0};
        QTest::newRow("accented names in French order")
            << QList<QStringList>{lot("1", "Zoé", "", ""), lot("2", "Émile", "", ""),
                                  lot("3", "eric", "", ""), lot("4", "Eve", "", ""),
                                  lot("5", "Ébène", "", "")}
            << int(Lot::Designation) << QList<int>{4, 1, 2, 3, 0};
        QTest::newRow("same line and number: the next lines decide")
            << QList<QStringList>{{"10001", "Studio", "rue B"},
                                  {"10001", "Studio", "rue a"},
                                  {"10001", "Studio"}}
            << int(Lot::Designation) << QList<int>{2, 1, 0};
        QTest::newRow("one block") << QList<QStringList>{lot("10001", "Studio", "", "")}
                                   << int(Lot::Ville) << QList<int>{0};
    }
    void sorts() {
        QFETCH(QList<QStringList>, blocs);
        QFETCH(int, ligne);
        QFETCH(QList<int>, ordre);
        TListeBase base = baseDe(blocs);
        trie(base, ligne);
        QCOMPARE(base.nb(), int(blocs.size()));
        qsizetype lignes = 0;
        for (int cle = 0; cle < ordre.size(); ++cle) {
            QCOMPARE(base.read(cle, 20, 99).champs.mid(0, blocs[ordre[cle]].size()),
                     blocs[ordre[cle]]);
            lignes += blocs[ordre[cle]].size() + 2;
        }
        QCOMPARE(base.lineCount(), lignes);
        QCOMPARE(base.line(0), TListeBase::openingLine(0));
        QVERIFY(!base.verif());
    }

    // A sort carries every line of a block: a history of three rows and a memo longer than a
    // tag still read back whole on the page, which shows the record now at its key.
    void sortKeepsHistoryAndMemo() {
        TFiche dossier;
        TListeBase& lots = dossier.base(Base::Lots);
        const QString longue = QString(300, u'x') + "fin";
        QStringList avecHistorique = fiche(Base::Lots, "10001", {{Lot::Ville, "Rouen"}});
        avecHistorique << TListeBase::lignesMemo({"Première ligne", longue})
                       << "DATA01/01/2024\tLoyer\t 500,00"
                       << "DATA01/02/2024\tLoyer\t 500,00"
                       << "DATA01/03/2024\tRégularisation\t 42,10";
        remplit(dossier, Base::Lots,
                {avecHistorique, fiche(Base::Lots, "10002", {{Lot::Ville, "Annecy"}})});
        lots.allerA(1);
        dossier.page(Base::Lots)->lit();
        QVERIFY(!dossier.dossierModifie());

        dossier.Trie(Tri::Trier3, 2);
        QVERIFY(dossier.dossierModifie());
        QCOMPARE(lots.read(0, 1, 2).champs, QStringList("10002"));
        TPageEnregistrement* page = dossier.pageFiche(Base::Lots);
        QCOMPARE(page->champ(Lot::Numero), QString("10001"));
        QCOMPARE(page->lignesMemo().join(""), "Première ligne" + longue);
        QCOMPARE(page->grille().lignes().value(2).value(1), QString("Régularisation"));
        QVERIFY(page->grille().lignes().value(3).join("").isEmpty());
        const qsizetype at = lots.find(1);
        QCOMPARE(lots.lines().mid(at + 1, avecHistorique.size()), avecHistorique);
        QCOMPARE(lots.line(at + 1 + avecHistorique.size()), TListeBase::closingLine(1));
    }

    // "OK" with no criterion chosen, or a sort asked on a page it does not act on, changes
    // nothing.
    void sortWithoutChoice() {
        TFiche dossier;
        dossierEssai(dossier);
        dossier.AffichePage(Base::Locataires);
        dossier.base(Base::Locataires).allerA(0);
        dossier.page(Base::Locataires)->lit();
        const QStringList avant = dossier.base(Base::Locataires).lines();
        dossier.Trie(Tri::Trier, -1);
        dossier.Trie(Tri::Trier3, 0);
        QCOMPARE(dossier.base(Base::Locataires).lines(), avant);
        QVERIFY(!dossier.dossierModifie());
        dossier.Trie(Tri::Trier, 0);
        QCOMPARE(dossier.base(Base::Locataires).read(1, 2, 3).champs.value(1), QString("DUPUIS"));
        QCOMPARE(dossier.pageFiche(Base::Locataires)->champ(Locataire::NomSoc), QString("Dupont"));
    }
};

QTEST_GUILESS_MAIN(TestRechercheTri)
#include "tst_recherchetri.moc"
