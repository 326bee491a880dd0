#include "gestionessai.h"

#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/revenusfonciers.h"

#include <QTest>

using namespace Essai;

namespace {

QStringList commande(int cle, const QString& numero, const QString& date, bool validee,
                     const QString& prix) {
    return bloc(cle, 10,
                {{1, "NUMC" + numero},
                 {2, date},
                 {3, "20001"},
                 {5, "Plomberie Morel"},
                 {9, "TTCY"},
                 {10, validee ? "Y" : "N"}},
                {"CMDE\tTravaux\t1\t" + prix + "\t\t" + prix + "\t1"});
}

} // namespace

class TestRevenusFonciers : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 3, 1), QTime(9, 0))};

    // Two years, three lots (the third without a receipt), a tenant of a lot that does not
    // exist, a tenant without a lot, a receipt of a tenant who does not exist and one not
    // validated; the housing allowance is part of the rent received.
    void dossier(TFiche& fiche) {
        remplit(fiche, Base::Lots,
                bloc(0, 21, {{1, "1"}, {2, "Studio Bellecour"}}) +
                    bloc(1, 21, {{1, "2"}, {2, "T2 Part-Dieu"}}) +
                    bloc(2, 21, {{1, "3"}, {2, "Garage"}}));
        remplit(
            fiche, Base::Locataires,
            locataires({locataire("10001", "Arnaud", {}, {}, "1"),
                        locataire("10002", "Bertin", {}, {}, "2"),
                        locataire("10003", "Chevalier", {}, {}, "3"),
                        locataire("10004", "Dumas", {}, {}, "9"), locataire("10005", "Étienne")}));
        const QString l = "Loyer mensuel\t";
        const QString c = "Provision pour charges\t";
        remplit(fiche, Base::Quittances,
                quittance(0, "202601001", "05/01/2026", "10001", "Janvier 2026", true,
                          {l + "   500,00", c + "    40,00"}) +
                    quittance(1, "202602001", "05/02/2026", "10001", "Février 2026", true,
                              {l + "   500,00", c + "    40,00", "APL\t  -100,00"}) +
                    quittance(2, "202512001", "05/12/2025", "10002", "Décembre 2025", true,
                              {l + "   600,00"}) +
                    quittance(3, "202601002", "06/01/2026", "10002", "Janvier 2026", true,
                              {l + "   600,00", c + "    50,00", "Taxe Additionnelle\t20,00"}) +
                    quittance(4, "202601003", "06/01/2026", "10003", "Janvier 2026", false,
                              {l + "   700,00"}) +
                    quittance(5, "202601004", "07/01/2026", "10099", "Janvier 2026", true,
                              {l + "   300,00"}) +
                    quittance(6, "202601005", "07/01/2026", "10004", "Janvier 2026", true,
                              {l + "   350,00"}) +
                    quittance(7, "202601006", "08/01/2026", "10005", "Janvier 2026", true,
                              {l + "   100,00"}));
        remplit(fiche, Base::Commandes,
                commande(0, "202603001", "10/03/2026", true, "120,00") +
                    commande(1, "202604001", "10/04/2026", false, "999,00") +
                    commande(2, "202511001", "10/11/2025", true, "50,00"));
        fiche.base(Base::Commandes).allerA(1);
        fiche.page(Base::Commandes)->lit();
    }

private slots:
    void yearSummary_data() {
        QTest::addColumn<int>("annee");
        QTest::addColumn<QList<QStringList>>("attendu");
        QTest::newRow("2026")
            << 2026
            << QList<QStringList>{
                   {"1", "Studio Bellecour", "1000,00", "80,00", "0,00", "0,00", "1080,00"},
                   {"2", "T2 Part-Dieu", "600,00", "50,00", "20,00", "0,00", "670,00"},
                   {"", "Commandes validées (TTC)", "0,00", "0,00", "0,00", "120,00", "-120,00"},
                   {"?", "Quittance 202601004 : locataire 10099 inconnu", "300,00", "0,00", "0,00",
                    "0,00", "300,00"},
                   {"?", "Quittance 202601005 : lot 9 inconnu", "350,00", "0,00", "0,00", "0,00",
                    "350,00"},
                   {"?", "Quittance 202601006 : locataire 10005 sans lot", "100,00", "0,00", "0,00",
                    "0,00", "100,00"},
                   {"Total", "", "2350,00", "130,00", "20,00", "120,00", "2380,00"}};
        QTest::newRow("2025")
            << 2025
            << QList<QStringList>{
                   {"2", "T2 Part-Dieu", "600,00", "0,00", "0,00", "0,00", "600,00"},
                   {"", "Commandes validées (TTC)", "0,00", "0,00", "0,00", "50,00", "-50,00"},
                   {"Total", "", "600,00", "0,00", "0,00", "50,00", "550,00"}};
    }
    void yearSummary() {
        QFETCH(int, annee);
        QFETCH(QList<QStringList>, attendu);
        TFiche fiche;
        dossier(fiche);
        const TTableau t = RevenusFonciers(fiche, annee);
        QCOMPARE(t.titres, (QStringList{"N° lot", "Désignation", "Loyers", "Charges", "Autres",
                                        "Dépenses", "Net"}));
        QCOMPARE(t.lignes.size(), attendu.size());
        for (int r = 0; r < attendu.size(); ++r)
            for (int c = 0; c < attendu[r].size(); ++c)
                QVERIFY2(t.lignes[r].value(c) == attendu[r][c],
                         qPrintable(QString("row %1, column %2: %3 instead of %4")
                                        .arg(r)
                                        .arg(c)
                                        .arg(t.lignes[r].value(c), attendu[r][c])));
        // The order page is left on the order it showed.
        QCOMPARE(fiche.pageDocument(Base::Commandes)->champ(ChampDocument::Numero),
                 QString("202604001"));
    }
};

QTEST_GUILESS_MAIN(TestRevenusFonciers)
#include "tst_revenusfonciers.moc"
