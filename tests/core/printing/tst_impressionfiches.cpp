#include "../../common/references.h"
#include "core/printing/impenveloppe.h"
#include "core/printing/impfiche.h"
#include "core/printing/impliste.h"
#include "core/store/tlistebase.h"
#include "impressionessai.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A tenant card whose history holds `rangees` rows under its header, with two remarks.
TFicheImprimee locataire(int rangees) {
    TFicheImprimee f;
    f.sorte = FicheImprimee::Locataire;
    for (int ligne = 1; ligne <= 26; ++ligne)
        f.champs << QString("champ %1").arg(ligne);
    f.champs[0] = "10001";
    f.champs[1] = "Dupré";
    f.historique << QStringList{"Date", "Libellé", "       Montant"};
    for (int r = 1; r <= rangees; ++r)
        f.historique << QStringList{QString("%1/01/2026").arg(r % 28 + 1, 2, 10, QChar('0')),
                                    QString("Loyer %1").arg(r), "      450,00"};
    f.historique << QStringList{"", "", ""};
    f.remarques = {"Paie par virement", "Garage en sus"};
    return f;
}

// A base of `n` tenant blocks, each with its name, address, town and telephone on the lines
// the list reads.
TListeBase locataires(int n) {
    TListeBase base;
    QStringList lignes;
    for (int cle = 0; cle < n; ++cle)
        lignes << TListeBase::openingLine(cle) << QString::number(10001 + cle)
               << QString("Locataire %1").arg(cle + 1) << "1 rue Haute"
               << ""
               << "75005"
               << "Paris"
               << "01 02 03 04 05"
               << "" << TListeBase::closingLine(cle);
    base.assign(lignes);
    return base;
}

// A base of one lot with its syndic.
TListeBase unLot() {
    TListeBase lots;
    lots.assign({TListeBase::openingLine(0), "20001", "Studio Lilas", "12 rue des Lilas", "",
                 "75005", "Paris", "Syndic Dupont", "4 rue Basse", "75006 Paris", "01 44 00 00 00",
                 "STUDIO", TListeBase::closingLine(0)});
    return lots;
}

// A base of one supplier.
TListeBase unFournisseur() {
    TListeBase fournisseurs;
    fournisseurs.assign({TListeBase::openingLine(0), "10001", "Plomberie", "Durand SA",
                         "8 rue Neuve", "", "69003", "Lyon", "France", "04 72 00 00 00",
                         "04 72 00 00 01", TListeBase::closingLine(0)});
    return fournisseurs;
}

// The job that prints a card, a list or an envelope, by the name of its reference.
TTravailImpression travailEssai(const QString& nom) {
    TFicheImprimee fiche = locataire(3);
    if (nom == "fiche-lot")
        fiche.sorte = FicheImprimee::Lot;
    if (nom == "fiche-fournisseur") {
        fiche.sorte = FicheImprimee::Fournisseur;
        fiche.saisieHistorique = QStringList{"10/12/2026", "Facture", "   80,00"};
    }
    if (nom.startsWith("fiche"))
        return travailFiche(fiche);
    if (nom == "liste-locataires")
        return travailListe(ListeImprimee::Locataires,
                            lignesListe(ListeImprimee::Locataires, locataires(3), 1, 3));
    if (nom == "liste-lots")
        return travailListe(ListeImprimee::Lots, lignesListe(ListeImprimee::Lots, unLot(), 1, 1));
    if (nom == "liste-fournisseurs")
        return travailListe(ListeImprimee::Fournisseurs,
                            lignesListe(ListeImprimee::Fournisseurs, unFournisseur(), 1, 1));
    return travailEnveloppe(proprietaireEssai(),
                            {"Dupré", "12 rue des Lilas", "Bâtiment C", "75005 Paris"},
                            nom == "enveloppe-guide" ? 100 : 0, 0);
}

} // namespace

