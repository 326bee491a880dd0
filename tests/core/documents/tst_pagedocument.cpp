#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "documentsessai.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList blocQuittance(int cle, const QString& numero, const QString& valide = "N") {
    return {TListeBase::openingLine(cle),
            "NUMQ" + numero,
            "07/03/2026",
            "10001",
            "Virement",
            "Mars 2026",
            "01/03/2026",
            "31/03/2026",
            "Dupré",
            "12 rue des Lilas",
            "",
            "75005 Paris",
            valide,
            "QUITLoyer mensuel\t" + aligne("450,00"),
            "QUITAPL\t" + aligne("-100,00"),
            "MEMOmerci",
            TListeBase::closingLine(cle)};
}

} // namespace

class TestPageDocument : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void blankDocument_data() {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("statut");
        QTest::newRow("receipt") << "quittance"
                                 << "Chèque"
                                 << ""
                                 << "Quittance non validée";
        QTest::newRow("notice") << "avis"
                                << ""
                                << ""
                                << "";
        QTest::newRow("payment receipt") << "reçu"
                                         << "Espèces"
                                         << "Reçu"
                                         << "";
    }
    void blankDocument() {
        QFETCH(QString, sorte);
        QFETCH(QString, mode);
        QFETCH(QString, type);
        QFETCH(QString, statut);
        TListeBase base;
        TPageDocument page(*::sorte(sorte), base, contexte);
        page.lit();
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202612001"));
        QCOMPARE(page.date(ChampDocument::Date), QDate(2026, 12, 10));
        QCOMPARE(page.champ(ChampDocument::Locataire), QString());
        if (page.description().a(ChampDocument::Mois)) {
            QCOMPARE(page.champ(ChampDocument::Mois), QString("Décembre 2026"));
            QCOMPARE(page.liste(ChampDocument::Mois).size(), 8);
            QCOMPARE(page.champ(ChampDocument::Du), QString("01/12/2026"));
            QCOMPARE(page.champ(ChampDocument::Au), QString("31/12/2026"));
        }
        if (!mode.isEmpty())
            QCOMPARE(page.champ(ChampDocument::Mode), mode);
        if (!type.isEmpty())
            QCOMPARE(page.champ(ChampDocument::Sorte), type);
        QCOMPARE(page.statut(), statut);
        QCOMPARE(page.lignes(), 0);
        QCOMPARE(page.totalEuros(), QString("0,00"));
        QVERIFY(!page.modifie());
        QVERIFY(!page.estValide());
        QVERIFY(!page.ecrit());
    }

    // Each kind reads its own layout and writes it back line for line.
    void blockLayout_data() {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<QStringList>("bloc");
        QTest::addColumn<QString>("total");
        QTest::newRow("receipt") << "quittance" << blocQuittance(0, "202603004") << "350,00";
        QTest::newRow("notice")
            << "avis"
            << QStringList{"<BLOC0000>", "NUMA202603004", "07/03/2026",
                           "10001",      "Mars 2026",     "01/03/2026",
                           "31/03/2026", "Dupré",         "12 rue des Lilas",
                           "",           "75005 Paris",   "AVISLoyer mensuel\t" + aligne("450,00"),
                           "MEMOmerci",  "MEMO",          "</BLOC0000>"}
            << "450,00";
        QTest::newRow("invoice") << "reçu"
                                 << QStringList{"<BLOC0000>",
                                                "NUMF202603004",
                                                "07/03/2026",
                                                "",
                                                "Chèque",
                                                "Facture",
                                                "Dupré",
                                                "12 rue des Lilas",
                                                "",
                                                "75005 Paris",
                                                "FACTTravaux\t" + aligne("1234,50"),
                                                "</BLOC0000>"}
                                 << "1234,50";
    }
    void blockLayout() {
        QFETCH(QString, sorte);
        QFETCH(QStringList, bloc);
        QFETCH(QString, total);
        TListeBase base;
        base.assign(bloc);
        TPageDocument page(*::sorte(sorte), base, contexte);
        page.lit();
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202603004"));
        QCOMPARE(page.date(ChampDocument::Date), QDate(2026, 3, 7));
        QCOMPARE(page.champ(ChampDocument::Adresse1), QString("Dupré"));
        QCOMPARE(page.champ(ChampDocument::Adresse4), QString("75005 Paris"));
        QCOMPARE(page.totalEuros(), total);
        QVERIFY(!page.modifie());

        page.saisitChamp(ChampDocument::Adresse1, "Martin");
        QVERIFY(page.ecrit());
        QStringList attendu = bloc;
        attendu.replace(attendu.indexOf("Dupré"), "Martin");
        QCOMPARE(base.lines(), attendu);
    }

    // A row is stored and read back when its text (designation, TAB, amount) has nine
    // characters or more; a shorter one is neither written nor read.
    void rowLengths_data() {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("montant");
        QTest::addColumn<bool>("gardee");
        QTest::newRow("empty") << ""
                               << "" << false;
        QTest::newRow("eight characters") << "Divers"
                                          << "x" << false;
        QTest::newRow("nine characters") << "Divers"
                                         << "xy" << true;
        QTest::newRow("designation alone") << "Ménage 2"
                                           << "" << true;
        QTest::newRow("amount alone") << ""
                                      << "12 euros" << true;
    }
    void rowLengths() {
        QFETCH(QString, designation);
        QFETCH(QString, montant);
        QFETCH(bool, gardee);
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        page.saisitChamp(ChampDocument::Locataire, "10001");
        page.saisitCellule(0, TGrilleDocument::Designation, "Loyer mensuel");
        page.saisitCellule(1, TGrilleDocument::Designation, designation);
        page.saisitCellule(1, TGrilleDocument::Montant, montant);
        page.saisitCellule(2, TGrilleDocument::Designation, "Provision pour charges");
        const QString ligne =
            "QUIT" + page.grille().cellule(1, 0) + '\t' + page.grille().cellule(1, 1);
        QVERIFY(page.ecrit());
        QCOMPARE(base.lines().contains(ligne), gardee);

        page.lit();
        QCOMPARE(page.lignes(), gardee ? 4 : 3);
        QCOMPARE(page.grille().cellule(1, 0),
                 gardee ? page.grille().cellule(1, 0) : QString("Provision pour charges"));
        QCOMPARE(page.grille().cellule(1, 1).trimmed(), gardee ? montant : QString());

        // The same line stored by another hand.
        base.assign({"<BLOC0000>", "NUMQ202612001", "", "10001", "", "", "", "", "", "", "", "",
                     "N", "QUIT" + designation + '\t' + montant, "</BLOC0000>"});
        page.lit();
        QCOMPARE(page.lignes(), gardee ? 2 : 1);
        QCOMPARE(page.grille().cellule(0, 0), gardee ? designation : QString());
    }

    void rewriteMovesToTheEnd() {
        TListeBase base;
        base.assign(blocQuittance(0, "202603001") + blocQuittance(1, "202603002") +
                    blocQuittance(2, "202603003"));
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        QVERIFY(!page.ecrit());
        QCOMPARE(base.find(0), 0);

        page.saisitChamp(ChampDocument::Adresse2, "Bâtiment B");
        QVERIFY(page.ecrit());
        QCOMPARE(base.nb(), 3);
        QList<int> ordre;
        for (const TListeBase::Position& bloc : base.blocs())
            ordre.append(bloc.cle);
        QCOMPARE(ordre, QList<int>({1, 2, 0}));
        QVERIFY(!base.verif());
        page.lit();
        QCOMPARE(page.champ(ChampDocument::Numero), QString("202603001"));
        QCOMPARE(page.champ(ChampDocument::Adresse2), QString("Bâtiment B"));
    }

    // A date line that does not read keeps its default; the lines after it are still read,
    // so that nothing of the block is lost when it is stored again.
    void unreadableDate() {
        TListeBase base;
        QStringList bloc = blocQuittance(0, "202603004");
        bloc[2] = "32/13/2026";
        base.assign(bloc);
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        QCOMPARE(page.champ(ChampDocument::Date), QString("10/12/2026"));
        QCOMPARE(page.champ(ChampDocument::Locataire), QString("10001"));
        QCOMPARE(page.champ(ChampDocument::Mode), QString("Virement"));
        QCOMPARE(page.champ(ChampDocument::Du), QString("01/03/2026"));
    }

    // A key without block shows a blank document that is not validated, whatever the page
    // showed before.
    void blankAfterAValidatedReceipt() {
        TListeBase base;
        base.assign(blocQuittance(0, "202603004", "Y"));
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        QVERIFY(page.validee());
        QCOMPARE(page.statut(), QString("Quittance validée"));
        QVERIFY(page.grille().figee());
        QCOMPARE(page.lignes(), 3);

        base.allerA(1);
        page.lit();
        QVERIFY(!page.validee());
        QVERIFY(!page.grille().figee());
        QCOMPARE(page.lignes(), 0);
        QCOMPARE(page.grille().cellule(0, 0), QString());
        QCOMPARE(page.lignesMemo(), QStringList());
    }

    void headerFields_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // empty: refused
        QTest::newRow("line break") << int(ChampDocument::Adresse1) << "Dupré\r\nSA"
                                    << "Dupré SA";
        QTest::newRow("closing line") << int(ChampDocument::Adresse1) << "</BLOC0001>"
                                      << "";
        QTest::newRow("outside the code page") << int(ChampDocument::Locataire) << "Łódź"
                                               << "";
        QTest::newRow("number") << int(ChampDocument::Numero) << " 202612005 "
                                << "202612005";
        QTest::newRow("number with a letter") << int(ChampDocument::Numero) << "20261200a"
                                              << "";
        QTest::newRow("ten digits") << int(ChampDocument::Numero) << "2026120011"
                                    << "";
        QTest::newRow("date") << int(ChampDocument::Date) << "1/3/2027"
                              << "01/03/2027";
        QTest::newRow("no such date") << int(ChampDocument::Au) << "31/02/2027"
                                      << "";
    }
    void headerFields() {
        QFETCH(int, champ);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        TListeBase base;
        base.assign(blocQuittance(0, "202603004"));
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        const ChampDocument c = ChampDocument(champ);
        const QString avant = page.champ(c);
        try {
            page.saisitChamp(c, texte);
            QCOMPARE(page.champ(c), attendu);
            QVERIFY(page.modifie());
        } catch (const UserError&) {
            QVERIFY(attendu.isEmpty());
            QCOMPARE(page.champ(c), avant);
            QVERIFY(!page.modifie());
        }
    }

    // A month chosen or typed sets the period; a month text that is no month name gives
    // January, one whose year does not read stops with the date message.
    void monthSetsThePeriod() {
        TListeBase base;
        TPageDocument page(Documents::avis(), base, contexte);
        page.lit();
        QSignalSpy change(&page, &TPageDocument::champChange);
        page.saisitChamp(ChampDocument::Mois, "Mars 2027");
        QCOMPARE(page.date(ChampDocument::Du), QDate(2027, 3, 1));
        QCOMPARE(page.date(ChampDocument::Au), QDate(2027, 3, 31));
        QCOMPARE(change.size(), 2);

        page.saisitChamp(ChampDocument::Mois, "Loyer 2026");
        QCOMPARE(page.date(ChampDocument::Du), QDate(2026, 1, 1));
        QCOMPARE(page.date(ChampDocument::Au), QDate(2026, 1, 31));

        QVERIFY_THROWS_EXCEPTION(UserError, page.saisitChamp(ChampDocument::Mois, "Mars prochain"));
        QCOMPARE(page.champ(ChampDocument::Mois), QString("Mars prochain"));
        QCOMPARE(page.date(ChampDocument::Du), QDate(2026, 1, 1));
    }

    // No typed or pasted text forges a row: a TAB or a line break becomes a blank.
    void cells_data() {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // empty: refused
        QTest::newRow("TAB") << int(TGrilleDocument::Designation) << "Loyer\tmars"
                             << "Loyer mars";
        QTest::newRow("line break")
            << int(TGrilleDocument::Designation) << "Loyer\r\nQUITFaux\t9999"
            << "Loyer QUITFaux 9999";
        QTest::newRow("long designation")
            << int(TGrilleDocument::Designation) << QString(50, 'a') << QString(41, 'a');
        QTest::newRow("full stop") << int(TGrilleDocument::Montant) << "12.5" << aligne("12,50");
        QTest::newRow("amount with a TAB") << int(TGrilleDocument::Montant) << "12\t5"
                                           << "12 5";
        QTest::newRow("outside the code page") << int(TGrilleDocument::Designation) << "Łódź"
                                               << "";
        QTest::newRow("exponent") << int(TGrilleDocument::Montant) << "1E15"
                                  << "";
        QTest::newRow("beyond the largest amount") << int(TGrilleDocument::Montant) << "1000000000"
                                                   << "";
        QTest::newRow("below the smallest amount")
            << int(TGrilleDocument::Montant) << "-999999999,995"
            << "";
        QTest::newRow("largest amount")
            << int(TGrilleDocument::Montant) << "999999999,99" << aligne("999999999,99");
    }
    void cells() {
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        TGrilleDocument& grille = page.grille();
        QAbstractItemModelTester testeur(&grille,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy refus(&grille, &TGrilleDocument::saisieRefusee);
        QCOMPARE(grille.setData(grille.index(4, colonne), texte), !attendu.isEmpty());
        QCOMPARE(grille.cellule(4, colonne), attendu);
        QCOMPARE(refus.size(), attendu.isEmpty() ? 1 : 0);
        QCOMPARE(page.modifie(), !attendu.isEmpty());
        QCOMPARE(page.lignes(), attendu.isEmpty() ? 0 : 5);
    }

    void totals() {
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        QSignalSpy totaux(&page, &TPageDocument::totauxChange);
        page.saisitCellule(0, TGrilleDocument::Montant, "450");
        page.saisitCellule(1, TGrilleDocument::Montant, "quatre");
        page.saisitCellule(2, TGrilleDocument::Montant, "-12,5");
        QCOMPARE(page.grille().cellule(0, 1), aligne("450,00"));
        QCOMPARE(page.grille().cellule(1, 1), QString("quatre"));
        QCOMPARE(page.grille().cellule(2, 1), aligne("-12,50"));
        QCOMPARE(page.totalEuros(), QString("437,50"));
        QCOMPARE(page.totalFrancs(), QString("2869,81"));
        QCOMPARE(page.enLettres(), QString());
        QCOMPARE(totaux.size(), 3);
        page.saisitCellule(0, TGrilleDocument::Designation, "Loyer");
        QCOMPARE(totaux.size(), 3);
    }

    // Each amount shows rounded to the format's decimals, never emptied, and the total adds up
    // the amounts as shown.
    void totalOfTheAmountsShown_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("montants");
        QTest::addColumn<QStringList>("montres");
        QTest::addColumn<QString>("total");
        QTest::newRow("no decimal, below one half")
            << "0" << QStringList{"0,4"} << QStringList{"0"} << "0";
        QTest::newRow("no decimal, three times below one half")
            << "0" << QStringList{"0,4", "0,4", "0,4"} << QStringList{"0", "0", "0"} << "0";
        QTest::newRow("no decimal, halves")
            << "0" << QStringList{"0,5", "1,5"} << QStringList{"1", "2"} << "3";
        QTest::newRow("one decimal")
            << "0.0" << QStringList{"0,04", "0,04"} << QStringList{"0,0", "0,0"} << "0,0";
        QTest::newRow("cents rounded up")
            << "0.00" << QStringList{"1,005", "1,005"} << QStringList{"1,01", "1,01"} << "2,02";
        QTest::newRow("largest amounts")
            << "0.00" << QStringList{"999999999,99", "999999999,99", "-0,01"}
            << QStringList{"999999999,99", "999999999,99", "-0,01"} << "1999999999,97";
    }
    void totalOfTheAmountsShown() {
        QFETCH(QString, format);
        QFETCH(QStringList, montants);
        QFETCH(QStringList, montres);
        QFETCH(QString, total);
        TContextePage decimales = contexte;
        decimales.fmtMontant = format;
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, decimales);
        page.lit();
        for (int ligne = 0; ligne < montants.size(); ++ligne)
            page.saisitCellule(ligne, TGrilleDocument::Montant, montants[ligne]);
        for (int ligne = 0; ligne < montres.size(); ++ligne)
            QCOMPARE(page.grille().cellule(ligne, TGrilleDocument::Montant),
                     aligne(montres[ligne]));
        QCOMPARE(page.totalEuros(), total);
    }

    // Enter in the amount column moves down until twenty rows are in use.
    void finMontant_data() {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("suivante");
        QTest::addColumn<int>("lignesApres");
        QTest::newRow("first row") << 0 << 0 << 1 << 1;
        QTest::newRow("within the rows in use") << 5 << 2 << 3 << 5;
        QTest::newRow("nineteenth row") << 0 << 18 << 19 << 19;
        QTest::newRow("twentieth row stays") << 0 << 19 << 19 << 20;
        QTest::newRow("beyond twenty rows in use") << 25 << 3 << 3 << 25;
        QTest::newRow("last row of the grid") << 0 << 62 << 62 << 63;
    }
    void finMontant() {
        QFETCH(int, lignes);
        QFETCH(int, ligne);
        QFETCH(int, suivante);
        QFETCH(int, lignesApres);
        TListeBase base;
        TPageDocument page(Documents::quittance(), base, contexte);
        page.lit();
        if (lignes > 0)
            page.saisitCellule(lignes - 1, TGrilleDocument::Designation, "Loyer");
        page.grille().setCellule(ligne, TGrilleDocument::Montant, "12,5");
        QCOMPARE(page.finLigne(ligne), suivante);
        QCOMPARE(page.lignes(), lignesApres);
        QVERIFY(page.modifie());
        QCOMPARE(page.totalEuros(), QString("12,50"));
    }
};

QTEST_GUILESS_MAIN(TestPageDocument)
#include "tst_pagedocument.moc"
