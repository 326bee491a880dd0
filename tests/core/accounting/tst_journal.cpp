#include "../../common/fichiersessai.h"
#include "core/accounting/fec.h"
#include "core/accounting/journal.h"
#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "statsessai.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const Comptes comptes = {"411000", "700000", "614000", "445000", "206000", "437000"};

// A journal line as "entry|key|journal|date|account|label|debit|credit".
QString texte(const TLigneJournal& l) {
    return QStringList{QString::number(l.ecriture),
                       l.cle(),
                       l.journal,
                       l.texteDate(),
                       l.compte,
                       l.libelle,
                       l.debit,
                       l.credit}
        .join('|');
}

QList<TLigneJournal> journal(const QStringList& quittances, const Comptes& c = comptes) {
    TFiche fiche;
    fiche.Compte(c);
    remplitBase(fiche, Base::Quittances, quittances);
    return JournalFiche(fiche, {});
}

// A receipt never validated.
QStringList nonValidee(QStringList bloc) {
    bloc.replace(12, "N");
    return bloc;
}

qint64 centimes(const QString& montant) {
    return montant.isEmpty() ? 0 : qRound64(StrToFloat(montant) * 100);
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void ecritures_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("attendu");
        const QString debut = "1|20010315|V1|15/03/2001|";
        QTest::newRow("loyer et charges")
            << "10001" << QStringList{"Loyer mensuel\t   450,00", "Provision pour charges\t70,00"}
            << QStringList{debut + "411000|Quittance 12|520,00|",
                           debut + "700000|Quittance 12||450,00",
                           debut + "614000|Quittance 12||70,00"};
        QTest::newRow("APL au débit")
            << "10001"
            << QStringList{"Loyer mensuel\t450,00", "Provision pour charges\t50,00", "APL\t-100,00"}
            << QStringList{
                   debut + "411000|Quittance 12|400,00|", debut + "700000|Quittance 12||450,00",
                   debut + "614000|Quittance 12||50,00", debut + "437000|Quittance 12|100,00|"};
        QTest::newRow("taxe additionnelle")
            << "10001"
            << QStringList{"Loyer mensuel\t450,00", "Provision pour charges\t50,00",
                           "Taxe Additionnelle\t30,00"}
            << QStringList{
                   debut + "411000|Quittance 12|530,00|", debut + "700000|Quittance 12||450,00",
                   debut + "614000|Quittance 12||50,00", debut + "206000|Quittance 12||30,00"};
        QTest::newRow("locataire inconnu, loyer révisé depuis")
            << "99999" << QStringList{"Loyer mensuel\t312,40", "Régularisation\t12,00"}
            << QStringList{debut + "411000|Quittance 12|324,40|",
                           debut + "700000|Quittance 12||324,40"};
        QTest::newRow("sans ligne de loyer, le compte des loyers garde sa ligne")
            << "10001" << QStringList{"Provision pour charges\t50,00"}
            << QStringList{debut + "411000|Quittance 12|50,00|", debut + "700000|Quittance 12||",
                           debut + "614000|Quittance 12||50,00"};
        // A row no document can show counts nothing, on the total as on its account.
        QTest::newRow("un montant au-delà de ce qu'un document montre")
            << "10001" << QStringList{"Loyer mensuel\t450,00", "Provision pour charges\t1E15"}
            << QStringList{debut + "411000|Quittance 12|450,00|",
                           debut + "700000|Quittance 12||450,00"};
        // The total adds up the rows as they are shown.
        QTest::newRow("plus de décimales que le format n'en montre")
            << "10001" << QStringList{"Loyer mensuel\t0,005", "Provision pour charges\t0,005"}
            << QStringList{debut + "411000|Quittance 12|0,02|", debut + "700000|Quittance 12||0,01",
                           debut + "614000|Quittance 12||0,01"};
    }
    // Each receipt gives one entry from its own rows, its debits equal to its credits.
    void ecritures() {
        QFETCH(QString, locataire);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, attendu);
        const QList<TLigneJournal> j =
            journal(blocQuittance(0, "12", "15/03/2001", locataire, "Martin", lignes));
        QStringList obtenu;
        qint64 solde = 0;
        for (const TLigneJournal& l : j) {
            obtenu << texte(l);
            QVERIFY(l.debit.isEmpty() || l.credit.isEmpty());
            solde += centimes(l.debit) - centimes(l.credit);
            QCOMPARE(l.piece, QString("12"));
        }
        QCOMPARE(obtenu, attendu);
        QCOMPARE(solde, 0);
    }

    // The entries follow the receipts' keys; the period opens on the first and last lines'
    // dates and takes both bounds; without receipts it is the day's date.
    void periode() {
        const QList<TLigneJournal> j =
            journal(blocQuittance(0, "200103001", "01/03/2001", "1", "A", {"Loyer mensuel\t1,00"}) +
                    blocQuittance(1, "200103002", "15/03/2001", "2", "B", {"Loyer mensuel\t2,00"}) +
                    blocQuittance(2, "200103003", "31/03/2001", "3", "C", {"Loyer mensuel\t3,00"}));
        QCOMPARE(j.size(), 6);
        QCOMPARE(j.last().ecriture, 3);
        const TPeriodeJournal p = PeriodeJournal(j, Clock::today());
        QCOMPARE(p.du, QDate(2001, 3, 1));
        QCOMPARE(p.au, QDate(2001, 3, 31));
        const QList<TLigneJournal> retenues = LignesPeriode(j, QDate(2001, 3, 15), p.au);
        QCOMPARE(retenues.size(), 4);
        QCOMPARE(retenues.first().libelle, QString("Quittance 200103002"));
        QCOMPARE(LignesPeriode(j, QDate(2001, 3, 2), QDate(2001, 3, 14)).size(), 0);

        const TPeriodeJournal vide = PeriodeJournal({}, Clock::today());
        QCOMPARE(vide.du, QDate(2026, 12, 10));
        QCOMPARE(vide.au, QDate(2026, 12, 10));
    }

    // The grid: the row number, the amounts right-aligned in their columns.
    void grille() {
        const TMesureTexte mesure = [](const QString& t) { return int(t.size()) * 6; };
        const QList<TLigneJournal> j = journal(blocQuittance(
            0, "12", "15/03/2001", "1", "A", {"Loyer mensuel\t450,00", "APL\t-100,00"}));
        const QList<QStringList> g = LignesGrilleJournal(j, mesure);
        QCOMPARE(g.size(), 3);
        QCOMPARE(g[0].mid(0, 5), QStringList({"1", "V1", "15/03/2001", "411000", "Quittance 12"}));
        QCOMPARE(g[0][5], Rset("350,00", AlignementJournal, mesure));
        QCOMPARE(g[0][6], QString());
        QCOMPARE(g[1][6], Rset("450,00", AlignementJournal, mesure));
        QCOMPARE(g[2][0], QString("3"));
        QCOMPARE(EntetesJournal(mesure)[6], Rset("Crédit", AlignementJournal, mesure));
    }

    // The export writes the lines given, and nothing more, in Windows-1252 with CR LF.
    void export_() {
        const QList<TLigneJournal> j =
            journal(blocQuittance(0, "12", "15/03/2001", "10001", "A",
                                  {"Loyer mensuel\t450,00", "Provision pour charges\t70,00"}) +
                    blocQuittance(1, "13", "02/04/2001", "99999", "B",
                                  {"Loyer mensuel\t300,00", "APL\t-50,00"}));
        QTemporaryDir dir;
        const QString path = dir.filePath("Journal.txt");
        ExporteJournal(path, j);
        QCOMPARE(contenu(path), QByteArray("15/03/2001\t411000\tQuittance 12\tV1\t\t520,00\t\r\n"
                                           "15/03/2001\t700000\tQuittance 12\tV1\t\t\t450,00\r\n"
                                           "15/03/2001\t614000\tQuittance 12\tV1\t\t\t70,00\r\n"
                                           "02/04/2001\t411000\tQuittance 13\tV1\t\t250,00\t\r\n"
                                           "02/04/2001\t700000\tQuittance 13\tV1\t\t\t300,00\r\n"
                                           "02/04/2001\t437000\tQuittance 13\tV1\t\t50,00\t\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Journal.txt"});
    }

    // The tax office's file: the header, one numbered entry per receipt whatever the journal's
    // own numbers, dates as yyyymmdd, amounts with a decimal comma,
    // a negative one on the other side; each entry balances.
    void fec_data() {
        QTest::addColumn<SeparateurFec>("separateur");
        QTest::newRow("barre") << SeparateurFec::Barre;
        QTest::newRow("tabulation") << SeparateurFec::Tabulation;
    }
    void fec() {
        QFETCH(SeparateurFec, separateur);
        const QList<TLigneJournal> j =
            journal(blocQuittance(0, "11", "01/02/2001", "10001", "A", {"Loyer mensuel\t1,00"}) +
                    blocQuittance(1, "12", "15/03/2001", "10001", "A",
                                  {"Loyer mensuel\t450,00", "Provision pour charges\t70,00"}) +
                    blocQuittance(2, "13|B", "02/04/2001", "99999", "B",
                                  {"Provision pour charges\t30,00", "APL\t-50,00"}));
        QTemporaryDir dir;
        const QString path = dir.filePath("Journal.fec");
        ExporteFec(path, LignesPeriode(j, QDate(2001, 3, 1), QDate(2001, 4, 30)), separateur);

        const QStringList attendu{
            // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): each line cut for width
            "JournalCode|JournalLib|EcritureNum|EcritureDate|CompteNum|CompteLib|CompAuxNum|"
            "CompAuxLib|PieceRef|PieceDate|EcritureLib|Debit|Credit|EcritureLet|DateLet|"
            "ValidDate|Montantdevise|Idevise",
            "V1|Journal des ventes|1|20010315|411000|Clients|||12|20010315|Quittance 12|520,00|"
            "0,00|||20010315||",
            "V1|Journal des ventes|1|20010315|700000|Loyers|||12|20010315|Quittance 12|0,00|"
            "450,00|||20010315||",
            "V1|Journal des ventes|1|20010315|614000|Provisions pour charges|||12|20010315|"
            "Quittance 12|0,00|70,00|||20010315||",
            "V1|Journal des ventes|2|20010402|411000|Clients|||13 B|20010402|Quittance 13 B|"
            "0,00|20,00|||20010402||",
            "V1|Journal des ventes|2|20010402|700000|Loyers|||13 B|20010402|Quittance 13 B|"
            "0,00|0,00|||20010402||",
            "V1|Journal des ventes|2|20010402|614000|Provisions pour charges|||13 B|20010402|"
            "Quittance 13 B|0,00|30,00|||20010402||",
            "V1|Journal des ventes|2|20010402|437000|Aide personnalisée au logement|||13 B|"
            "20010402|Quittance 13 B|50,00|0,00|||20010402||",
        };
        const QByteArray octets = contenu(path);
        QVERIFY(octets.endsWith("\r\n"));
        const QStringList lignes = TextFile::read(path);
        QCOMPARE(lignes.size(), attendu.size());
        QHash<QString, qint64> soldes;
        for (int i = 0; i < attendu.size(); ++i) {
            QString ligne = attendu[i];
            // Only the separator in use is taken out of the texts.
            if (separateur == SeparateurFec::Tabulation)
                ligne.replace('|', '\t').replace("13 B", "13|B");
            QCOMPARE(lignes[i], ligne);
            const QStringList champs = lignes[i].split(caractereFec(separateur));
            QCOMPARE(champs.size(), 18);
            if (i > 0)
                soldes[champs[2]] += centimes(champs[11]) - centimes(champs[12]);
        }
        QCOMPARE(soldes.keys().size(), 2);
        for (qint64 solde : soldes)
            QCOMPARE(solde, 0);
        QVERIFY(octets.contains("Aide personnalis\xe9"));
    }

    // Only the validated receipts are entries, in the order of their dates whatever their
    // place in the base, numbered in that order; the grid and the tab file keep the others,
    // marked.
    void fecOrdreEtValidation() {
        const QList<TLigneJournal> j = journal(
            blocQuittance(0, "30", "20/04/2001", "1", "A", {"Loyer mensuel\t3,00"}) +
            nonValidee(blocQuittance(1, "31", "01/03/2001", "2", "B", {"Loyer mensuel\t9,00"})) +
            blocQuittance(2, "32", "05/03/2001", "3", "C", {"Loyer mensuel\t1,00"}) +
            blocQuittance(3, "33", "20/04/2001", "4", "D", {"Loyer mensuel\t4,00"}) +
            blocQuittance(4, "34", "10/04/2001", "5", "E", {"Loyer mensuel\t2,00"}));
        QStringList obtenu;
        for (const QString& ligne : LignesFec(j, SeparateurFec::Barre).mid(1)) {
            const QStringList champs = ligne.split('|');
            obtenu << champs[2] + ' ' + champs[3] + ' ' + champs[8];
        }
        QCOMPARE(obtenu,
                 (QStringList{"1 20010305 32", "1 20010305 32", "2 20010410 34", "2 20010410 34",
                              "3 20010420 30", "3 20010420 30", "4 20010420 33", "4 20010420 33"}));
        const TMesureTexte mesure = [](const QString& t) { return int(t.size()); };
        QCOMPARE(LignesGrilleJournal(j, mesure)[2][4], QString("Quittance 31 (non validée)"));
        QCOMPARE(LignesExportJournal(j)[2],
                 QString("01/03/2001\t411000\tQuittance 31 (non validée)\tV1\t\t9,00\t"));
    }

    // An account that an entry line needs and the settings lack stops the file, naming each
    // missing account as the accounts dialog does; the file is left as it was.
    void fecSansComptes_data() {
        QTest::addColumn<Comptes>("reglages");
        QTest::addColumn<QString>("manquants");
        QTest::newRow("sans réglages") << Comptes{} << "Clients divers, Revenus locatifs, APL";
        QTest::newRow("champs vidés")
            << Comptes{"411000", "00000", "614000", "", "", "00000"} << "Revenus locatifs, APL";
        QTest::newRow("seuls les comptes servis")
            << Comptes{"411000", "700000", "", "", "", "437000"} << QString();
    }
    void fecSansComptes() {
        QFETCH(Comptes, reglages);
        QFETCH(QString, manquants);
        const QList<TLigneJournal> j =
            journal(blocQuittance(0, "12", "15/03/2001", "1", "A",
                                  {"Loyer mensuel\t450,00", "APL\t-50,00"}) +
                        nonValidee(blocQuittance(1, "13", "16/03/2001", "1", "A",
                                                 {"Provision pour charges\t30,00"})),
                    reglages);
        QTemporaryDir dir;
        const QString path = dir.filePath("FEC.txt");
        if (manquants.isEmpty()) {
            QCOMPARE(ExporteFec(path, j, SeparateurFec::Barre), 3);
            return;
        }
        try {
            ExporteFec(path, j, SeparateurFec::Barre);
            QFAIL("the file was written");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "Le fichier des écritures comptables demande un numéro de "
                                  "compte sur chaque ligne. Comptes à régler dans Paramètres, "
                                  "Comptes : " +
                                      manquants);
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
