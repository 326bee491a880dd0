#include "core/app/fichiersreglages.h"
#include "core/app/tfiche.h"
#include "core/common/usererror.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray lis(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void ecris(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every value of "Tarvinel.ini" set to something other than its default.
void remplis(TFiche& fiche) {
    TReglages& r = fiche.reglages();
    r.autoOuvrir = 1;
    r.typePapier = 2;
    r.orientationEnveloppe = 1;
    r.decalageGuide = -15;
    r.tauxTVA1 = 19.6;
    r.tauxTVA2 = 5.5;
    r.tauxTVA3 = 0;
    r.nbDecimales = 2;
    r.compteClients = "411000";
    r.compteLoyers = "706100";
    r.compteCharges = "708000";
    r.compteTVA = "445710";
    r.compteTaxe = "708500 taxe";
    r.compteAPL = "";
    fiche.selections().modeSelLoc = 3;
    fiche.selections().cpSel = "33000";
    fiche.selections().villeSel = "Bègles";
}

const QByteArray IniComplet = "/home/martin/Dossiers/Dupont \xE9t\xE9.loc\r\n"
                              "1\r\n"
                              "2\r\n"
                              "1\r\n"
                              "-15\r\n"
                              "3\r\n"
                              "33000\r\n"
                              "B\xE8gles\r\n"
                              "1.96E+01\r\n"
                              "5.5E+00\r\n"
                              "0E+00\r\n"
                              "2\r\n"
                              "411000\r\n"
                              "706100\r\n"
                              "708000\r\n"
                              "445710\r\n"
                              "708500 taxe\r\n"
                              "\r\n";

} // namespace

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    void sansFichierLesValeursRestentAuDefaut() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.ChargeSoc(dir.path());
        fiche.ChargeIni(dir.path());
        fiche.ChargeCombo(dir.path());
        const TReglages& r = fiche.reglages();
        QCOMPARE(r.autoOuvrir, 0);
        QCOMPARE(r.tauxTVA1, 0.0);
        QVERIFY(r.compteAPL.isEmpty());
        QCOMPARE(r.lignesProprio, LignesProprio());
        QVERIFY(r.liste(ListeValeurs::TypesLots).isEmpty());
        QVERIFY(r.liste(ListeValeurs::FamillesFournisseurs).isEmpty());
        QCOMPARE(r.liste(ListeValeurs::Reglements),
                 QStringList({"A réception", "Réglement à 30 jours", "Réglement à 60 jours",
                              "Réglement à 90 jours", "En votre aimable réglement"}));
        QCOMPARE(fiche.selections().modeSelLoc, 0);
        const TEtatIni etat = fiche.GetIni();
        QVERIFY(!etat.autoOuvrir);
        QVERIFY(etat.chemin.isEmpty());
    }

    void iniEcritLesDixHuitLignesEtLesRelit() {
        QTemporaryDir dir;
        TFiche fiche;
        remplis(fiche);
        fiche.SauveIni(dir.path(), "/home/martin/Dossiers/Dupont été.loc");
        QCOMPARE(lis(dir.filePath("Tarvinel.ini")), IniComplet);

        TFiche relue;
        relue.ChargeIni(dir.path());
        const TReglages& r = relue.reglages();
        QCOMPARE(r.autoOuvrir, 1);
        QCOMPARE(r.typePapier, 2);
        QCOMPARE(r.orientationEnveloppe, 1);
        QCOMPARE(r.decalageGuide, -15);
        QCOMPARE(r.tauxTVA1, 19.6);
        QCOMPARE(r.tauxTVA2, 5.5);
        QCOMPARE(r.tauxTVA3, 0.0);
        QCOMPARE(r.nbDecimales, 2);
        QCOMPARE(r.compteClients, QString("411000"));
        QCOMPARE(r.compteTaxe, QString("708500 taxe"));
        QCOMPARE(r.compteAPL, QString());
        QCOMPARE(relue.selections().modeSelLoc, 3);
        QCOMPARE(relue.selections().cpSel, QString("33000"));
        QCOMPARE(relue.selections().villeSel, QString("Bègles"));
        const TEtatIni etat = relue.GetIni();
        QVERIFY(etat.autoOuvrir);
        QCOMPARE(etat.chemin, QString("/home/martin/Dossiers/Dupont été.loc"));
        QCOMPARE(etat.modeSelLoc, 3);
    }

    // A value that the file cannot hold is written empty and reported; every other setting
    // is written all the same.
    void valeurImpossibleNePerdPasLesAutres() {
        QTemporaryDir dir;
        TFiche fiche;
        remplis(fiche);
        fiche.reglages().compteCharges = "708≠00";
        const QString avertissement =
            fiche.SauveIni(dir.path(), "/home/martin/Dossiers/Dupont été.loc");
        QCOMPARE(avertissement,
                 QString("La valeur « 708≠00 » ne peut pas être enregistrée dans le fichier "
                         "Tarvinel.ini : elle est laissée vide"));
        QCOMPARE(lis(dir.filePath("Tarvinel.ini")),
                 QByteArray(IniComplet).replace("708000\r\n", "\r\n"));
    }

    void sansOuvertureAutomatiqueLeCheminEstEcritPuisOublie() {
        QTemporaryDir dir;
        TFiche fiche;
        remplis(fiche);
        fiche.SetIni(false);
        fiche.SauveIni(dir.path(), "/tmp/dupont.loc");
        QVERIFY(lis(dir.filePath("Tarvinel.ini")).startsWith("/tmp/dupont.loc\r\n0\r\n"));

        TFiche relue;
        relue.ChargeIni(dir.path());
        const TEtatIni etat = relue.GetIni();
        QVERIFY(!etat.autoOuvrir);
        QVERIFY(etat.chemin.isEmpty());
        QVERIFY(relue.ficLoc().isEmpty());
        QCOMPARE(relue.selections().cpSel, QString("33000"));
    }

    void ouvertureAutomatiqueSeulementPourUn_data() {
        QTest::addColumn<QByteArray>("ligne2");
        QTest::addColumn<bool>("automatique");
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("blancs autour") << QByteArray(" 1 ") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("2") << QByteArray("2") << false;
        QTest::newRow("illisible") << QByteArray("oui") << false;
    }
    void ouvertureAutomatiqueSeulementPourUn() {
        QFETCH(QByteArray, ligne2);
        QFETCH(bool, automatique);
        QTemporaryDir dir;
        ecris(dir.filePath("Tarvinel.ini"), "/tmp/a.loc\r\n" + ligne2 + "\r\n");
        TFiche fiche;
        fiche.ChargeIni(dir.path());
        QCOMPARE(fiche.GetIni().autoOuvrir, automatique);
        QCOMPARE(fiche.GetIni().chemin, automatique ? QString("/tmp/a.loc") : QString());
    }

    void setIniChangeLeReglageSansToucherLeChemin() {
        TFiche fiche;
        fiche.SetIni(true);
        QCOMPARE(fiche.reglages().autoOuvrir, 1);
        fiche.SetIni(false);
        QCOMPARE(fiche.reglages().autoOuvrir, 0);
        QVERIFY(fiche.GetIni().chemin.isEmpty());
    }

    void tauxDeTvaLusSousToutesLesFormes_data() {
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<double>("taux");
        QTest::newRow("décimal") << QByteArray("19.6") << 19.6;
        QTest::newRow("entier") << QByteArray("7") << 7.0;
        QTest::newRow("scientifique") << QByteArray("1.96E+01") << 19.6;
        QTest::newRow("exposant sur quatre chiffres")
            << QByteArray(" 1.96000000000000E+0001") << 19.6;
        QTest::newRow("minuscule") << QByteArray("5.5e0") << 5.5;
        QTest::newRow("signe plus") << QByteArray("+2.1") << 2.1;
        QTest::newRow("point en tête") << QByteArray(".5") << 0.5;
        QTest::newRow("négatif") << QByteArray("-1.5E-1") << -0.15;
        QTest::newRow("virgule") << QByteArray("5,5") << 0.0;
        QTest::newRow("deux signes") << QByteArray("+-5") << 0.0;
        QTest::newRow("vide") << QByteArray("") << 0.0;
        QTest::newRow("texte") << QByteArray("taux") << 0.0;
        QTest::newRow("infini") << QByteArray("inf") << 0.0;
        QTest::newRow("hors limites") << QByteArray("1E999") << 0.0;
    }
    void tauxDeTvaLusSousToutesLesFormes() {
        QFETCH(QByteArray, ligne);
        QFETCH(double, taux);
        QTemporaryDir dir;
        ecris(dir.filePath("Tarvinel.ini"),
              "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n\r\n" + ligne + "\r\n8.5\r\n");
        TFiche fiche;
        fiche.reglages().tauxTVA1 = 99;
        fiche.ChargeIni(dir.path());
        QCOMPARE(fiche.reglages().tauxTVA1, taux);
        QCOMPARE(fiche.reglages().tauxTVA2, 8.5);
    }

    void tauxEcritsSeRelisentAlIdentique_data() {
        QTest::addColumn<double>("taux");
        QTest::newRow("19,6") << 19.6;
        QTest::newRow("un tiers") << 1.0 / 3.0;
        QTest::newRow("petit") << 1e-7;
        QTest::newRow("grand") << 123456789.125;
        QTest::newRow("négatif") << -2.1;
    }
    void tauxEcritsSeRelisentAlIdentique() {
        QFETCH(double, taux);
        QTemporaryDir dir;
        TFiche fiche;
        fiche.reglages().tauxTVA3 = taux;
        fiche.SauveIni(dir.path(), QString());
        const QByteArray ligne = lis(dir.filePath("Tarvinel.ini")).split('\n').at(10);
        QVERIFY2(ligne.contains("E") && !ligne.contains(","), ligne.constData());
        TFiche relue;
        relue.ChargeIni(dir.path());
        QCOMPARE(relue.reglages().tauxTVA3, taux);
    }

    // A damaged file never stops the start: whatever does not read takes its default, the
    // rest is kept, and the next save writes the 18 lines again.
    void iniAbimeDonneLesValeursParDefaut_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("typePapier");
        QTest::addColumn<QString>("cpSel");
        QTest::addColumn<double>("tva1");
        QTest::newRow("tronqué") << QByteArray("/tmp/a.loc\r\n1\r\n3\r\n0\r\n0\r\n2\r\n75001") << 3
                                 << "75001" << 0.0;
        QTest::newRow("valeurs illisibles")
            << QByteArray("\r\nx\r\n1,5\r\n\r\n$\r\n2\r\n13\r\nAix\r\n19,6\r\n") << 0 << "13"
            << 0.0;
        QTest::newRow("octets quelconques")
            << QByteArray("\x00\xff\x81\x9d\n\r\r\x01\x02 12\t\n\x8d\x90zz", 18) << 0 << "" << 0.0;
        QTest::newRow("vide") << QByteArray() << 0 << "" << 0.0;
        QTest::newRow("lignes en trop")
            << (IniComplet + "en trop\r\n1\r\n") << 2 << "33000" << 19.6;
        QTest::newRow("fins de ligne Unix")
            << QByteArray(IniComplet).replace("\r\n", "\n") << 2 << "33000" << 19.6;
    }
    void iniAbimeDonneLesValeursParDefaut() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, typePapier);
        QFETCH(QString, cpSel);
        QFETCH(double, tva1);
        QTemporaryDir dir;
        ecris(dir.filePath("Tarvinel.ini"), contenu);
        TFiche fiche;
        fiche.ChargeIni(dir.path());
        QCOMPARE(fiche.reglages().typePapier, typePapier);
        QCOMPARE(fiche.selections().cpSel, cpSel);
        QCOMPARE(fiche.reglages().tauxTVA1, tva1);

        fiche.SauveIni(dir.path(), fiche.GetIni().chemin);
        const QByteArray ecrit = lis(dir.filePath("Tarvinel.ini"));
        QCOMPARE(ecrit.count("\r\n"), 18);
        QVERIFY(ecrit.endsWith("\r\n"));
        QCOMPARE(ecrit.count('\n'), 18);
    }

    void socHuitLignes_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("lignes");
        const QStringList huit = {"Martin Immobilier", "12, rue des Écoles",   "Bâtiment B",
                                  "33000 Bordeaux",    "05 56 00 00 00",       "123 456 789 00012",
                                  "RCS Bordeaux B 1",  "/home/martin/logo.bmp"};
        QTest::newRow("complet") << QByteArray(
                                        "Martin Immobilier\r\n12, rue des \xC9"
                                        "coles\r\nB\xE2timent B\r\n"
                                        "33000 Bordeaux\r\n05 56 00 00 00\r\n123 456 789 00012\r\n"
                                        "RCS Bordeaux B 1\r\n/home/martin/logo.bmp\r\n")
                                 << huit;
        QTest::newRow("lignes après la huitième ignorées")
            << QByteArray("Martin Immobilier\r\n12, rue des \xC9"
                          "coles\r\nB\xE2timent B\r\n"
                          "33000 Bordeaux\r\n05 56 00 00 00\r\n123 456 789 00012\r\n"
                          "RCS Bordeaux B 1\r\n/home/martin/logo.bmp\r\nneuf\r\ndix\r\n")
            << huit;
        QTest::newRow("trois lignes") << QByteArray("Martin\r\nrue\r\n\r\n")
                                      << QStringList({"Martin", "rue", "", "", "", "", "", ""});
    }
    void socHuitLignes() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, lignes);
        QTemporaryDir dir;
        ecris(dir.filePath("Tarvinel.soc"), contenu);
        TFiche fiche;
        fiche.ChargeSoc(dir.path());
        const LignesProprio& lues = fiche.reglages().lignesProprio;
        QCOMPARE(QStringList(lues.begin(), lues.end()), lignes);

        fiche.SauveSoc(dir.path());
        QByteArray attendu;
        for (const QString& ligne : lignes)
            attendu += ligne.toLatin1() + "\r\n";
        QCOMPARE(lis(dir.filePath("Tarvinel.soc")), attendu);
    }

    void proprietaireSansNomNeChangeRien() {
        TFiche fiche;
        LignesProprio avant;
        avant.fill("avant");
        fiche.SetProprio(avant);
        LignesProprio sansNom;
        sansNom.fill("nouveau");
        sansNom[0].clear();
        fiche.SetProprio(sansNom);
        QCOMPARE(fiche.reglages().lignesProprio, avant);
        LignesProprio autre = sansNom;
        autre[0] = "Martin";
        fiche.SetProprio(autre);
        QCOMPARE(fiche.reglages().lignesProprio, autre);
    }

    void cbxEcritPuisReluDonneLesMemesListes() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.SetListe(ListeValeurs::TypesLots, {"T2", "Studio", "", "Garage", "T2"});
        fiche.SetListe(ListeValeurs::FamillesFournisseurs, {"Plombier", "Électricien"});
        fiche.SetListe(ListeValeurs::Reglements, {"Comptant", "A réception"});
        fiche.SauveCombo(dir.path());
        QCOMPARE(lis(dir.filePath("Tarvinel.cbx")),
                 QByteArray("[TYPE]\r\nT2\r\nStudio\r\n\r\nGarage\r\nT2\r\n"
                            "[FOURNISSEUR]\r\nPlombier\r\n\xC9lectricien\r\n"
                            "[REGLEMENT]\r\nComptant\r\nA r\xE9"
                            "ception\r\n"));

        TFiche relue;
        QSignalSpy changes(&relue, &TFiche::listeValeursChange);
        relue.ChargeCombo(dir.path());
        QCOMPARE(changes.count(), 3);
        QCOMPARE(relue.reglages().listes, fiche.reglages().listes);
        relue.ChargeCombo(dir.path());
        QCOMPARE(relue.reglages().listes, fiche.reglages().listes);
    }

    void cbxLuSectionParSection_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("familles");
        QTest::addColumn<QStringList>("reglements");
        QTest::newRow("lignes avant le premier titre ignorées")
            << QByteArray("vieux\r\n[REGLEMENT]\r\nComptant\r\n") << QStringList() << QStringList()
            << QStringList({"Comptant"});
        QTest::newRow("sections dans un autre ordre")
            << QByteArray("[REGLEMENT]\r\nR\r\n[FOURNISSEUR]\r\nF\r\n[TYPE]\r\nT\r\n")
            << QStringList({"T"}) << QStringList({"F"}) << QStringList({"R"});
        QTest::newRow("section répétée")
            << QByteArray("[TYPE]\r\nT1\r\n[FOURNISSEUR]\r\nF\r\n[TYPE]\r\nT2\r\n")
            << QStringList({"T1", "T2"}) << QStringList({"F"}) << QStringList();
        QTest::newRow("titre comparé exactement")
            << QByteArray("[TYPE]\r\n[type]\r\n [FOURNISSEUR]\r\n")
            << QStringList({"[type]", " [FOURNISSEUR]"}) << QStringList() << QStringList();
        QTest::newRow("fichier vide")
            << QByteArray() << QStringList() << QStringList() << QStringList();
    }
    void cbxLuSectionParSection() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, types);
        QFETCH(QStringList, familles);
        QFETCH(QStringList, reglements);
        QTemporaryDir dir;
        ecris(dir.filePath("Tarvinel.cbx"), contenu);
        TFiche fiche;
        fiche.ChargeCombo(dir.path());
        QCOMPARE(fiche.reglages().liste(ListeValeurs::TypesLots), types);
        QCOMPARE(fiche.reglages().liste(ListeValeurs::FamillesFournisseurs), familles);
        QCOMPARE(fiche.reglages().liste(ListeValeurs::Reglements), reglements);
    }

    void nomsDeFichierSansEgardALaCasse() {
        QTemporaryDir dir;
        ecris(dir.filePath("TARVINEL.INI"), IniComplet);
        ecris(dir.filePath("tarvinel.Soc"), "Martin\r\n");
        TFiche fiche;
        fiche.ChargeIni(dir.path());
        fiche.ChargeSoc(dir.path());
        QCOMPARE(fiche.reglages().typePapier, 2);
        QCOMPARE(fiche.reglages().lignesProprio[0], QString("Martin"));
        fiche.SetIni(false);
        fiche.SauveIni(dir.path(), QString());
        fiche.SauveSoc(dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"TARVINEL.INI", "tarvinel.Soc"}));
        QVERIFY(lis(dir.filePath("TARVINEL.INI")).startsWith("\r\n0\r\n2\r\n"));
    }

    // Nothing the user types may break the one-value-per-line layout: such a text is
    // refused and the file on disk stays as it was.
    void texteQuiNePeutPasEtreEcritEstRefuse_data() {
        QTest::addColumn<int>("fichier");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::newRow("caractère hors page de code")
            << 0 << "Łódź"
            << "Le caractère « Ł » ne peut pas être enregistré dans le fichier Tarvinel.soc";
        QTest::newRow("retour à la ligne")
            << 0 << "Martin\nDupont"
            << "Un retour à la ligne ne peut pas être enregistré dans le fichier Tarvinel.soc";
        QTest::newRow("titre de section dans une liste")
            << 1 << "[REGLEMENT]"
            << "« [REGLEMENT] » est un titre de section du fichier Tarvinel.cbx et ne peut pas "
               "figurer dans une liste";
        QTest::newRow("retour chariot dans une liste")
            << 1 << "T2\r"
            << "Un retour à la ligne ne peut pas être enregistré dans le fichier Tarvinel.cbx";
    }
    void texteQuiNePeutPasEtreEcritEstRefuse() {
        QFETCH(int, fichier);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString nom = QStringList({"Tarvinel.soc", "Tarvinel.cbx"})[fichier];
        ecris(dir.filePath(nom), "ancien\r\n");
        TFiche fiche;
        fiche.SetIni(true);
        if (fichier == 0)
            QCOMPARE(FichiersReglages::refusLigne(texte, "Tarvinel.soc"), message);
        if (fichier == 1)
            QCOMPARE(FichiersReglages::refusValeurListe(texte), message);
        try {
            if (fichier == 0) {
                LignesProprio lignes;
                lignes[0] = "Martin";
                lignes[4] = texte;
                fiche.SetProprio(lignes);
                fiche.SauveSoc(dir.path());
            } else {
                fiche.SetListe(ListeValeurs::FamillesFournisseurs, {"Plombier", texte});
                fiche.SauveCombo(dir.path());
            }
            QFAIL("le texte a été écrit");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(lis(dir.filePath(nom)), QByteArray("ancien\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({nom}));
    }

    // A dossier opened from a folder whose name the file cannot hold costs only its automatic
    // re-opening: every other setting is written, and the user is told.
    void cheminQuiNePeutPasEtreEcrit() {
        QTemporaryDir dir;
        TFiche fiche;
        fiche.SetIni(true);
        fiche.reglages().tauxTVA1 = 5.5;
        fiche.selections().villeSel = "ANGERS";
        const QString avertissement = fiche.SauveIni(dir.path(), "/home/Kraków Łódź/dupont.loc");
        QCOMPARE(avertissement, QStringLiteral("Le dossier /home/Kraków Łódź/dupont.loc ne pourra "
                                               "pas être rouvert automatiquement : son nom ne peut "
                                               "pas être enregistré dans le fichier Tarvinel.ini"));
        TFiche relue;
        relue.ChargeIni(dir.path());
        QCOMPARE(relue.GetIni().chemin, QString());
        QCOMPARE(relue.reglages().tauxTVA1, 5.5);
        QCOMPARE(relue.selections().villeSel, QString("ANGERS"));
        QCOMPARE(fiche.SauveIni(dir.path(), "/home/Dupré/dupont.loc"), QString());
    }

    void valeursAdmisesDansUneListe_data() {
        QTest::addColumn<QString>("texte");
        QTest::newRow("vide") << "";
        QTest::newRow("accents et symboles") << "Réglement à 30 jours — 5 €";
        QTest::newRow("crochets") << "[T2]";
        QTest::newRow("titre en minuscules") << "[type]";
    }
    void valeursAdmisesDansUneListe() {
        QFETCH(QString, texte);
        QCOMPARE(FichiersReglages::refusValeurListe(texte), QString());
    }
};

QTEST_GUILESS_MAIN(TestReglages)
#include "tst_reglages.moc"
