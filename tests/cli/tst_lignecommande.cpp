#include "../common/fichiersessai.h"
#include "core/app/tfiche.h"
#include "core/charges/chargesreelles.h"
#include "core/common/clock.h"
#include "core/common/etapesfichiers.h"
#include "core/documents/tpagedocument.h"
#include "core/records/locataire.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Resultat {
    int code = -1;
    QString sortie;
    QString erreurs;
};

// Runs the program as a person would from a terminal, with no display.
Resultat tarvinel(const QStringList& arguments, const QString& repertoire) {
    QProcess programme;
    programme.setWorkingDirectory(repertoire);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    programme.setProcessEnvironment(env);
    programme.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tarvinel"),
                    arguments);
    if (!programme.waitForFinished(120000))
        return {};
    return {programme.exitStatus() == QProcess::NormalExit ? programme.exitCode() : -1,
            QString::fromUtf8(programme.readAllStandardOutput()),
            QString::fromUtf8(programme.readAllStandardError())};
}

// A dossier of one tenant with a rent receipt and a due notice made by the program, and the
// payment receipt and order of the small fixture dossier; the path of its main file.
QString dossierEssai(const QTemporaryDir& dir) {
    Clock::Fixed horloge(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    TFiche fiche;
    QStringList locataire{TListeBase::openingLine(0), QStringLiteral("10001"),
                          QStringLiteral("Dupré")};
    for (int ligne = 3; ligne <= 26; ++ligne)
        locataire << (ligne == Locataire::LoyerActuel        ? QStringLiteral("   450,00")
                      : ligne == Locataire::ChargesActuelles ? QStringLiteral("    50,00")
                      : ligne == Locataire::NumLot           ? QStringLiteral("1 Studio")
                      : ligne == Locataire::Entre            ? QStringLiteral("01/07/2025")
                      : ligne == Locataire::Caution          ? QStringLiteral("   900,00")
                                                             : QString());
    locataire << TListeBase::closingLine(0);
    fiche.base(Base::Locataires).assign(locataire);
    fiche.Premier();
    for (Base b : {Base::Quittances, Base::Avis})
        fiche.NouvDocument(b);
    fiche.AffichePage(Base::Locataires);
    ChargesReelles::Ecrit(fiche.annexe(Annexe::Charges), {"1", 2025, {{"Eau", "365,00"}}});
    const QString chemin = dir.filePath(QStringLiteral("essai.loc"));
    fiche.Sauve(chemin);
    for (const char* extension : {"rcu", "cmd"}) {
        const QString copie = dir.filePath(QStringLiteral("essai.") + extension);
        QFile::remove(copie);
        QFile::copy(QStringLiteral(TARVINEL_FIXTURES "/accents/DUPONT.") +
                        QString::fromLatin1(extension).toUpper(),
                    copie);
    }
    return chemin;
}

// A dossier of three payment receipts, one of each kind, numbered 202612001 to 202612003.
QString dossierRecus(const QTemporaryDir& dir) {
    Clock::Fixed horloge(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    TFiche fiche;
    TPageDocument& page = *fiche.pageDocument(Base::Recus);
    const QStringList sortes = page.description().sortes;
    for (int i = 0; i < sortes.size(); ++i) {
        page.Cree();
        page.saisitChamp(ChampDocument::Numero, QString::number(202612001 + i));
        page.saisitChamp(ChampDocument::Sorte, sortes[i]);
        page.saisitCellule(0, TGrilleDocument::Designation, QStringLiteral("Travaux"));
        page.saisitCellule(0, TGrilleDocument::Montant, QStringLiteral("100"));
        fiche.EcritPage(Base::Recus);
    }
    const QString chemin = dir.filePath(QStringLiteral("recus.loc"));
    fiche.Sauve(chemin);
    return chemin;
}

QString pdfTexte(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void ajoute(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::Append));
    f.write(octets);
}

} // namespace

