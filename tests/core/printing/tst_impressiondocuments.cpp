#include "../../common/references.h"
#include "core/printing/entete.h"
#include "core/printing/impcommande.h"
#include "core/printing/impdocument.h"
#include "core/printing/tfeuille.h"
#include "impressionessai.h"

#include <QTest>

namespace {

using S = SorteImprimee;

TDocumentImprime documentEssai(S sorte) {
    TDocumentImprime d = quittanceEssai();
    d.sorte = sorte;
    if (sorte == S::Recu) {
        d.genre = "Facture";
        d.enLettres = "Quatre cents Euros -  zéro Cts";
    }
    return d;
}

TCommandeImprimee commandeEssai(bool ttc) {
    TCommandeImprimee c;
    c.numero = "202612004";
    c.date = "10/12/2026";
    c.codeFournisseur = "10002";
    c.reglement = "Réglement à 30 jours";
    c.coordonnees = {"Plomberie Durand", "8 rue Neuve", "", "69003 Lyon"};
    c.ttc = ttc;
    c.lignes = {{"J12", "Joint de robinet", "     2", "  100,00", "10", "  180,00", "1"},
                {"", "", "", "", "", "", ""}};
    c.totalHT = "180,00";
    c.totalTVA = "35,28";
    c.totalTTCEuros = "215,28";
    c.totalTTCFrancs = "1412,14";
    c.memo = {"Livraison le matin"};
    return c;
}

TCanevasEnregistre imprimeDocument(const TDocumentImprime& d, int typePapier = 0) {
    TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
    ImprimeDocument(c, d, typePapier, proprietaireEssai());
    return c;
}

bool aUnCadre(const TCanevasEnregistre& c) {
    for (const TTrace& t : c.traces())
        if (t.genre == TTrace::Genre::Rectangle && t.de() == QPoint(mh(15), mv(90)) &&
            t.a() == QPoint(mh(195), mv(270)))
            return true;
    return false;
}

} // namespace

class TstImpressionDocuments : public QObject {
    Q_OBJECT

private slots:
    // The whole number of pixels a millimetre: 4800 / 203 and 6600 / 279 are 23, not 23.6.
    void millimetres_data() {
        QTest::addColumn<int>("mm");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::newRow("0 mm") << 0 << 0 << 69;
        QTest::newRow("15 mm") << 15 << 345 << 414;
        QTest::newRow("195 mm") << 195 << 4485 << 4554;
        QTest::newRow("273 mm") << 273 << 6279 << 6348;
    }
    void millimetres() {
        QFETCH(int, mm);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        TFeuille f(c);
        QCOMPARE(f.Mh(mm), horizontal);
        QCOMPARE(f.Mv(mm), vertical);
    }

    void enTete_data() {
        QTest::addColumn<bool>("commande");
        QTest::addColumn<QString>("siret");
        QTest::addColumn<QString>("rc");
        QTest::addColumn<QStringList>("a30");
        QTest::addColumn<QStringList>("a35");
        QTest::newRow("receipt with Siret")
            << false << "123"
            << "B 45" << QStringList{"Siret 123"} << QStringList{"R.C. B 45"};
        QTest::newRow("receipt without Siret")
            << false << ""
            << "B 45" << QStringList() << QStringList{"R.C. B 45"};
        QTest::newRow("receipt without numbers") << false << ""
                                                 << "" << QStringList() << QStringList();
        QTest::newRow("order with Siret") << true << "123"
                                          << "B 45" << QStringList{"123"} << QStringList{"B 45"};
        QTest::newRow("order without Siret") << true << ""
                                             << "B 45" << QStringList{""} << QStringList{"B 45"};
    }
    void enTete() {
        QFETCH(bool, commande);
        QFETCH(QString, siret);
        QFETCH(QString, rc);
        QFETCH(QStringList, a30);
        QFETCH(QStringList, a35);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        TFeuille f(c);
        (commande ? EnTete6 : EnTete)(f, proprietaireEssai(siret, rc));
        QCOMPARE(textesA(c, 15, 0), QStringList{"Martin Immobilier"});
        QCOMPARE(c.trouve("Martin Immobilier")->taille, 14);
        QCOMPARE(textesA(c, 15, 10), QStringList{"3 place du Marché"});
        QCOMPARE(textesA(c, 15, 25), QStringList{"04 78 00 00 00"});
        QCOMPARE(textesA(c, 15, 30), a30);
        QCOMPARE(textesA(c, 15, 35), a35);
        for (const TTrace& t : c.textes())
            QVERIFY(t.gras);
    }

