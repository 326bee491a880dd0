#include "core/accounting/statistiques.h"
#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "statsessai.h"

#include <QTest>

namespace {

const TMesureTexte mesure = [](const QString& texte) { return int(texte.size()) * 6; };

// The rows of a window, the amounts trimmed, each row's cells joined with "|".
QStringList rangees(SorteStats sorte, const TCumul& cumul) {
    QStringList r;
    for (QStringList cellules : LignesStats(descriptionStats(sorte), cumul, mesure)) {
        cellules.last() = cellules.last().trimmed();
        r << cellules.join('|');
    }
    return r;
}

} // namespace

class TestStatistiques : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    // Each entry is "key|name|amount", added in order.
    void cumulation_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<QStringList>("attendu");
        const int mois = int(SorteStats::Mois), locataires = int(SorteStats::Locataires);
        QTest::newRow("deux montants du mois, la somme formatée")
            << mois << QStringList{"Mars 2001||100,00", "Mars 2001||50,5"}
            << QStringList{"1|Mars 2001|150,50"};
        QTest::newRow("une clé vue une fois garde son texte")
            << mois << QStringList{"Mars 2001||50,5", "Avril 2001||  7 "}
            << QStringList{"1|Mars 2001|50,5", "2|Avril 2001|7"};
        QTest::newRow("les mois dans l'ordre où ils viennent")
            << mois << QStringList{"Mars 2001||1,00", "Janvier 2001||2,00", "Mars 2001||3,00"}
            << QStringList{"1|Mars 2001|4,00", "2|Janvier 2001|2,00"};
        QTest::newRow("un total vide ne crée pas de ligne")
            << mois << QStringList{"Mars 2001||   ", "Avril 2001||5,00"}
            << QStringList{"1|Avril 2001|5,00"};
        QTest::newRow("un montant illisible est perdu, la somme reste")
            << mois << QStringList{"Mars 2001||5,00", "Mars 2001||abc", "Mars 2001||1,00"}
            << QStringList{"1|Mars 2001|6,00"};
        QTest::newRow("locataires 1 et 12 séparés, le dernier nom gardé")
            << locataires << QStringList{"12|Martin|10,00", "1|Dupré|5,00", "12|Martin SA|1,00"}
            << QStringList{"1|1|Dupré|5,00", "2|12|Martin SA|11,00"};
        QTest::newRow("les codes en ordre de texte")
            << locataires << QStringList{"9|Roy|1,00", "2|Abel|1,00", "10|Zola|1,00"}
            << QStringList{"1|10|Zola|1,00", "2|2|Abel|1,00", "3|9|Roy|1,00"};
        QTest::newRow("la casse ne compte pas dans l'ordre")
            << locataires << QStringList{"b|x|1,00", "A|y|1,00", "a|z|1,00"}
            << QStringList{"1|A|y|1,00", "2|a|z|1,00", "3|b|x|1,00"};
    }
    void cumulation() {
        QFETCH(int, sorte);
        QFETCH(QStringList, entrees);
        QFETCH(QStringList, attendu);
        const TDescriptionStats& d = descriptionStats(SorteStats(sorte));
        TCumul cumul(QStringLiteral("0.00"), d.avecNom);
        for (const QString& e : entrees) {
            const QStringList champs = e.split('|');
            cumul.cumule(champs[0], champs[1], champs[2]);
        }
        QCOMPARE(rangees(SorteStats(sorte), cumul), attendu);
    }

    // The receipts are read through their page, in key order: the month of the receipt's own
    // date (not its period), the tenant number and name on the receipt, its total as the page
    // computes it. The date edited on the receipt page counts; the page is left on the last
    // receipt.
    void quittancesDuDossier() {
        TFiche fiche;
        remplitBase(
            fiche, Base::Quittances,
            blocQuittance(0, "200103001", "05/03/2001", "12", "Martin",
                          {"Loyer mensuel\t   100,00"}) +
                blocQuittance(1, "200103002", "20/03/2001", "1", "Dupré", {"Loyer mensuel\t50,5"}) +
                blocQuittance(2, "200104001", "02/04/2001", "12", "Martin SA",
                              {"Loyer mensuel\t    30,00", "APL\t   -10,00"}));
        fiche.AffichePage(Base::Quittances);
        TPageDocument& page = *fiche.pageDocument(Base::Quittances);
        page.saisitDate(ChampDocument::Date, QDate(2001, 4, 1));

        QStringList etapes;
        const TCumul mois =
            StatistiquesFiche(fiche, SorteStats::Mois, [&](const QString& t) { etapes << t; });
        QCOMPARE(etapes, QStringList({"Quittance 0", "Quittance 1", "Quittance 2"}));
        QCOMPARE(rangees(SorteStats::Mois, mois),
                 QStringList({"1|Avril 2001|120,00", "2|Mars 2001|50,50"}));
        QCOMPARE(fiche.base(Base::Quittances).courant(), 2);
        QCOMPARE(page.champ(ChampDocument::Numero), QString("200104001"));

        const TCumul locataires = StatistiquesFiche(fiche, SorteStats::Locataires, {});
        QCOMPARE(rangees(SorteStats::Locataires, locataires),
                 QStringList({"1|1|Dupré|50,50", "2|12|Martin SA|120,00"}));
    }

    void lots_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QString>("lot");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("l'adresse du lot") << "12"
                                          << "L1" << QStringList{"1|3 rue Haute|100,00"};
        QTest::newRow("un lot absent de la base") << "12"
                                                  << "L9" << QStringList{"1|L9|100,00"};
        QTest::newRow("un locataire sans lot") << "12"
                                               << "" << QStringList{};
        QTest::newRow("un locataire inconnu") << "77"
                                              << "L1" << QStringList{};
        QTest::newRow("le numéro entier, pas son début") << "1"
                                                         << "L1" << QStringList{};
    }
    // The tenant number of a receipt leads to its tenant's lot, and the lot to its first
    // address line; the receipts of the same lot add up.
    void lots() {
        QFETCH(QString, locataire);
        QFETCH(QString, lot);
        QFETCH(QStringList, attendu);
        TFiche fiche;
        remplitBase(fiche, Base::Locataires, blocLocataire(0, "12", lot));
        remplitBase(fiche, Base::Lots,
                    blocLot(0, "L0", "1 place Bellecour") + blocLot(1, "L1", "3 rue Haute"));
        remplitBase(fiche, Base::Quittances,
                    blocQuittance(0, "200103001", "05/03/2001", locataire, "Martin",
                                  {"Loyer mensuel\t60,00"}) +
                        blocQuittance(1, "200104001", "05/04/2001", locataire, "Martin",
                                      {"Loyer mensuel\t40,00"}));
        QCOMPARE(rangees(SorteStats::Lots, StatistiquesFiche(fiche, SorteStats::Lots, {})),
                 attendu);
    }

    // The orders add up their totals with tax by supplier code, listed in text order; the
    // window prints as the tenant statistics do.
    void fournisseurs() {
        TFiche fiche;
        remplitBase(fiche, Base::Commandes,
                    blocCommande(0, "200305001", "20", "Durand", {"\tPorte\t2\t100"}) +
                        blocCommande(1, "200305002", "100", "Bernard", {"\tVis\t1\t50"}) +
                        blocCommande(2, "200305003", "20", "Durand SA", {"\tJoint\t1\t10,5"}));
        QStringList etapes;
        const TCumul cumul = StatistiquesFiche(fiche, SorteStats::Fournisseurs,
                                               [&](const QString& t) { etapes << t; });
        QCOMPARE(etapes, QStringList({"Commande 0", "Commande 1", "Commande 2"}));
        QCOMPARE(rangees(SorteStats::Fournisseurs, cumul),
                 QStringList({"1|100|Bernard|50,00", "2|20|Durand SA|210,50"}));
        QCOMPARE(descriptionStats(SorteStats::Fournisseurs).titreImpression,
                 QString("Statistiques clients au "));
        QCOMPARE(fiche.base(Base::Commandes).courant(), 2);
    }

    // The titles: the amount's right-aligned like the amounts under it.
    void entetes() {
        const QStringList e = EntetesStats(descriptionStats(SorteStats::Mois), mesure);
        QCOMPARE(e.mid(0, 2), QStringList({"", "Mois"}));
        QCOMPARE(e[2], Rset("C.A. mois", 120, mesure));
        QVERIFY(e[2].startsWith(' '));
    }
};

QTEST_GUILESS_MAIN(TestStatistiques)
#include "tst_statistiques.moc"
