#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"
#include "documentsessai.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A tenant block: number, name, address lines, rent 450, charges 50, APL 100.
QStringList blocLocataire(int cle, const QString& numero, const QString& nom) {
    QStringList lignes{TListeBase::openingLine(cle), numero, nom};
    for (int ligne = 3; ligne <= 26; ++ligne) {
        switch (ligne) {
        case Locataire::Adresse:
            lignes << "12 rue des Lilas";
            break;
        case Locataire::CodePostal:
            lignes << "75005";
            break;
        case Locataire::Ville:
            lignes << "Paris";
            break;
        case Locataire::LoyerActuel:
            lignes << "   450,00";
            break;
        case Locataire::ChargesActuelles:
            lignes << "    50,00";
            break;
        case Locataire::Apl:
            lignes << "   100,00";
            break;
        default:
            lignes << QString();
        }
    }
    lignes << "DATA05/11/2026\tLoyer Novembre 2026\t   400,00" << TListeBase::closingLine(cle);
    return lignes;
}

// Tenants 10010, 1001 and A7, in that order.
TListeBase locataires() {
    TListeBase base;
    base.assign(blocLocataire(0, "10010", "Martin") + blocLocataire(1, "1001", "Dupré") +
                blocLocataire(2, "A7", "Petit"));
    return base;
}

QStringList rangees(const TPageDocument& page) {
    QStringList r;
    for (int ligne = 0; ligne < page.grille().rowCount(); ++ligne) {
        const QString d = page.grille().cellule(ligne, 0);
        const QString m = page.grille().cellule(ligne, 1);
        if (!d.isEmpty() || !m.isEmpty())
            r << d + '|' + m.trimmed();
    }
    return r;
}

// A receipt for `numero` with the lines of rent 450, charges 50, APL 100.
void prepare(TPageDocument& page, const QString& numero) {
    TCarteTiers carte{numero,
                      {"Dupré", "12 rue des Lilas", "", "75005 Paris"},
                      {"450,00", "50,00", "", "100,00"}};
    page.CreePour(carte);
}

} // namespace