    // Plain paper has the frame and the owner's header; letterhead the frame only.
    void papier_data() {
        QTest::addColumn<int>("typePapier");
        QTest::addColumn<bool>("cadre");
        QTest::addColumn<bool>("entete");
        QTest::newRow("plain paper") << 0 << true << true;
        QTest::newRow("letterhead") << 1 << true << false;
        QTest::newRow("other value") << 2 << false << false;
    }
    void papier() {
        QFETCH(int, typePapier);
        QFETCH(bool, cadre);
        QFETCH(bool, entete);
        const TCanevasEnregistre c = imprimeDocument(quittanceEssai(), typePapier);
        QCOMPARE(aUnCadre(c), cadre);
        QCOMPARE(c.trouve("Désignation") != nullptr, cadre);
        QCOMPARE(c.trouve("Martin Immobilier") != nullptr, entete);
        QVERIFY(c.trouve("Quittance N° 202612001"));
        QCOMPARE(c.pages(), 1);
    }

    // Each text of a document that fits on its page, where it stands: left-aligned texts
    // from x, right-aligned ones ending at x.
    void textes_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("droite");
        QTest::addColumn<int>("taille");
        QTest::addColumn<bool>("gras");
        const int q = int(S::Quittance);
        const int a = int(S::Avis);
        const int r = int(S::Recu);
        QTest::newRow("receipt title")
            << q << "Quittance de loyer" << 116 << 40 << false << 14 << true;
        QTest::newRow("tenant name") << q << "Dupré" << 116 << 60 << false << 10 << true;
        QTest::newRow("town") << q << "75005 Paris" << 116 << 75 << false << 10 << true;
        QTest::newRow("month") << q << "Mois Décembre 2026" << 20 << 69 << false << 12 << true;
        QTest::newRow("period") << q << "Du 01/12/2026 au 31/12/2026" << 20 << 74 << false << 12
                                << true;
        QTest::newRow("payment mode")
            << q << "Règlement : Chèque" << 20 << 79 << false << 12 << true;
        QTest::newRow("number") << q << "Quittance N° 202612001" << 20 << 84 << false << 12 << true;
        QTest::newRow("date") << q << "Date 10/12/2026" << 116 << 84 << false << 12 << true;
        QTest::newRow("first row") << q << "Loyer mensuel" << 17 << 105 << false << 10 << false;
        QTest::newRow("first amount") << q << "450,00" << 191 << 105 << true << 10 << false;
        QTest::newRow("third row") << q << "APL" << 17 << 115 << false << 10 << false;
        QTest::newRow("third amount") << q << "-100,00" << 191 << 115 << true << 10 << false;
        QTest::newRow("total caption") << q << "Total " << 124 << 254 << false << 12 << true;
        QTest::newRow("euros") << q << "400,00 Euros" << 189 << 248 << true << 12 << true;
        QTest::newRow("francs") << q << "2623,83 Francs" << 189 << 261 << true << 12 << true;
        QTest::newRow("memo, first line") << q << "Merci" << 22 << 210 << false << 10 << false;
        QTest::newRow("memo, last line at 215")
            << q << "Bonne année" << 22 << 215 << false << 10 << false;
        QTest::newRow("receipt foot")
            << q << "La présente quittance ne libère l'occupant que pour la période" << 17 << 248
            << false << 8 << false;
        QTest::newRow("notice title") << a << "Avis d'échéance" << 116 << 40 << false << 14 << true;
        QTest::newRow("notice number")
            << a << "Avis N° 202612001" << 20 << 84 << false << 12 << true;
        QTest::newRow("notice foot")
            << a << "pourra vous être remise après règlement." << 17 << 252 << false << 8 << false;
        QTest::newRow("notice memo") << a << "Bonne année" << 22 << 215 << false << 10 << false;
        QTest::newRow("payment receipt number")
            << r << "Facture N° 202612001" << 20 << 84 << false << 12 << true;
        QTest::newRow("payment mode of a payment receipt")
            << r << "Règlement : Chèque" << 20 << 79 << false << 12 << true;
        QTest::newRow("amount in words")
            << r << "Quatre cents Euros -  zéro Cts" << 20 << 248 << false << 12 << true;
        QTest::newRow("payment receipt francs")
            << r << "2623,83 Francs" << 189 << 261 << true << 12 << true;
    }
    void textes() {
        QFETCH(int, sorte);
        QFETCH(QString, texte);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, droite);
        QFETCH(int, taille);
        QFETCH(bool, gras);
        const TCanevasEnregistre c = imprimeDocument(documentEssai(S(sorte)));
        const TTrace* t = c.trouve(texte);
        QVERIFY2(t, qPrintable(texte));
        QCOMPARE(droite ? t->boite.x() + t->boite.width() : t->boite.x(), mh(x));
        QCOMPARE(t->boite.y(), mv(y));
        QCOMPARE(t->police, QString("Arial"));
        QCOMPARE(t->taille, taille);
        QCOMPARE(t->gras, gras);
    }

    // What a kind of document leaves out.
    void absents_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QStringList>("absents");
        QTest::newRow("notice") << int(S::Avis)
                                << QStringList{"Quittance de loyer", "Règlement : Chèque",
                                               "La présente quittance ne libère l'occupant que "
                                               "pour la période"};
        QTest::newRow("payment receipt")
            << int(S::Recu)
            << QStringList{"Quittance de loyer",
                           "Avis d'échéance",
                           "Total ",
                           "Merci",
                           "Mois Décembre 2026",
                           "La présente quittance ne libère l'occupant que pour la période"};
    }
    void absents() {
        QFETCH(int, sorte);
        QFETCH(QStringList, absents);
        const TCanevasEnregistre c = imprimeDocument(documentEssai(S(sorte)));
        for (const QString& texte : absents)
            QVERIFY2(!c.trouve(texte), qPrintable(texte));
    }

    // Blank lines at the end of a memo do not lift its last line from 215 mm.
    void finDuMemo() {
        TDocumentImprime d = quittanceEssai();
        d.memo << ""
               << "  ";
        const TCanevasEnregistre c = imprimeDocument(d);
        QCOMPARE(textesA(c, 22, 215), QStringList{"Bonne année"});
    }

    // Each layout stroke by stroke: its frame, its header, its column titles and its rows.
    void releve_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QString>("reference");
        QTest::newRow("receipt") << int(S::Quittance) << "impression/quittance.txt";
        QTest::newRow("notice") << int(S::Avis) << "impression/avis.txt";
        QTest::newRow("payment receipt") << int(S::Recu) << "impression/recu.txt";
    }
    void releve() {
        QFETCH(int, sorte);
        QFETCH(QString, reference);
        const TCanevasEnregistre c = imprimeDocument(documentEssai(S(sorte)));
        COMPARE_REFERENCE(c.releve(), reference);
    }

    void releveCommande_data() {
        QTest::addColumn<bool>("ttc");
        QTest::addColumn<QString>("reference");
        QTest::newRow("before tax") << false << "impression/commande-ht.txt";
        QTest::newRow("tax included") << true << "impression/commande-ttc.txt";
    }
    void releveCommande() {
        QFETCH(bool, ttc);
        QFETCH(QString, reference);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeCommande(c, commandeEssai(ttc), 0, proprietaireEssai());
        COMPARE_REFERENCE(c.releve(), reference);
    }

    // The rows that do not fit go on to the next pages, which repeat the frame and the
    // headers; the totals and the memo are on the last page; nothing overlaps.
    void debordement_data() {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("memo");
        QTest::addColumn<int>("pages");
        QTest::newRow("28 rows fit") << 28 << 0 << 1;
        QTest::newRow("29 rows") << 29 << 0 << 2;
        QTest::newRow("20 rows and 3 memo lines fit") << 20 << 3 << 1;
        QTest::newRow("21 rows and 3 memo lines") << 21 << 3 << 2;
        QTest::newRow("63 rows") << 63 << 0 << 3;
        QTest::newRow("memo of 23 lines alone") << 0 << 23 << 1;
        QTest::newRow("memo of 40 lines") << 0 << 40 << 2;
        QTest::newRow("10 rows and a memo of 30 lines") << 10 << 30 << 2;
    }
    void debordement() {
        QFETCH(int, lignes);
        QFETCH(int, memo);
        QFETCH(int, pages);
        TDocumentImprime d = quittanceEssai();
        d.lignes.clear();
        for (int k = 1; k <= lignes; ++k)
            d.lignes.append({QString("Ligne %1").arg(k), QString("%1,00").arg(k)});
        d.memo.clear();
        for (int i = 1; i <= memo; ++i)
            d.memo.append(QString("Note %1").arg(i));
        const TCanevasEnregistre c = imprimeDocument(d);
        QCOMPARE(c.pages(), pages);
        verifieSansChevauchement(c);
        for (int page = 1; page <= pages; ++page) {
            QCOMPARE(textesA(c, 116, 40, page), QStringList{"Quittance de loyer"});
            QCOMPARE(textesA(c, 20, 84, page), QStringList{"Quittance N° 202612001"});
            QCOMPARE(textesA(c, 15, 0, page), QStringList{"Martin Immobilier"});
            QCOMPARE(textesA(c, 17, 92, page), QStringList{"Désignation"});
            const bool derniere = page == pages;
            QCOMPARE(textesA(c, 124, 254, page), derniere ? QStringList{"Total "} : QStringList());
            if (pages > 1) {
                const TTrace* numero = c.trouve(QString("Page %1/%2").arg(page).arg(pages));
                QVERIFY(numero && numero->page == page);
            }
        }
        // Every row and memo line once, in order, inside the lines zone.
        QStringList attendus;
        for (int k = 1; k <= lignes; ++k)
            attendus << QString("Ligne %1").arg(k);
        for (int i = 1; i <= memo; ++i)
            attendus << QString("Note %1").arg(i);
        QStringList imprimes;
        for (const TTrace& t : c.textes())
            if (t.texte.startsWith("Ligne ") || t.texte.startsWith("Note ")) {
                imprimes << t.texte;
                QVERIFY(t.boite.y() >= mv(105));
                QVERIFY(t.boite.bottom() < mv(245));
            }
        QCOMPARE(imprimes, attendus);
        QCOMPARE(c.trouve("400,00 Euros")->page, pages);
        QCOMPARE(c.trouve("Suite page suivante") != nullptr, pages > 1);
    }

    void montantCommande_data() {
        QTest::addColumn<bool>("ttc");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("autre");
        QTest::newRow("tax included") << true << "Montant TTC"
                                      << "Montant H.T.";
        QTest::newRow("before tax") << false << "Montant H.T."
                                    << "Montant TTC";
    }
    void montantCommande() {
        QFETCH(bool, ttc);
        QFETCH(QString, titre);
        QFETCH(QString, autre);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeCommande(c, commandeEssai(ttc), 0, proprietaireEssai());
        QCOMPARE(textesA(c, 166, 92), QStringList{titre});
        QVERIFY(!c.trouve(autre));
    }

    void textesCommande_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("droite");
        QTest::addColumn<int>("taille");
        QTest::addColumn<bool>("gras");
        QTest::newRow("supplier") << "Plomberie Durand" << 116 << 60 << false << 10 << true;
        QTest::newRow("date") << "Date 10/12/2026" << 116 << 84 << false << 12 << true;
        QTest::newRow("supplier code")
            << "Code fournisseur : 10002" << 20 << 79 << false << 12 << true;
        QTest::newRow("number") << "Commande N° 202612004" << 20 << 84 << false << 12 << true;
        QTest::newRow("reference") << "J12" << 22 << 105 << false << 10 << false;
        QTest::newRow("designation") << "Joint de robinet" << 42 << 105 << false << 10 << false;
        QTest::newRow("quantity") << "2" << 124 << 105 << true << 10 << false;
        QTest::newRow("unit price") << "100,00" << 149 << 105 << true << 10 << false;
        QTest::newRow("discount") << "10" << 159 << 105 << true << 10 << false;
        QTest::newRow("amount") << "180,00" << 184 << 105 << true << 10 << false;
        QTest::newRow("VAT code, in its column") << "1" << 191 << 105 << false << 10 << false;
        QTest::newRow("total before tax") << "180,00" << 104 << 248 << true << 12 << false;
        QTest::newRow("total VAT") << "35,28" << 104 << 261 << true << 12 << false;
        QTest::newRow("total euros") << "215,28 Euros" << 189 << 248 << true << 12 << true;
        QTest::newRow("total francs") << "1412,14 Francs" << 189 << 261 << true << 12 << true;
        QTest::newRow("payment terms")
            << "Réglement : Réglement à 30 jours" << 20 << 273 << false << 10 << false;
        QTest::newRow("memo") << "Livraison le matin" << 22 << 215 << false << 10 << false;
        QTest::newRow("caption before tax") << "Total H.T." << 50 << 248 << false << 10 << true;
        QTest::newRow("caption with tax") << "Total TTC" << 108 << 255 << false << 12 << true;
    }
    void textesCommande() {
        QFETCH(QString, texte);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, droite);
        QFETCH(int, taille);
        QFETCH(bool, gras);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeCommande(c, commandeEssai(false), 0, proprietaireEssai());
        const QList<TTrace> textes = c.textes();
        const auto t = std::find_if(textes.begin(), textes.end(), [&](const TTrace& t) {
            return t.texte == texte && t.boite.y() == mv(y);
        });
        QVERIFY2(t != textes.end(), qPrintable(texte));
        QCOMPARE(droite ? t->boite.x() + t->boite.width() : t->boite.x(), mh(x));
        QCOMPARE(t->taille, taille);
        QCOMPARE(t->gras, gras);
        verifieSansChevauchement(c);
    }

    void commandeLongue() {
        TCommandeImprimee commande = commandeEssai(true);
        commande.lignes.clear();
        for (int k = 1; k <= 40; ++k)
            commande.lignes.append(
                {"R" + QString::number(k), "Article", "1", "1,00", "", "1,00", "1"});
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeCommande(c, commande, 1, proprietaireEssai());
        QCOMPARE(c.pages(), 2);
        verifieSansChevauchement(c);
        QCOMPARE(c.trouve("R29")->page, 2);
        QCOMPARE(textesA(c, 22, 105, 2), QStringList{"R29"});
        QCOMPARE(textesA(c, 166, 92, 2), QStringList{"Montant TTC"});
        QCOMPARE(c.trouve("215,28 Euros")->page, 2);
        QVERIFY(!c.trouve("Martin Immobilier"));
    }
};

QTEST_GUILESS_MAIN(TstImpressionDocuments)
#include "tst_impressiondocuments.moc"
