#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/purchasing/calculcommande.h"
#include "core/purchasing/descriptioncommande.h"
#include "core/records/fournisseur.h"
#include "core/records/tpageenregistrement.h"

#include <QSignalSpy>
#include <QTest>

namespace {

using C = ChampDocument;
using namespace ColonneCommande;

// A supplier block: code, name, two address lines, postal code and town.
QStringList blocFournisseur(int cle, const QString& code, const QString& nom) {
    QStringList lignes{
        TListeBase::openingLine(cle), code, "Bâtiment", nom, "3 rue Haute", "", "69002", "Lyon"};
    while (lignes.size() <= Fournisseur::description().nbChamps())
        lignes << QString();
    lignes << TListeBase::closingLine(cle);
    return lignes;
}

// Suppliers 100010 and 10001, in that order.
TListeBase fournisseurs() {
    TListeBase base;
    base.assign(blocFournisseur(0, "100010", "Durand") + blocFournisseur(1, "10001", "Bernard"));
    return base;
}

TContextePage contexteCommandes() {
    TContextePage c;
    c.tauxTVA = [] { return std::array<double, 3>{19.6, 5.5, 0}; };
    return c;
}

// An order for supplier 10001 with a line at each of the first two rates.
void remplit(TPageDocument& page) {
    page.saisitChamp(C::Fournisseur, "10001");
    page.saisitChamp(C::Adresse1, "Bernard");
    page.saisitChamp(C::Adresse4, "69002 Lyon");
    const QStringList lignes[] = {{"P12", "Porte", "2", "100", "10", "", ""},
                                  {"", "Main d'oeuvre", "3 h", "40", "", "", "2"}};
    for (int ligne = 0; ligne < 2; ++ligne) {
        for (int c = 0; c < NbColonnes; ++c)
            if (!lignes[ligne][c].isEmpty())
                page.saisitCellule(ligne, c, lignes[ligne][c]);
        page.finLigne(ligne);
    }
}

} // namespace

class TestPageCommande : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2003, 5, 20), QTime(9, 0))};
    TContextePage m_contexte = contexteCommandes();