class TestActionsDocument : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void newForATenant_data() {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<TMontantsLoyer>("montants");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<int>("nbLignes");
        QTest::addColumn<QString>("euros");
        QTest::addColumn<QString>("francs");
        const QStringList avecApl = {"Loyer mensuel|450,00", "Provision pour charges|50,00",
                                     "APL|-100,00"};
        const QStringList avecTaxes = {"Loyer mensuel|450,00", "Provision pour charges|50,00",
                                       "Taxe Additionnelle|30,00", "APL|-100,00"};
        QTest::newRow("receipt, rent, charges and APL")
            << "quittance" << TMontantsLoyer{"450,00", "50,00", "", "100,00"} << avecApl << 3
            << "400,00"
            << "2623,83";
        QTest::newRow("receipt with taxes")
            << "quittance" << TMontantsLoyer{"450,00", "50,00", "30,00", "100,00"} << avecTaxes << 4
            << "430,00"
            << "2820,62";
        QTest::newRow("amounts aligned on the card")
            << "quittance" << TMontantsLoyer{"   450,00", "    50,00", "  ", "   100,00"} << avecApl
            << 3 << "400,00"
            << "2623,83";
        QTest::newRow("rent and charges only")
            << "quittance" << TMontantsLoyer{"600", "60", "", ""}
            << QStringList{"Loyer mensuel|600,00", "Provision pour charges|60,00"} << 3 << "660,00"
            << "4329,32";
        QTest::newRow("notice with taxes")
            << "avis" << TMontantsLoyer{"450,00", "50,00", "30,00", "100,00"} << avecTaxes << 4
            << "430,00"
            << "2820,62";
        QTest::newRow("payment receipt")
            << "reçu" << TMontantsLoyer{"450,00", "50,00", "30,00", "100,00"} << QStringList() << 0
            << "0,00"
            << "0,00";
    }
    void newForATenant() {
        QFETCH(QString, sorte);
        QFETCH(TMontantsLoyer, montants);
        QFETCH(QStringList, lignes);
        QFETCH(int, nbLignes);
        QFETCH(QString, euros);
        QFETCH(QString, francs);
        TListeBase base;
        TPageDocument page(*::sorte(sorte), base, contexte);
        page.lit();
        page.CreePour({"10001", {"Dupré", "12 rue des Lilas", "", "75005 Paris"}, montants});
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202612001"));
        QCOMPARE(page.champ(ChampDocument::Locataire), QString("10001"));
        QCOMPARE(page.champ(ChampDocument::Adresse1), QString("Dupré"));
        QCOMPARE(page.champ(ChampDocument::Adresse4), QString("75005 Paris"));
        QCOMPARE(page.date(ChampDocument::Date), QDate(2026, 12, 10));
        QVERIFY(!page.validee());
        QVERIFY(page.modifie());
        QCOMPARE(rangees(page), lignes);
        QCOMPARE(page.lignes(), nbLignes);
        QCOMPARE(page.totalEuros(), euros);
        QCOMPARE(page.totalFrancs(), francs);
        // Amounts right-aligned to 90 pixels.
        if (nbLignes > 0)
            QCOMPARE(page.grille().cellule(0, 1).size(), 14);
    }

    // Créer takes the next key of a dense base, from key 0 on an empty one; the key is taken
    // only once the new document is stored.
    void creeKeepsKeysDense() {
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        page.Cree();
        QCOMPARE(base.courant(), 0);
        page.Cree();
        QCOMPARE(base.courant(), 0);
        prepare(page, "10001");
        QCOMPARE(base.courant(), 0);
        page.Cree();
        QCOMPARE(base.nb(), 1);
        QCOMPARE(base.courant(), 1);
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202612002"));
        prepare(page, "10002");
        QVERIFY(page.ecrit());
        QCOMPARE(base.nb(), 2);
        QCOMPARE(base.find(0), 0);
        QVERIFY(!base.verif());
    }

    void creeOnAFullBase() {
        TListeBase base;
        QStringList lignes;
        for (int cle = 0; cle < TListeBase::MaxBlocs; ++cle)
            lignes << TListeBase::openingLine(cle) << TListeBase::closingLine(cle);
        base.assign(lignes);
        TPageDocument page(Documents::avis(), base, contexte);
        try {
            page.Cree();
            QFAIL("a full base takes no new document");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Le fichier est plein"));
        }
        QCOMPARE(base.courant(), 0);
    }

    // The sequence of a month has three digits: after its 999th document a month makes no
    // other, rather than a number that reads as the next month's.
    void creeAfterTheMonthsLastNumber() {
        TListeBase base;
        base.assign({TListeBase::openingLine(0), "NUMQ202612999", TListeBase::closingLine(0)});
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        try {
            page.Cree();
            QFAIL("a number past 999 in the month was made");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Plus de numéro libre après 202612999 : le rang dans le "
                                          "mois n'a que trois chiffres (999 documents par mois au "
                                          "plus)"));
        }
        QCOMPARE(base.nb(), 1);
        QCOMPARE(base.courant(), 0);
    }

    // The tenant is found by its whole number, whatever the letter case: a receipt for 1001
    // never reaches tenant 10010.
    void validation_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<int>("cle"); // the tenant posted to, -1 for none
        QTest::newRow("whole number") << "1001" << 1;
        QTest::newRow("letter case") << "a7" << 2;
        QTest::newRow("the start of a number") << "100" << -1;
        QTest::newRow("no such tenant") << "2002" << -1;
    }
    void validation() {
        QFETCH(QString, numero);
        QFETCH(int, cle);
        TListeBase base;
        TListeBase tenants = locataires();
        const QStringList avant = tenants.lines();
        TPageEnregistrement carte(Locataire::description(), tenants, contexte);
        carte.lit();
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        prepare(page, numero);
        QSignalSpy stockee(&page, &TPageDocument::stockee);

        QVERIFY(page.Valider(carte));
        QVERIFY(page.validee());
        QCOMPARE(page.statut(), QString("Quittance validée"));
        QVERIFY(page.grille().figee());
        QVERIFY(!(page.grille().flags(page.grille().index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!page.modifie());
        QCOMPARE(base.line(base.find(0) + 12), QString("Y"));
        QVERIFY(!stockee.isEmpty());

        if (cle < 0) {
            QCOMPARE(tenants.lines(), avant);
            QCOMPARE(carte.champ(Locataire::NomSoc), QString("Martin"));
        } else {
            QCOMPARE(tenants.courant(), cle);
            QCOMPARE(carte.champ(Locataire::Numero), tenants.line(tenants.find(cle) + 1));
            QCOMPARE(carte.grille().cellule(1, 0), QString("10/12/2026"));
            QCOMPARE(carte.grille().cellule(1, 1), QString("Loyer Décembre 2026"));
            QCOMPARE(carte.grille().cellule(1, 2).trimmed(), QString("400,00"));
            const qsizetype fin = tenants.find(cle) + 28;
            QVERIFY(tenants.line(fin).startsWith("DATA10/12/2026\tLoyer Décembre 2026\t "));
            QCOMPARE(tenants.line(fin + 1), TListeBase::closingLine(cle));
            for (int autre = 0; autre < 3; ++autre)
                if (autre != cle)
                    QCOMPARE(tenants.line(tenants.find(autre) + 28),
                             TListeBase::closingLine(autre));
        }

        // Validation is one-way and posts once.
        const QStringList apres = tenants.lines();
        QVERIFY(!page.Valider(carte));
        QCOMPARE(tenants.lines(), apres);
    }

    // A receipt that cannot be stored (here, without any line) is not validated, posts
    // nothing and says why; a tenant whose history is full neither.
    void validationRefused() {
        TListeBase base;
        TListeBase tenants = locataires();
        const QStringList avant = tenants.lines();
        TPageEnregistrement carte(Locataire::description(), tenants, contexte);
        carte.lit();
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        page.saisitChamp(ChampDocument::Locataire, "1001");
        try {
            page.Valider(carte);
            QFAIL("a receipt without any line validated");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("Ce document ne peut pas être validé : aucune ligne "
                                          "n'a de désignation."));
        }
        QVERIFY(!page.validee());
        QCOMPARE(tenants.lines(), avant);
        // The refused receipt is given up.
        page.lit();

        QStringList plein = blocLocataire(0, "1001", "Dupré");
        for (int i = 1; i < 127; ++i)
            plein.insert(plein.size() - 1, "DATA05/11/2026\tLoyer\t   400,00");
        tenants.assign(plein);
        prepare(page, "1001");
        try {
            page.Valider(carte);
            QFAIL("a full history takes no rent");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("L'historique du locataire 1001 est plein"));
        }
        QVERIFY(!page.validee());
        QCOMPARE(base.lineCount(), 0);
    }

    // An edited receipt that cannot be stored is never dropped without a word: storing it
    // stops with the reason; given up, it is not stored and the page is no longer edited.
    void notStoredSaysWhy_data() {
        QTest::addColumn<int>("champ"); // the field emptied, -1 for the designations
        QTest::addColumn<QString>("raison");
        QTest::newRow("tenant number emptied")
            << int(ChampDocument::Locataire) << "il n'a pas de numéro de locataire";
        QTest::newRow("number emptied") << int(ChampDocument::Numero) << "il n'a pas de numéro";
        QTest::newRow("designations emptied") << -1 << "aucune ligne n'a de désignation";
    }
    void notStoredSaysWhy() {
        QFETCH(int, champ);
        QFETCH(QString, raison);
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        prepare(page, "1001");
        if (champ < 0)
            for (int ligne = 0; ligne < page.lignes(); ++ligne)
                page.saisitCellule(ligne, TGrilleDocument::Designation, "");
        else
            page.saisitChamp(ChampDocument(champ), "");
        try {
            page.ecrit();
            QFAIL("dropped without a word");
        } catch (const EditionNonEnregistree& e) {
            QCOMPARE(e.message(),
                     "Ce document ne sera pas enregistré : " + raison + ". L'abandonner ?");
            QVERIFY(page.modifie());
            e.abandonne();
        }
        QVERIFY(!page.modifie());
        QVERIFY(!page.ecrit());
        QCOMPARE(base.lineCount(), 0);
    }

    // A document the user typed nothing into since it was made loses nothing of the user's:
    // a payment receipt made for a tenant, without a line, is not stored, without a question.
    void untouchedDocumentNotStored() {
        TListeBase base;
        TPageDocument page(Documents::recu(), base, contexte);
        page.lit();
        prepare(page, "1001");
        QVERIFY(page.modifie());
        QVERIFY(!page.ecrit());
        QCOMPARE(base.lineCount(), 0);
    }

    // A validated receipt keeps its lines: the grid takes no edit, no line goes, and picking a
    // tenant changes the header only. The header stays editable and is stored.
    void validatedReceiptIsFrozen() {
        TListeBase base;
        TListeBase tenants = locataires();
        TPageEnregistrement carte(Locataire::description(), tenants, contexte);
        carte.lit();
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        prepare(page, "1001");
        page.saisitCellule(1, TGrilleDocument::Montant, "60");
        QVERIFY(page.Valider(carte));
        const QStringList lignes = rangees(page);

        page.saisitCellule(0, TGrilleDocument::Designation, "Autre");
        QVERIFY(!page.grille().setData(page.grille().index(0, 1), "1"));
        page.entreGrille();
        page.SupLigne1(0);
        page.choisitTiers("A7", tenants);
        QCOMPARE(rangees(page), lignes);
        QCOMPARE(page.totalEuros(), QString("410,00"));
        QCOMPARE(page.champ(ChampDocument::Locataire), QString("A7"));
        QCOMPARE(page.champ(ChampDocument::Adresse1), QString("Petit"));
        QVERIFY(page.ecrit());
        QCOMPARE(base.line(base.find(0) + 3), QString("A7"));
        QCOMPARE(base.line(base.find(0) + 12), QString("Y"));
    }

    // The "..." beside the tenant number fills the coordinates and the rent lines of the
    // tenant picked, replacing those shown.
    void pickATenant() {
        TListeBase base;
        const TListeBase tenants = locataires();
        TPageDocument page(Documents::avis(), base, contexte);
        page.lit();
        page.saisitCellule(0, TGrilleDocument::Designation, "Régularisation");
        page.saisitCellule(5, TGrilleDocument::Designation, "Frais de relance");
        page.choisitTiers("1001", tenants);
        QCOMPARE(page.champ(ChampDocument::Adresse1), QString("Dupré"));
        QCOMPARE(page.champ(ChampDocument::Adresse2), QString("12 rue des Lilas"));
        QCOMPARE(page.champ(ChampDocument::Adresse4), QString("75005 Paris"));
        QCOMPARE(rangees(page), QStringList({"Loyer mensuel|450,00", "Provision pour charges|50,00",
                                             "APL|-100,00"}));
        QCOMPARE(page.totalEuros(), QString("400,00"));

        page.choisitTiers("10", tenants);
        QCOMPARE(page.champ(ChampDocument::Locataire), QString("10"));
        QCOMPARE(page.champ(ChampDocument::Adresse1), QString("Dupré"));
        QVERIFY(page.modifie());
    }

    // The search looks for the number under the kind's own tag: an invoice numbered like a
    // payment receipt is not found by the payment-receipt search.
    void search_data() {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("cle");
        QTest::newRow("receipt") << "quittance"
                                 << "202612002" << QString() << 1;
        QTest::newRow("part of a number") << "quittance"
                                          << "2026" << QString() << -1;
        QTest::newRow("invoice by the payment-receipt search") << "reçu"
                                                               << "202612001" << QString() << -1;
        QTest::newRow("invoice by its own tag") << "reçu"
                                                << "202612001"
                                                << "NUMF" << 0;
    }
    void search() {
        QFETCH(QString, sorte);
        QFETCH(QString, numero);
        QFETCH(QString, tag);
        QFETCH(int, cle);
        TListeBase base;
        TPageDocument page(*::sorte(sorte), base, contexte);
        page.lit();
        if (sorte == "reçu") {
            page.saisitChamp(ChampDocument::Sorte, "Facture");
            page.saisitCellule(0, TGrilleDocument::Designation, "Travaux de peinture");
        } else {
            prepare(page, "10001");
            page.Cree();
            prepare(page, "10002");
        }
        QVERIFY(page.ecrit());
        page.Cree();
        const int avant = base.courant();
        QCOMPARE(page.Cherche(numero, tag), cle >= 0);
        QCOMPARE(base.courant(), cle >= 0 ? cle : avant);
        if (cle >= 0)
            QCOMPARE(page.champ(ChampDocument::Numero), numero);
    }

    // A payment receipt: its kind gives its tag, its total is also in words, it needs no payer
    // and its numbering counts the receipts of kind Reçu only.
    void paymentReceipt() {
        TListeBase base;
        TPageDocument page(Documents::recu(), base, contexte);
        page.lit();
        page.saisitChamp(ChampDocument::Sorte, "Facture");
        page.saisitCellule(0, TGrilleDocument::Designation, "Travaux");
        page.saisitCellule(0, TGrilleDocument::Montant, "1234,5");
        QCOMPARE(page.totalEuros(), QString("1234,50"));
        QCOMPARE(page.totalFrancs(), QString("8097,79"));
        QCOMPARE(page.enLettres(), QString("Mille deux cent trente quatre Euros -  cinquante Cts"));
        page.saisitMemo("rien");
        QVERIFY(page.ecrit());
        QCOMPARE(base.lines(),
                 QStringList({"<BLOC0000>", "NUMF202612001", "10/12/2026", "", "Espèces", "Facture",
                              "", "", "", "", "FACTTravaux\t" + aligne("1234,50"), "</BLOC0000>"}));
        page.Cree();
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202612001"));
        QCOMPARE(page.champ(ChampDocument::Sorte), QString("Reçu"));
        QCOMPARE(page.enLettres(), QString("Zéro Euros -  zéro Cts"));
    }

    // On a notice, Coller gives a new number and the copied header, "au" from "au".
    void copyAndPaste() {
        TListeBase base;
        TPageDocument page(Documents::avis(), base, contexte);
        page.lit();
        prepare(page, "10001");
        page.saisitDate(ChampDocument::Du, QDate(2026, 11, 16));
        page.saisitDate(ChampDocument::Au, QDate(2026, 11, 30));
        page.saisitChamp(ChampDocument::Adresse3, "Bâtiment B");
        page.Copier();
        page.Cree();
        page.Coller();
        QVERIFY(page.modifie());
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202612002"));
        QCOMPARE(page.champ(ChampDocument::Locataire), QString("10001"));
        QCOMPARE(page.champ(ChampDocument::Du), QString("16/11/2026"));
        QCOMPARE(page.champ(ChampDocument::Au), QString("30/11/2026"));
        QCOMPARE(page.champ(ChampDocument::Adresse3), QString("Bâtiment B"));
        QCOMPARE(page.lignes(), 0);

        // A clipboard never filled pastes an empty date, which stops the paste there.
        TPageDocument autre(Documents::avis(), base, contexte);
        autre.lit();
        QSignalSpy relue(&autre, &TPageDocument::relue);
        try {
            autre.Coller();
            QFAIL("an empty date is no date");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("'' n'est pas une date correcte"));
        }
        QCOMPARE(relue.size(), 1);
        QCOMPARE(autre.champ(ChampDocument::Numero), QString("202612002"));
        QVERIFY(autre.modifie());
    }

    // Supprimer ligne acts while the grid has the focus, on a row in use: the rows below move
    // up and the totals follow.
    void supLigne() {
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        prepare(page, "10001");
        page.SupLigne1(0);
        QCOMPARE(page.lignes(), 3);
        page.entreGrille();
        page.SupLigne1(3);
        QCOMPARE(page.lignes(), 3);
        page.SupLigne1(1);
        QCOMPARE(rangees(page), QStringList({"Loyer mensuel|450,00", "APL|-100,00"}));
        QCOMPARE(page.lignes(), 2);
        QCOMPARE(page.totalEuros(), QString("350,00"));
        QSignalSpy active(&page, &TPageDocument::grilleActiveChange);
        page.lit();
        QCOMPARE(active.size(), 1);
        QVERIFY(!page.grilleActive());
    }
};

QTEST_GUILESS_MAIN(TestActionsDocument)
#include "tst_actionsdocument.moc"