class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void aide() {
        QTemporaryDir dir;
        const Resultat r = tarvinel({QStringLiteral("--help")}, dir.path());
        QCOMPARE(r.code, 0);
        for (const char* ligne :
             {"tarvinel [DOSSIER.loc]", "tarvinel --verifier DOSSIER.loc [--reparer]",
              // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one line, cut for width
              "tarvinel --pdf quittance|avis|recu|commande|decompte|solde NUMERO DOSSIER.loc "
              "[--annee AAAA] -o FICHIER.pdf",
              "tarvinel --journal DOSSIER.loc --du JJ/MM/AAAA --au JJ/MM/AAAA [--fec] -o FICHIER",
              "tarvinel --statistiques mois|locataires|lots|fournisseurs DOSSIER.loc",
              "tarvinel --version"})
            QVERIFY2(r.sortie.contains(QString::fromUtf8(ligne)), ligne);
        QCOMPARE(r.erreurs, QString());
    }

    // The version, the purpose and the licence, without a window.
    void version() {
        QTemporaryDir dir;
        const Resultat r = tarvinel({QStringLiteral("--version")}, dir.path());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.sortie, QStringLiteral("Tarvinel 1.0\nGestion des locations immobilières\n"
                                          "Licence : Logiciel propriétaire, tous droits "
                                          "réservés\n"));
        QCOMPARE(r.erreurs, QString());
    }

    // Each document of the dossier goes to a PDF file whose text is its printed text.
    void pdf_data() {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("quittance") << "quittance"
                                   << "202612001"
                                   << "Quittance N° 202612001" << QStringList();
        QTest::newRow("avis") << "avis"
                              << "202612001"
                              << "Avis N° 202612001" << QStringList();
        QTest::newRow("recu") << "recu"
                              << "200104001"
                              << "N° 200104001" << QStringList();
        QTest::newRow("commande") << "commande"
                                  << "200102001"
                                  << "200102001" << QStringList();
        QTest::newRow("decompte") << "decompte"
                                  << "10001"
                                  << "Période du 01/07/2025 au 31/12/2025, soit 184 jours sur 365"
                                  << QStringList{"--annee", "2025"};
        QTest::newRow("solde") << "solde"
                               << "10001"
                               << "Dépôt de garantie reçu" << QStringList();
    }
    void pdf() {
        QFETCH(QString, sorte);
        QFETCH(QString, numero);
        QFETCH(QString, titre);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString dossier = dossierEssai(dir);
        const QString fichier = dir.filePath(sorte + QStringLiteral(".pdf"));
        const Resultat r = tarvinel(QStringList{QStringLiteral("--pdf"), sorte, numero, dossier,
                                                QStringLiteral("-o"), fichier} +
                                        options,
                                    dir.path());
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.code, 0);
        QVERIFY(r.sortie.contains(fichier));
        QVERIFY(pdfTexte(fichier).contains(titre));
    }

    // "recu" finds a payment receipt of every kind: "Reçu", "Facture" and "Avoir".
    void pdfRecus_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("sorte");
        QTest::newRow("Reçu") << "202612001"
                              << "Reçu";
        QTest::newRow("Facture") << "202612002"
                                 << "Facture";
        QTest::newRow("Avoir") << "202612003"
                               << "Avoir";
    }
    void pdfRecus() {
        QFETCH(QString, numero);
        QFETCH(QString, sorte);
        QTemporaryDir dir;
        const QString dossier = dossierRecus(dir);
        const QString fichier = dir.filePath(QStringLiteral("recu.pdf"));
        const Resultat r = tarvinel({QStringLiteral("--pdf"), QStringLiteral("recu"), numero,
                                     dossier, QStringLiteral("-o"), fichier},
                                    dir.path());
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.code, 0);
        const QString texte = pdfTexte(fichier);
        QVERIFY2(texte.contains(sorte) && texte.contains("N° " + numero), qPrintable(texte));
    }

    // Every failure gives a French message on standard error and a non-zero exit; nothing is
    // written.
    void echecs_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("dossier absent")
            << QStringList{"--verifier", "absent.loc"} << 1 << "Le fichier n'existe pas";
        QTest::newRow("pas un dossier")
            << QStringList{"--verifier", "notes.txt"} << 1 << "Type de fichier non valide";
        QTest::newRow("trop de fiches")
            << QStringList{"--verifier", "enorme.loc"} << 1
            << "Le fichier enorme.loc contient plus de 9999 fiches : il ne peut pas être ouvert";
        QTest::newRow("numéro absent")
            << QStringList{"--pdf", "quittance", "199901001", "essai.loc", "-o", "q.pdf"} << 1
            << "Quittance 199901001 non trouvée";
        QTest::newRow("document inconnu")
            << QStringList{"--pdf", "facture", "202612001", "essai.loc", "-o", "q.pdf"} << 1
            << "Document inconnu : facture";
        QTest::newRow("sans -o") << QStringList{"--pdf", "avis", "202612001", "essai.loc"} << 2
                                 << "L'option -o est obligatoire";
        QTest::newRow("option inconnue") << QStringList{"--verifier", "essai.loc", "--vite"} << 2
                                         << "Option inconnue pour --verifier : --vite";
        QTest::newRow("date impossible")
            << QStringList{"--journal", "essai.loc",  "--du", "31/02/2026",
                           "--au",      "31/12/2026", "-o",   "j.txt"}
            << 1 << "Date incorrecte pour --du : 31/02/2026";
        QTest::newRow("période à l'envers")
            << QStringList{"--journal", "essai.loc",  "--du", "01/12/2026",
                           "--au",      "30/11/2026", "-o",   "j.txt"}
            << 1 << "La période est vide : le 01/12/2026 est après le 30/11/2026";
        QTest::newRow("journal sans dossier")
            << QStringList{"--journal", "absent.loc", "--du", "01/12/2026",
                           "--au",      "31/12/2026", "-o",   "j.txt"}
            << 1 << "Le fichier n'existe pas";
        QTest::newRow("journal sans période")
            << QStringList{"--journal", "essai.loc", "-o", "j.txt"} << 2
            << "L'option --du est obligatoire";
        QTest::newRow("statistiques des fournisseurs sans réglages")
            << QStringList{"--statistiques", "fournisseurs", "essai.loc"} << 1
            << "Les statistiques des fournisseurs calculent les commandes avec les taux de TVA du "
               "fichier Tarvinel.ini, absent de ";
        QTest::newRow("statistiques inconnues")
            << QStringList{"--statistiques", "annees", "essai.loc"} << 1
            << "Statistiques inconnues : annees (mois, locataires, lots, fournisseurs)";
        QTest::newRow("commande inconnue")
            << QStringList{"--exporter", "essai.loc"} << 2 << "Option inconnue : --exporter";
    }
    void echecs() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        dossierEssai(dir);
        QFile enorme(dir.filePath(QStringLiteral("enorme.loc")));
        QVERIFY(enorme.open(QIODevice::WriteOnly));
        for (int cle = 0; cle < 10000; ++cle)
            enorme.write(
                (TListeBase::openingLine(cle) + "\r\n" + TListeBase::closingLine(cle) + "\r\n")
                    .toLatin1());
        enorme.close();
        QFile(dir.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
        const QStringList avant = QDir(dir.path()).entryList(QDir::Files);

        const Resultat r = tarvinel(arguments, dir.path());
        QCOMPARE(r.code, code);
        QVERIFY2(r.erreurs.startsWith(QStringLiteral("tarvinel : ") + message),
                 qPrintable(r.erreurs));
        QVERIFY(r.sortie.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), avant);
    }

    // The journal of a period to a file, as the tab file or the tax office's layout, and the
    // statistics as text.
    void journalStatistiques() {
        QTemporaryDir dir;
        const QString dossier = dossierEssai(dir);
        const auto journal = [&](const QString& du, const QString& au, const QStringList& plus) {
            return tarvinel(QStringList{"--journal", dossier, "--du", du, "--au", au} + plus,
                            dir.path());
        };
        const QString tab = dir.filePath("journal.txt");
        const Resultat r = journal("01/12/2026", "31/12/2026", {"-o", tab});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.sortie,
                 "Journal du 01/12/2026 au 31/12/2026 : 3 lignes écrites dans " + tab + "\n");
        // The receipt was never validated: the tab file marks it.
        QFile f(tab);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("10/12/2026\t\tQuittance 202612001 (non valid\xe9"
                                         "e)\tV1\t\t500,00\t\r\n"
                                         "10/12/2026\t\tQuittance 202612001 (non valid\xe9"
                                         "e)\tV1\t\t\t450,00\r\n"
                                         "10/12/2026\t\tQuittance 202612001 (non valid\xe9"
                                         "e)\tV1\t\t\t50,00\r\n"));

        // The accounting entries file has no entry for it.
        const QString fec = dir.filePath("fec.txt");
        const Resultat nonValidee = journal("10/12/2026", "10/12/2026", {"--fec", "-o", fec});
        QCOMPARE(nonValidee.code, 0);
        QCOMPARE(nonValidee.sortie,
                 "Journal du 10/12/2026 au 10/12/2026 : 0 lignes écrites dans " + fec + "\n");
        QCOMPARE(contenu(fec).count("\r\n"), 1);

        // Validated, it is an entry, which needs the accounts of the settings.
        QFile quittance(dir.filePath("essai.qtc"));
        QVERIFY(quittance.open(QIODevice::ReadOnly));
        QByteArray qtc = quittance.readAll();
        quittance.close();
        QVERIFY(qtc.contains("\r\nN\r\nQUIT"));
        qtc.replace("\r\nN\r\nQUIT", "\r\nY\r\nQUIT");
        QVERIFY(quittance.open(QIODevice::WriteOnly | QIODevice::Truncate));
        quittance.write(qtc);
        quittance.close();
        QFile::remove(fec);
        const Resultat sansComptes = journal("10/12/2026", "10/12/2026", {"--fec", "-o", fec});
        QCOMPARE(sansComptes.code, 1);
        QCOMPARE(sansComptes.erreurs,
                 QString("tarvinel : Le fichier des écritures comptables demande un numéro de "
                         "compte sur chaque ligne. Comptes à régler dans Paramètres, Comptes : "
                         "Clients divers, Revenus locatifs, Charges\n"));
        QVERIFY(!QFile::exists(fec));

        QFile ini(dir.filePath("Tarvinel.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("\r\n0\r\n0\r\n0\r\n0\r\n1\r\n\r\n\r\n2.0E+001\r\n5.5E+000\r\n0.0E+000\r\n2\r\n"
                  "411000\r\n706000\r\n614000\r\n445000\r\n206000\r\n437000\r\n");
        ini.close();
        QCOMPARE(journal("10/12/2026", "10/12/2026", {"--fec", "-o", fec}).code, 0);
        QFile g(fec);
        QVERIFY(g.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = g.readAll().split('\n');
        QCOMPARE(lignes.size(), 5);
        QVERIFY(lignes[0].startsWith("JournalCode|JournalLib|EcritureNum|"));
        QCOMPARE(lignes[2],
                 QByteArray("V1|Journal des ventes|1|20261210|706000|Loyers|||202612001|20261210|"
                            "Quittance 202612001|0,00|450,00|||20261210||\r"));
        QCOMPARE(tarvinel({"--statistiques", "fournisseurs", dossier}, dir.path()).code, 0);

        QCOMPARE(journal("01/01/2027", "31/01/2027", {"-o", tab}).sortie,
                 "Journal du 01/01/2027 au 31/01/2027 : 0 lignes écrites dans " + tab + "\n");

        const Resultat mois = tarvinel({"--statistiques", "mois", dossier}, dir.path());
        QCOMPARE(mois.code, 0);
        QCOMPARE(mois.sortie, QString("\tMois\tC.A. mois\n1\tDécembre 2026\t500,00\n"));
        QCOMPARE(tarvinel({"--statistiques", "locataires", dossier}, dir.path()).sortie,
                 QString("\tCode\tNom\tC.A. HT\n1\t10001\tDupré\t500,00\n"));

        // A TAB held in a name does not add a column.
        QFile quittances(dir.filePath("essai.qtc"));
        QVERIFY(quittances.open(QIODevice::ReadOnly));
        QByteArray octets = quittances.readAll();
        quittances.close();
        octets.replace("Dupr\xe9\r\n", "Dupr\xe9\tSCI\r\n");
        QVERIFY(quittances.open(QIODevice::WriteOnly | QIODevice::Truncate));
        quittances.write(octets);
        quittances.close();
        QCOMPARE(tarvinel({"--statistiques", "locataires", dossier}, dir.path()).sortie,
                 QString("\tCode\tNom\tC.A. HT\n1\t10001\tDupré SCI\t500,00\n"));
    }

    // A base with a broken block and a copied one: the verification reports them and changes
    // nothing; the repair saves a dossier that then verifies clean.
    void verifierReparer() {
        QTemporaryDir dir;
        const QString dossier = dossierEssai(dir);
        const QString sain = tarvinel({QStringLiteral("--verifier"), dossier}, dir.path()).sortie;
        QVERIFY(sain.contains(QStringLiteral(
            "Quittances (essai.qtc) : 1 fiche(s) trouvée(s), 0 réparée(s), 0 doublon(s)")));
        QVERIFY(sain.contains(QStringLiteral(
            "Charges réelles (essai.chr) : 1 fiche(s) trouvée(s), 0 réparée(s), 0 doublon(s)")));
        QVERIFY(sain.endsWith(QStringLiteral("Le dossier est sain.\n")));

        const QString lots = dir.filePath(QStringLiteral("essai.lot"));
        ajoute(lots, "<BLOC0000>\r\n10001\r\nStudio\r\n</BLOC0000>\r\n<BLOC0001>\r\n10002\r\n");
        const QString avis = dir.filePath(QStringLiteral("essai.ech"));
        QFile copie(avis);
        QVERIFY(copie.open(QIODevice::ReadOnly));
        const QByteArray bloc = copie.readAll();
        copie.close();
        ajoute(avis, bloc);
        ajoute(dir.filePath(QStringLiteral("essai.chr")), "<BLOC0001>\r\n2\r\n");

        const Resultat verif = tarvinel({QStringLiteral("--verifier"), dossier}, dir.path());
        QCOMPARE(verif.code, 1);
        QVERIFY2(verif.sortie.contains(QStringLiteral(
                     "Lots (essai.lot) : 2 fiche(s) trouvée(s), 1 réparée(s), 0 doublon(s)")),
                 qPrintable(verif.sortie));
        QVERIFY2(verif.sortie.contains(QStringLiteral("Avis d'échéance (essai.ech) : 2 fiche(s) "
                                                      "trouvée(s), 0 réparée(s), 1 doublon(s)")),
                 qPrintable(verif.sortie));
        QVERIFY2(verif.sortie.contains(QStringLiteral("Charges réelles (essai.chr) : 2 fiche(s) "
                                                      "trouvée(s), 1 réparée(s), 0 doublon(s)")),
                 qPrintable(verif.sortie));
        QVERIFY(verif.sortie.endsWith(
            QStringLiteral("Le dossier doit être réparé : relancez avec --reparer.\n")));

        const Resultat repare = tarvinel(
            {QStringLiteral("--verifier"), dossier, QStringLiteral("--reparer")}, dir.path());
        QCOMPARE(repare.code, 0);
        QVERIFY(repare.sortie.contains(QStringLiteral("Le dossier a été réparé et enregistré")));
        const Resultat apres = tarvinel({QStringLiteral("--verifier"), dossier}, dir.path());
        QVERIFY2(apres.sortie.contains(QStringLiteral(
                     "Lots (essai.lot) : 2 fiche(s) trouvée(s), 0 réparée(s), 0 doublon(s)")),
                 qPrintable(apres.sortie));
        QVERIFY(apres.sortie.endsWith(QStringLiteral("Le dossier est sain.\n")));
    }

    // A save killed once its journal was written and its first file replaced: the repair
    // finishes it, says so and succeeds.
    void reparerFinitUnEnregistrementInterrompu() {
        QTemporaryDir dir;
        const QString dossier = dossierEssai(dir);
        const pid_t pid = ::fork();
        if (pid == 0) {
            int renommages = 0;
            EtapesFichiers::Essai arret([&](EtapesFichiers::Etape etape, const QString&) {
                if (etape == EtapesFichiers::Etape::Renommage && ++renommages == 3)
                    ::raise(SIGKILL);
                return true;
            });
            TFiche fiche;
            fiche.Charge(dossier);
            fiche.SetSauve();
            fiche.Sauve(dossier);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(QFile::exists(TFiche::journalDe(dossier)));

        const Resultat verif = tarvinel({"--verifier", dossier}, dir.path());
        QCOMPARE(verif.code, 1);
        QVERIFY(verif.sortie.endsWith("Le dossier doit être réparé : relancez avec --reparer.\n"));
        const Resultat repare = tarvinel({"--verifier", dossier, "--reparer"}, dir.path());
        QCOMPARE(repare.code, 0);
        QVERIFY2(repare.sortie.endsWith("Le dossier a été réparé et enregistré ; les fichiers "
                                        "remplacés sont gardés en sauvegarde.\n"),
                 qPrintable(repare.sortie));
        QVERIFY(!QFile::exists(TFiche::journalDe(dossier)));
        QVERIFY(tarvinel({"--verifier", dossier}, dir.path())
                    .sortie.endsWith("Le dossier est sain.\n"));
    }

    // The output of --pdf and --journal never goes over a file of the dossier, of the settings
    // or of the copies, however it is named; every file stays as it was.
    void sortiesRefusees_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("message");
        const QString dossier = "Le fichier %1 fait partie du dossier essai.loc";
        const QString reglages = "Le fichier %1 est un fichier de réglages du programme";
        const QString copies = "Le fichier %1 est dans le dossier des sauvegardes";
        for (const char* commande : {"--pdf", "--journal"}) {
            const QString c = QString::fromLatin1(commande);
            QTest::addRow("%s main file", commande) << c << "essai.loc" << dossier;
            QTest::addRow("%s other case", commande) << c << "ESSAI.LOC" << dossier;
            QTest::addRow("%s through a folder", commande)
                << c << "Sauvegardes/../essai.qtc" << dossier;
            QTest::addRow("%s companion", commande) << c << "essai.rcu" << dossier;
            QTest::addRow("%s extra file", commande) << c << "essai.chr" << dossier;
            QTest::addRow("%s messages", commande) << c << "essai.oms" << dossier;
            QTest::addRow("%s settings", commande) << c << "Tarvinel.ini" << reglages;
            QTest::addRow("%s notepad", commande) << c << "Dravenel.nte" << reglages;
            QTest::addRow("%s copies", commande) << c << "Sauvegardes/essai.pdf" << copies;
        }
    }
    void sortiesRefusees() {
        QFETCH(QString, commande);
        QFETCH(QString, sortie);
        QFETCH(QString, message);
        QTemporaryDir dir;
        dossierEssai(dir);
        QVERIFY(QDir(dir.path()).mkdir("Sauvegardes"));
        QFile(dir.filePath("Tarvinel.ini")).open(QIODevice::WriteOnly);
        QMap<QString, QByteArray> avant;
        for (const QString& nom : QDir(dir.path()).entryList(QDir::Files))
            avant[nom] = contenu(dir.filePath(nom));
        const QStringList arguments =
            commande == "--pdf"
                ? QStringList{"--pdf", "quittance", "202612001", "essai.loc", "-o", sortie}
                : QStringList{"--journal", "essai.loc",  "--du", "01/12/2026",
                              "--au",      "31/12/2026", "-o",   sortie};
        const Resultat r = tarvinel(arguments, dir.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.erreurs.startsWith("tarvinel : " + message.arg(sortie)), qPrintable(r.erreurs));
        QMap<QString, QByteArray> apres;
        for (const QString& nom : QDir(dir.path()).entryList(QDir::Files))
            apres[nom] = contenu(dir.filePath(nom));
        QCOMPARE(apres, avant);
        QCOMPARE(
            QDir(dir.filePath("Sauvegardes")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