private slots:
    void numbering_data() {
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<int>("attendu");
        QTest::newRow("no order yet") << QStringList() << 200305001;
        QTest::newRow("an order of the month") << QStringList{"200305007"} << 200305008;
        QTest::newRow("an older order") << QStringList{"200304015"} << 200305001;
        QTest::newRow("a later month goes on")
            << QStringList{"200306002", "200305003"} << 200306003;
        QTest::newRow("a number with blanks") << QStringList{" 200305004 "} << 200305005;
    }
    void numbering() {
        QFETCH(QStringList, numeros);
        QFETCH(int, attendu);
        TListeBase base;
        QStringList lignes;
        for (int cle = 0; cle < numeros.size(); ++cle)
            lignes << TListeBase::openingLine(cle) << "NUMC" + numeros[cle]
                   << TListeBase::closingLine(cle);
        base.assign(lignes);
        base.allerA(base.nb());
        TPageDocument page(Documents::commande(), base, m_contexte);
        QCOMPARE(page.numero(), attendu);
        page.lit();
        QCOMPARE(page.champ(C::Numero), QString::number(attendu));
    }

    void aNumberThatIsNotWholeStopsANewOrder() {
        TListeBase base;
        base.assign({TListeBase::openingLine(0), "NUMC2003A", TListeBase::closingLine(0)});
        TPageDocument page(Documents::commande(), base, m_contexte);
        try {
            page.Cree();
            QFAIL("no message");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("'2003A' n'est pas une valeur entière correcte"));
        }
    }

    // The block as stored, and the page it reads back into.
    void storeAndRead() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.setReglements({"A réception", "Réglement à 30 jours"});
        page.lit();
        remplit(page);
        page.saisitChamp(C::Reglement, "Réglement à 30 jours");
        page.saisitMemo("Livraison le matin\nSonner deux fois");
        QCOMPARE(page.lignes(), 2);
        QVERIFY(page.ecrit());
        const auto aligne = [this](const QString& t, int largeur) {
            return Rset(t, largeur, m_contexte.mesure);
        };
        const QStringList attendu = {
            "<BLOC0000>",
            "NUMC200305001",
            "20/05/2003",
            "10001",
            "Réglement à 30 jours",
            "Bernard",
            "",
            "",
            "69002 Lyon",
            "TTCN",
            "N",
            "CMDEP12\tPorte\t" + aligne("2", 80) + '\t' + aligne("100,00", 90) + "\t10\t" +
                aligne("180,00", 90) + "\t1",
            "CMDE\tMain d'oeuvre\t" + aligne("3 h", 80) + '\t' + aligne("40,00", 90) + "\t\t" +
                aligne("120,00", 90) + "\t2",
            "MEMOLivraison le matin",
            "MEMOSonner deux fois",
            "</BLOC0000>"};
        QCOMPARE(base.lines(), attendu);
        QCOMPARE(page.totaux().texteHT, QString("300,00"));
        QCOMPARE(page.totaux().texteTVA, QString("41,88"));
        QCOMPARE(page.totaux().texteTTC, QString("341,88"));

        TPageDocument relue(Documents::commande(), base, m_contexte);
        relue.lit();
        for (int c = 0; c < NbChampsDocument; ++c)
            QCOMPARE(relue.champ(ChampDocument(c)), page.champ(ChampDocument(c)));
        QCOMPARE(relue.grille().ligne(1), page.grille().ligne(1));
        QCOMPARE(relue.lignes(), 3);
        QCOMPARE(relue.memo(), page.memo());
        QCOMPARE(relue.statut(), QString("Cmde non validée"));
        QVERIFY(!relue.modifie());
    }

    void taxIncludedIsStoredAndRead() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        page.saisitTTC(true);
        QCOMPARE(page.grille().headerData(Montant, Qt::Horizontal).toString(),
                 QString("Montant TTC"));
        QCOMPARE(page.totaux().texteTTC, QString("300,00"));
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(9), QString("TTCY"));
        TPageDocument relue(Documents::commande(), base, m_contexte);
        relue.lit();
        QVERIFY(relue.ttc());
        QCOMPARE(relue.totaux().texteTTC, QString("300,00"));
    }

    // An incomplete order is not stored: no supplier, no number, or no designation.
    // An edited order that cannot be stored is not stored, and says why first.
    void incompleteOrders_data() {
        QTest::addColumn<int>("manque");
        QTest::addColumn<QString>("raison");
        QTest::newRow("supplier") << int(C::Fournisseur) << "il n'a pas de code fournisseur";
        QTest::newRow("number") << int(C::Numero) << "il n'a pas de numéro";
        QTest::newRow("designations") << -1 << "aucune ligne n'a de désignation";
    }
    void incompleteOrders() {
        QFETCH(int, manque);
        QFETCH(QString, raison);
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        if (manque >= 0)
            page.saisitChamp(ChampDocument(manque), "");
        else
            for (int ligne = 0; ligne < 2; ++ligne)
                page.saisitCellule(ligne, Designation, "");
        QVERIFY(!page.estValide());
        try {
            page.ecrit();
            QFAIL("dropped without a word");
        } catch (const EditionNonEnregistree& e) {
            QCOMPARE(e.message(),
                     "Ce document ne sera pas enregistré : " + raison + ". L'abandonner ?");
            e.abandonne();
        }
        QVERIFY(!page.ecrit());
        QCOMPARE(base.lineCount(), 0);
    }

    // Enter gives the default code, and goes down while fewer than 20 rows are in use.
    void enterInTheGrid() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        page.saisitCellule(0, Designation, "Vis");
        page.saisitCellule(0, Quantite, "4.5");
        QCOMPARE(page.grille().cellule(0, Quantite), QString("4,5"));
        QCOMPARE(page.finLigne(0), 1);
        QCOMPARE(page.grille().cellule(0, Tva), QString("1"));
        QCOMPARE(page.finLigne(19), 19);
        QCOMPARE(page.lignes(), 20);
    }

    void deleteALine() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        page.SupLigne1(0);
        QCOMPARE(page.lignes(), 2); // out of the grid, nothing deleted
        page.entreGrille();
        page.SupLigne1(0);
        QCOMPARE(page.lignes(), 1);
        QCOMPARE(page.grille().cellule(0, Designation), QString("Main d'oeuvre"));
        QCOMPARE(page.totaux().texteHT, QString("120,00"));
    }

    // The code picked fills the coordinates of the supplier whose code it is, not of one whose
    // code begins with it.
    void pickASupplier() {
        TListeBase base;
        TListeBase liste = fournisseurs();
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        page.choisitTiers("10001", liste);
        QCOMPARE(page.champ(C::Adresse1), QString("Bernard"));
        QCOMPARE(page.champ(C::Adresse2), QString("3 rue Haute"));
        QCOMPARE(page.champ(C::Adresse4), QString("69002 Lyon"));
        QVERIFY(page.modifie());
    }

    void validationPostsIntoTheSupplierWithThatCode() {
        TListeBase base;
        TListeBase liste = fournisseurs();
        TPageEnregistrement fiches(Fournisseur::description(), liste, m_contexte);
        fiches.lit();
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        QSignalSpy stockee(&page, &TPageDocument::stockee);
        QVERIFY(page.Valider(fiches));
        QCOMPARE(page.statut(), QString("Cmde validée"));
        QVERIFY(page.grille().figee());
        QCOMPARE(base.line(10), QString("Y"));
        QCOMPARE(liste.courant(), 1);
        const TBlocLu bernard = liste.read(1, 22, 23);
        QCOMPARE(bernard.tags.size(), 1);
        QCOMPARE(bernard.tags[0].valeur.section('\t', 0, 1),
                 QString("20/05/2003\tCommande 200305001"));
        QCOMPARE(bernard.tags[0].valeur.section('\t', 2).trimmed(), QString("341,88"));
        QVERIFY(liste.read(0, 22, 23).tags.isEmpty());
        QCOMPARE(stockee.count(), 2);
        QVERIFY(!page.Valider(fiches));

        TPageDocument relue(Documents::commande(), base, m_contexte);
        relue.lit();
        QCOMPARE(relue.statut(), QString("Commande validée"));
        QVERIFY(relue.grille().figee());
    }

    void anOrderOfAnUnknownSupplierIsFrozenWithoutPosting() {
        TListeBase base;
        TListeBase liste = fournisseurs();
        TPageEnregistrement fiches(Fournisseur::description(), liste, m_contexte);
        fiches.lit();
        const QStringList avant = liste.lines();
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        page.saisitChamp(C::Fournisseur, "1000");
        QVERIFY(page.Valider(fiches));
        QVERIFY(page.validee());
        QCOMPARE(liste.lines(), avant);
    }

    // Texts the order file cannot hold are refused where they are typed; a cell, stored after
    // its tag, may look like a block's line; a TAB or a line break in a cell becomes a blank.
    void hostileTexts() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        for (const QString& texte :
             {QString("<BLOC0001>"), QString("</BLOC0000>"), QString::fromUtf8("\u0141ódź")}) {
            QVERIFY_THROWS_EXCEPTION(UserError, page.saisitChamp(C::Adresse1, texte));
        }
        QVERIFY_THROWS_EXCEPTION(UserError,
                                 page.saisitCellule(0, Designation, QString::fromUtf8("Łódź")));
        page.saisitCellule(1, Designation, "</BLOC0000>");
        QCOMPARE(page.grille().cellule(1, Designation), QString("</BLOC0000>"));
        QVERIFY_THROWS_EXCEPTION(UserError, page.saisitMemo(QString::fromUtf8("ok\nŁódź")));
        QCOMPARE(page.champ(C::Adresse1), QString());
        QCOMPARE(page.grille().cellule(0, Designation), QString());
        page.saisitCellule(0, Designation, "Porte\tbois\nchêne");
        QCOMPARE(page.grille().cellule(0, Designation), QString("Porte bois chêne"));
    }

    void searchCopyAndPaste() {
        TListeBase base;
        TPageDocument page(Documents::commande(), base, m_contexte);
        page.lit();
        remplit(page);
        page.Cree();
        QCOMPARE(base.nb(), 1);
        QCOMPARE(base.courant(), 1);
        QCOMPARE(page.champ(C::Numero), QString("200305002"));
        QVERIFY(page.Cherche("200305001"));
        QCOMPARE(page.champ(C::Adresse1), QString("Bernard"));
        QVERIFY(!page.Cherche("2003"));
        page.Copier();
        page.Cree();
        page.Coller();
        QCOMPARE(page.champ(C::Fournisseur), QString("10001"));
        QCOMPARE(page.champ(C::Adresse1), QString());
        QCOMPARE(page.champ(C::Adresse4), QString("69002 Lyon"));
        QCOMPARE(page.champ(C::Numero), QString("200305002"));
    }
};

QTEST_GUILESS_MAIN(TestPageCommande)
#include "tst_pagecommande.moc"