class TstImpressionFiches : public QObject {
    Q_OBJECT

private slots:
    void ficheLocataire_data() {
        QTest::addColumn<int>("rangees");
        QTest::newRow("without history") << 0;
        QTest::newRow("three rows") << 3;
    }
    void ficheLocataire() {
        QFETCH(int, rangees);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeFiche(c, locataire(rangees));
        QCOMPARE(c.pages(), 1);
        QCOMPARE(textesA(c, 5, 5), QStringList{"N° locataire"});
        QCOMPARE(textesA(c, 35, 5), QStringList{"10001"});
        QCOMPARE(textesA(c, 55, 50), QStringList{"Sorti"});
        QCOMPARE(textesA(c, 175, 40), QStringList{"Total dû"});
        QCOMPARE(textesA(c, 190, 40), QStringList{"champ 26"});
        // The history's header at 60 mm, its amount title right-aligned by its blanks.
        QCOMPARE(textesA(c, 5, 60), QStringList{"Date"});
        QCOMPARE(textesA(c, 35, 60), QStringList{"Libellé"});
        QCOMPARE(textesA(c, 60, 60), QStringList{"       Montant"});
        for (int r = 1; r <= rangees; ++r)
            QCOMPARE(textesA(c, 35, 60 + 5 * r), QStringList{QString("Loyer %1").arg(r)});
        QCOMPARE(textesA(c, 35, 65 + 5 * rangees), QStringList());
        QCOMPARE(textesA(c, 120, 60), QStringList{"Paie par virement"});
        QCOMPARE(textesA(c, 120, 65), QStringList{"Garage en sus"});
        for (const TTrace& t : c.textes()) {
            QCOMPARE(t.taille, 10);
            QVERIFY(!t.gras);
        }
    }

