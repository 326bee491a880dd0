#include "core/banque/formatscsv.h"
#include "core/banque/releve.h"
#include "core/banque/relevecsv.h"
#include "core/banque/textesreleve.h"
#include "core/common/usererror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fichier(const QString& nom) {
    QFile f(QStringLiteral(TARVINEL_FIXTURES "/releves/") + nom);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("fixture missing");
    return f.readAll();
}

// A line of a statement on one line of text: date, value date, amount, label, bank id.
QStringList textes(const TReleve& releve) {
    QStringList t;
    for (const TOperation& o : releve)
        t.append(QStringLiteral("%1 %2 %3 %4 [%5]")
                     .arg(o.date.toString("dd/MM/yyyy"), o.valeur.toString("dd/MM/yyyy"),
                          TexteCentimes(o.centimes), o.libelle, o.id));
    return t;
}

TFormatCsv format(QChar separateur, int entete, const QString& date, bool virgule, int colDate,
                  int colValeur, int colLibelle, int colMontant, int colDebit, int colCredit) {
    TFormatCsv f;
    f.separateur = separateur;
    f.lignesEntete = entete;
    f.formatDate = date;
    f.virguleDecimale = virgule;
    f.colonneDate = colDate;
    f.colonneValeur = colValeur;
    f.colonneLibelle = colLibelle;
    f.colonneMontant = colMontant;
    f.colonneDebit = colDebit;
    f.colonneCredit = colCredit;
    return f;
}

const TFormatCsv Signe = format(u';', 1, "dd/MM/yyyy", true, 0, -1, 1, 2, -1, -1);

} // namespace