    void fichesLotEtFournisseur_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("lot: syndic") << int(FicheImprimee::Lot) << "Syndic" << 5 << 35 << "champ 7";
        QTest::newRow("lot: EDF meter")
            << int(FicheImprimee::Lot) << "Cpt EDF" << 165 << 50 << "champ 19";
        QTest::newRow("lot: GDF meter")
            << int(FicheImprimee::Lot) << "Cpt GDF" << 110 << 55 << "champ 20";
        QTest::newRow("supplier: name")
            << int(FicheImprimee::Fournisseur) << "Nom / Société" << 5 << 10 << "champ 3";
        QTest::newRow("supplier: counter code")
            << int(FicheImprimee::Fournisseur) << "Code guichet" << 150 << 15 << "champ 14";
        QTest::newRow("supplier: account")
            << int(FicheImprimee::Fournisseur) << "Compte" << 110 << 50 << "champ 22";
    }
    void fichesLotEtFournisseur() {
        QFETCH(int, sorte);
        QFETCH(QString, libelle);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, valeur);
        TFicheImprimee f = locataire(2);
        f.sorte = FicheImprimee(sorte);
        const bool fournisseur = f.sorte == FicheImprimee::Fournisseur;
        if (fournisseur)
            f.saisieHistorique = QStringList{"10/12/2026", "Facture", "   80,00"};
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeFiche(c, f);
        QVERIFY(textesA(c, x, y).contains(libelle));
        const TTrace* t = c.trouve(valeur);
        QVERIFY(t);
        QCOMPARE(t->de().y(), mv(y));
        // History and remarks from 70 mm.
        QCOMPARE(textesA(c, 5, 70), QStringList{"Date"});
        QCOMPARE(textesA(c, 120, 70), QStringList{"Paie par virement"});
        // The supplier card shows its history entry panel at 60 mm.
        QCOMPARE(textesA(c, 35, 60), fournisseur ? QStringList{"Facture"} : QStringList());
    }

    // A history longer than the page goes on to the next, under the card's number and name
    // and the history's header; no row is lost.
    void ficheLongue() {
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeFiche(c, locataire(100));
        QCOMPARE(c.pages(), 3);
        QStringList loyers;
        for (const TTrace& t : c.textes()) {
            if (QRegularExpression("^Loyer \\d+$").match(t.texte).hasMatch())
                loyers << t.texte;
            QVERIFY(t.boite.bottom() < 6600);
        }
        QCOMPARE(loyers.size(), 100);
        QCOMPARE(loyers.last(), QString("Loyer 100"));
        QCOMPARE(loyers.removeDuplicates(), 0);
        for (int page = 2; page <= 3; ++page) {
            QCOMPARE(textesA(c, 35, 5, page), QStringList{"10001"});
            QCOMPARE(textesA(c, 35, 10, page), QStringList{"Dupré"});
            QCOMPARE(textesA(c, 5, 20, page), QStringList{"Date"});
        }
        QCOMPARE(c.trouve("Loyer 100")->page, 3);
    }

    void listeTroisLocataires() {
        const QList<QStringList> lignes =
            lignesListe(ListeImprimee::Locataires, locataires(3), 1, 3);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(TOrientation::Paysage);
        ImprimeListe(c, ListeImprimee::Locataires, lignes);
        QCOMPARE(c.pages(), 1);
        QCOMPARE(textesA(c, 5, 0), QStringList{"Nom/Société"});
        QCOMPARE(textesA(c, 255, 0), QStringList{"Fax"});
        QCOMPARE(textesA(c, 5, 10), QStringList{"Locataire 1"});
        QCOMPARE(textesA(c, 5, 15), QStringList{"Locataire 2"});
        QCOMPARE(textesA(c, 5, 20), QStringList{"Locataire 3"});
        QCOMPARE(textesA(c, 175, 20), QStringList{"Paris"});
        QCOMPARE(textesA(c, 225, 20), QStringList{"01 02 03 04 05"});
        const TTrace& regle = c.traces().at(7);
        QCOMPARE(regle.genre, TTrace::Genre::Ligne);
        QCOMPARE(regle.de(), QPoint(mh(5), mv(5)));
        QCOMPARE(regle.a(), QPoint(mh(300), mv(5)));
    }

    // 35 records fill a landscape page of the 600-dpi printer, down to 180 mm.
    void listeLongue_data() {
        QTest::addColumn<int>("fiches");
        QTest::addColumn<int>("pages");
        QTest::newRow("one page full") << 35 << 1;
        QTest::newRow("one more") << 36 << 2;
        QTest::newRow("two pages full") << 70 << 2;
    }
    void listeLongue() {
        QFETCH(int, fiches);
        QFETCH(int, pages);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(TOrientation::Paysage);
        ImprimeListe(c, ListeImprimee::Locataires,
                     lignesListe(ListeImprimee::Locataires, locataires(fiches), 1, fiches));
        QCOMPARE(c.pages(), pages);
        QCOMPARE(textesA(c, 5, 180), QStringList{"Locataire 35"});
        if (pages > 1) {
            QCOMPARE(textesA(c, 5, 0, 2), QStringList{"Nom/Société"});
            QCOMPARE(textesA(c, 5, 10, 2), QStringList{"Locataire 36"});
        }
    }

    // The pages of the print dialog stand for the keys 0 to N - 1 of the N records: a range
    // beyond them keeps within them, and a key missing from the base is left out.
    void plageListe_data() {
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("derniere");
        QTest::addColumn<QStringList>("noms");
        QTest::newRow("all") << 1 << 3 << QStringList{"Locataire 1", "Locataire 2"};
        QTest::newRow("second only") << 2 << 2 << QStringList{"Locataire 2"};
        QTest::newRow("beyond the base") << 0 << 99 << QStringList{"Locataire 1", "Locataire 2"};
        QTest::newRow("the missing key") << 3 << 3 << QStringList();
    }
    void plageListe() {
        QFETCH(int, premiere);
        QFETCH(int, derniere);
        QFETCH(QStringList, noms);
        TListeBase base = locataires(4);
        base.supBloc(2);
        QStringList lus;
        for (const QStringList& l :
             lignesListe(ListeImprimee::Locataires, base, premiere, derniere))
            lus << l.value(0);
        QCOMPARE(lus, noms);
    }

    void listeLots() {
        const TListeBase lots = unLot();
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(TOrientation::Paysage);
        ImprimeListe(c, ListeImprimee::Lots, lignesListe(ListeImprimee::Lots, lots, 1, 1));
        QCOMPARE(textesA(c, 5, 0), QStringList{"Désignation"});
        QCOMPARE(textesA(c, 265, 0), QStringList{"Téléphone"});
        QCOMPARE(textesA(c, 5, 10), QStringList{"Studio Lilas"});
        QCOMPARE(textesA(c, 225, 10), QStringList{"Syndic Dupont"});
        QCOMPARE(textesA(c, 265, 10), QStringList{"01 44 00 00 00"});
    }

    // The supplier list has no header: its first record at 10 mm, nothing above it.
    void listeFournisseurs() {
        const TListeBase fournisseurs = unFournisseur();
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(TOrientation::Paysage);
        ImprimeListe(c, ListeImprimee::Fournisseurs,
                     lignesListe(ListeImprimee::Fournisseurs, fournisseurs, 1, 1));
        QCOMPARE(c.traces().size(), 7);
        QCOMPARE(textesA(c, 5, 10), QStringList{"Durand SA"});
        QCOMPARE(textesA(c, 225, 10), QStringList{"04 72 00 00 00"});
        QCOMPARE(textesA(c, 255, 10), QStringList{"04 72 00 00 01"});
    }

    void enveloppe_data() {
        QTest::addColumn<int>("decalage");
        QTest::addColumn<int>("orientation");
        QTest::newRow("upright, no guide") << 0 << 0;
        QTest::newRow("guide on the right") << 100 << 0;
        QTest::newRow("on its side") << 0 << 1;
    }
    void enveloppe() {
        QFETCH(int, decalage);
        QFETCH(int, orientation);
        const TTravailImpression travail = travailEnveloppe(
            proprietaireEssai(), {"Dupré", "12 rue des Lilas", "Bâtiment C", "75005 Paris"},
            decalage, orientation);
        QCOMPARE(travail.orientation,
                 orientation == 1 ? TOrientation::Paysage : TOrientation::Portrait);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(travail.orientation);
        travail.dessine(c);
        const int d = decalage;
        QCOMPARE(textesA(c, 5, d + 5), QStringList{"Martin Immobilier"});
        QCOMPARE(textesA(c, 5, d + 10), QStringList{"3 place du Marché"});
        QCOMPARE(textesA(c, 5, d + 15), QStringList{"Bâtiment B"});
        QCOMPARE(textesA(c, 5, d + 20), QStringList{"69001 Lyon"});
        QCOMPARE(textesA(c, 110, d + 50), QStringList{"Dupré"});
        QCOMPARE(textesA(c, 110, d + 60), QStringList{"Bâtiment C"});
        QCOMPARE(textesA(c, 110, d + 65), QStringList{"75005 Paris"});
        QCOMPARE(c.textes().size(), 8);
    }

    // Each card, list and envelope stroke by stroke, on the paper its job turns to.
    void releve_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom :
             {"fiche-locataire", "fiche-lot", "fiche-fournisseur", "liste-locataires", "liste-lots",
              "liste-fournisseurs", "enveloppe", "enveloppe-guide"})
            QTest::newRow(nom) << QString(nom);
    }
    void releve() {
        QFETCH(QString, nom);
        const TTravailImpression travail = travailEssai(nom);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(travail.orientation);
        travail.dessine(c);
        COMPARE_REFERENCE(c.releve(), "impression/" + nom + ".txt");
    }
};

QTEST_GUILESS_MAIN(TstImpressionFiches)
#include "tst_impressionfiches.moc"