class TestReleves : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<TFormatCsv>("format");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("OFX 1, SGML in Windows-1252")
            << "ofx1.ofx" << TFormatCsv{}
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD PAUL LOYER JANVIER [F0001]",
                           "06/01/2027 06/01/2027 -35,20 PRLV EAU DU GRAND LYON [F0002]",
                           "07/01/2027 07/01/2027 612,50 VIR SCI BÉRANGER [F0003]"};
        QTest::newRow("OFX 2, XML with a value date")
            << "ofx2.ofx" << TFormatCsv{}
            << QStringList{"29/01/2027 01/02/2027 540,00 VIR SEPA Mme Clémence Dupré [X-17]",
                           "10/01/2027 10/01/2027 -1 200,00 ECHEANCE PRET IMMOBILIER [X-18]"};
        QTest::newRow("QIF, two-digit year and grouped thousands")
            << "releve.qif" << TFormatCsv{}
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD PAUL LOYER JANVIER []",
                           "06/01/2027 06/01/2027 -35,20 PRLV EAU DU GRAND LYON []",
                           "07/01/2027 07/01/2027 1 612,50 VIR SCI BÉRANGER []"};
        QTest::newRow("CSV signed amounts, UTF-8 with its mark")
            << "banque-signe.csv" << Signe
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD PAUL LOYER []",
                           "06/01/2027 06/01/2027 -35,20 PRLV EAU DU GRAND LYON []",
                           "07/01/2027 07/01/2027 1 612,50 VIR SCI BÉRANGER []"};
        QTest::newRow("CSV debit and credit columns, value dates, Windows-1252")
            << "banque-debit-credit.csv" << format(u';', 1, "dd/MM/yyyy", true, 0, 1, 2, -1, 3, 4)
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD PAUL LOYER []",
                           "06/01/2027 07/01/2027 -35,20 PRLV EAU DU GRAND LYON []",
                           "29/01/2027 01/02/2027 1 612,50 VIR SCI BÉRANGER []"};
        QTest::newRow("CSV under several header lines, a quoted separator")
            << "banque-entete.csv" << format(u';', 5, "dd/MM/yyyy", true, 0, -1, 1, 2, -1, -1)
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD; PAUL []",
                           "06/01/2027 06/01/2027 -35,20 PRLV EAU DU GRAND LYON []"};
        QTest::newRow("CSV with commas, ISO dates and a decimal point")
            << "banque-virgule.csv" << format(u',', 1, "yyyy-MM-dd", false, 0, -1, 1, 2, -1, -1)
            << QStringList{"05/01/2027 05/01/2027 540,00 VIR M ARNAUD PAUL []",
                           "06/01/2027 06/01/2027 -35,20 PRLV \"EAU\" DU GRAND LYON []",
                           "07/01/2027 07/01/2027 1 612,50 VIR SCI BÉRANGER []"};
    }
    void reads() {
        QFETCH(QString, nom);
        QFETCH(TFormatCsv, format);
        QFETCH(QStringList, attendu);
        QCOMPARE(textes(Releve::lit(fichier(nom), format)), attendu);
    }

    void damagedRefused_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::newRow("OFX 1 cut in a line")
            << "ofx-abime.ofx"
            << "Ce fichier n'est pas un relevé OFX lisible : il est abîmé ou tronqué.";
        QTest::newRow("OFX 2 cut in its header")
            << "ofx2-abime.ofx"
            << "Ce fichier n'est pas un relevé OFX lisible : il est abîmé ou tronqué.";
        QTest::newRow("QIF date") << "qif-abime.qif"
                                  << "Ce fichier n'est pas un relevé QIF lisible : ligne 6, la "
                                     "date \"32/13/2027\" ne se lit pas.";
        QTest::newRow("CSV amount") << "csv-abime.csv"
                                    << "Ce fichier n'est pas un relevé CSV lisible : ligne 3, le "
                                       "montant \"-35,2O\" ne se lit pas.";
    }
    void damagedRefused() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        try {
            Releve::lit(fichier(nom), Signe);
            QFAIL("read");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    void amounts_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("decimale");
        QTest::addColumn<qint64>("centimes");
        QTest::newRow("comma") << "540,00"
                               << "," << qint64(54000);
        QTest::newRow("one decimal") << "612,5"
                                     << "," << qint64(61250);
        QTest::newRow("grouped by blanks") << "-1 200,00"
                                           << "," << qint64(-120000);
        QTest::newRow("grouped by points") << "1.234.567,89"
                                           << "," << qint64(123456789);
        QTest::newRow("point") << "+35.20"
                               << "." << qint64(3520);
        QTest::newRow("no decimals") << "540"
                                     << "," << qint64(54000);
        QTest::newRow("three decimals") << "5,401"
                                        << "," << qint64(-1);
        QTest::newRow("group of two") << "12.50"
                                      << "," << qint64(-1);
        QTest::newRow("letter") << "54O,00"
                                << "," << qint64(-1);
        QTest::newRow("empty") << ""
                               << "," << qint64(-1);
        QTest::newRow("too many digits") << "12345678901234"
                                         << "," << qint64(-1);
    }
    void amounts() {
        QFETCH(QString, texte);
        QFETCH(QString, decimale);
        QFETCH(qint64, centimes);
        QCOMPARE(TextesReleve::centimes(texte, decimale[0]).value_or(-1), centimes);
    }

    // A mapping read back from its text is the same mapping; a broken text is none.
    void mappingText() {
        const TFormatCsv f = format(u'\t', 3, "yyyy-MM-dd", false, 1, 2, 3, -1, 4, 5);
        QCOMPARE(TFormatCsv::depuisTexte(f.texte()), std::optional<TFormatCsv>(f));
        QVERIFY(!TFormatCsv::depuisTexte("59|1|dd/MM/yyyy|1|0|-1|1|2|-1").has_value());
        QVERIFY(!TFormatCsv::depuisTexte("59|1|dd/MM/yyyy|1|0|-1|1|999|-1|-1").has_value());
    }

    // A mapping given for a header is found again, through the settings file, for another file
    // with the same header line; a file of another header gets none.
    void mappingsRemembered() {
        QTemporaryDir dir;
        const QStringList releve = LignesCsv(fichier("banque-entete.csv"));
        const TFormatCsv f = format(u';', 5, "dd/MM/yyyy", true, 0, -1, 1, 2, -1, -1);
        TFormatsCsv formats = TFormatsCsv::charge(dir.path());
        QVERIFY(!formats.pour(releve));
        formats.retient(releve, f);
        formats.sauve(dir.path());
        const TFormatsCsv relus = TFormatsCsv::charge(dir.path());
        QCOMPARE(relus.pour(releve), std::optional<TFormatCsv>(f));
        QStringList autre = releve;
        autre[2] = "Période du 01/02/2027 au 28/02/2027;;";
        QCOMPARE(relus.pour(autre), std::optional<TFormatCsv>(f));
        QVERIFY(!relus.pour(LignesCsv(fichier("banque-signe.csv"))));
    }

    void kinds_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("type");
        QTest::newRow("OFX 1") << "ofx1.ofx" << int(Releve::Type::Ofx);
        QTest::newRow("OFX 2") << "ofx2.ofx" << int(Releve::Type::Ofx);
        QTest::newRow("QIF") << "releve.qif" << int(Releve::Type::Qif);
        QTest::newRow("CSV") << "banque-signe.csv" << int(Releve::Type::Csv);
    }
    void kinds() {
        QFETCH(QString, nom);
        QFETCH(int, type);
        QCOMPARE(int(Releve::type(fichier(nom))), type);
    }
};

QTEST_GUILESS_MAIN(TestReleves)
#include "tst_releves.moc"
