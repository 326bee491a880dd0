#include "../gestion/gestionessai.h"

#include "core/charges/chargesreelles.h"
#include "core/charges/regularisation.h"
#include "core/charges/reporter.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/ttableau.h"

#include <QTest>

using namespace Essai;

namespace {

QStringList provision(const QString& montant) {
    return {QStringLiteral("Loyer mensuel\t500,00"),
            QStringLiteral("Provision pour charges\t") + montant};
}

// Lot 1: one tenant all of 2024. Lot 2: one leaves on 29 February, the next comes on 1 March.
// Lot 3: no real charges. Lot 4: a tenant whose provisions exceed the real charges.
void dossier(TFiche& fiche) {
    remplit(fiche, Base::Locataires,
            locataires({locataire("10001", "Arnaud", "01/06/2019", {}, "1 Studio"),
                        locataire("10002", "Bertin", "01/09/2019", "29/02/2024", "2 T2"),
                        locataire("10003", "Chevalier", "01/03/2024", {}, "2 T2"),
                        locataire("10004", "Dumas", "01/01/2023", {}, "3 T3"),
                        locataire("10005", "Étienne", "01/01/2023", {}, "4 T4"),
                        locataire("10006", "Fabre", "01/01/2025", {}, "1 Studio")}));
    remplit(fiche, Base::Lots,
            bloc(0, 21, {{1, "1"}, {2, "Studio"}}) + bloc(1, 21, {{1, "2"}, {2, "T2"}}));
    remplit(fiche, Base::Quittances,
            quittance(0, "202401001", "05/01/2024", "10001", "Janvier 2024", true,
                      provision("300,00")) +
                quittance(1, "202407001", "05/07/2024", "10001", "Juillet 2024", true,
                          provision("300,00")) +
                quittance(2, "202312001", "05/12/2023", "10001", "Décembre 2023", true,
                          provision("999,00")) +
                quittance(3, "202401002", "05/01/2024", "10002", "Janvier 2024", true,
                          provision("40,00")) +
                quittance(4, "202403001", "05/03/2024", "10003", "Mars 2024", true,
                          provision("200,00")) +
                quittance(5, "202404001", "05/04/2024", "10003", "Avril 2024", false,
                          provision("200,00")) +
                quittance(6, "202402001", "05/02/2024", "10004", "Février 2024", true,
                          provision("100,00")) +
                quittance(7, "202402002", "05/02/2024", "10005", "Février 2024", true,
                          provision("800,00")));
    TListeBase& charges = fiche.annexe(Annexe::Charges);
    ChargesReelles::Ecrit(charges, {"1", 2024, {{"Eau", "600,00"}, {"Ascenseur", "132,00"}}});
    ChargesReelles::Ecrit(charges, {"2", 2024, {{"Chauffage collectif", "366,00"}}});
    ChargesReelles::Ecrit(charges, {"4", 2024, {{"Eau", "732,00"}}});
}

} // namespace

class TestRegularisation : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2025, 2, 10), QTime(9, 0))};

private slots:
    // Each tenant's row of the grid: lot, period, days, real charges, share, provisions and
    // the balance, to pay (positive) or to refund (negative).
    void settlement_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("one tenant all year; a receipt of another year does not count")
            << "10001"
            << QStringList{"1",     "01/01/2024 au 31/12/2024", "366", "732,00", "732,00", "600,00",
                           "132,00"};
        QTest::newRow("leaving on 29 February of a leap year")
            << "10002"
            << QStringList{"2",    "01/01/2024 au 29/02/2024", "60", "366,00", "60,00", "40,00",
                           "20,00"};
        QTest::newRow("coming on 1 March; a receipt not validated does not count")
            << "10003"
            << QStringList{"2",     "01/03/2024 au 31/12/2024", "306", "366,00", "306,00", "200,00",
                           "106,00"};
        QTest::newRow("no real charges entered")
            << "10004" << QStringList{"3",      "01/01/2024 au 31/12/2024",
                                      "366",    "Non saisies",
                                      "0,00",   "100,00",
                                      "-100,00"};
        QTest::newRow("a refund") << "10005" << QStringList{"4",      "01/01/2024 au 31/12/2024",
                                                            "366",    "732,00",
                                                            "732,00", "800,00",
                                                            "-68,00"};
        QTest::newRow("not in the lot that year: not listed") << "10006" << QStringList{};
    }
    void settlement() {
        QFETCH(QString, locataire);
        QFETCH(QStringList, attendu);
        TFiche fiche;
        dossier(fiche);
        const TTableau t = Regularisation::Tableau(Regularisation::Calcule(
            fiche.base(Base::Locataires), fiche.base(Base::Lots), fiche.base(Base::Quittances),
            fiche.annexe(Annexe::Charges), 2024));
        QStringList trouve;
        for (const QStringList& ligne : t.lignes)
            if (ligne[0] == locataire)
                trouve = ligne.mid(2);
        QCOMPARE(trouve, attendu);
    }

    void oneLotOnly() {
        TFiche fiche;
        dossier(fiche);
        const QList<TRegularisation> r = Regularisation::Calcule(
            fiche.base(Base::Locataires), fiche.base(Base::Lots), fiche.base(Base::Quittances),
            fiche.annexe(Annexe::Charges), 2024, "2");
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[0].nomLot, QString("T2"));
        QCOMPARE(r[1].locataire, QString("10003"));
    }

    // "Reporter" puts the balance on the tenant's next receipt and in his history, once.
    void reporter_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QString>("montant");
        QTest::addColumn<bool>("ouverte");
        QTest::newRow("to pay, on a new receipt") << "10001"
                                                  << "132,00" << false;
        QTest::newRow("to pay, on the receipt not validated") << "10003"
                                                              << "106,00" << true;
        QTest::newRow("a refund, negative") << "10005"
                                            << "-68,00" << false;
    }
    void reporter() {
        QFETCH(QString, locataire);
        QFETCH(QString, montant);
        QFETCH(bool, ouverte);
        TFiche fiche;
        dossier(fiche);
        const int avant = fiche.base(Base::Quittances).countBlocks();
        TRegularisation r;
        for (const TRegularisation& l : Regularisation::Calcule(
                 fiche.base(Base::Locataires), fiche.base(Base::Lots), fiche.base(Base::Quittances),
                 fiche.annexe(Annexe::Charges), 2024))
            if (l.locataire == locataire)
                r = l;
        Reporter(fiche, r);
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(fiche.pageActive(), Base::Quittances);
        QCOMPARE(fiche.base(Base::Quittances).countBlocks(), avant + (ouverte ? 0 : 1));
        const TPageDocument* page = fiche.pageDocument(Base::Quittances);
        QCOMPARE(page->champ(ChampDocument::Locataire).trimmed(), locataire);
        QVERIFY(!page->validee());
        QStringList lignes;
        for (int i = 0; i < page->grille().rowCount(); ++i)
            if (!page->grille().cellule(i, 0).isEmpty())
                lignes << page->grille().cellule(i, 0) + '=' +
                              page->grille().cellule(i, 1).trimmed();
        QVERIFY2(lignes.contains("Régularisation des charges 2024=" + montant),
                 qPrintable(lignes.join('|')));

        fiche.LitLoc(locataire);
        const QStringList historique =
            fiche.pageFiche(Base::Locataires)->grille().lignes().value(0);
        QCOMPARE(historique.value(0), QString("10/02/2025"));
        QCOMPARE(historique.value(1), QString("Régularisation des charges 2024"));
        QCOMPARE(historique.value(2).trimmed(), montant);

        try {
            Reporter(fiche, r);
            QFAIL("reported twice");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), "La régularisation des charges 2024 a déjà été reportée pour "
                                  "le locataire " +
                                      locataire);
        }
        QCOMPARE(fiche.base(Base::Quittances).countBlocks(), avant + (ouverte ? 0 : 1));
    }

    void reporterWithoutRealChargesIsRefused() {
        TFiche fiche;
        dossier(fiche);
        const QList<TRegularisation> r = Regularisation::Calcule(
            fiche.base(Base::Locataires), fiche.base(Base::Lots), fiche.base(Base::Quittances),
            fiche.annexe(Annexe::Charges), 2024, "3");
        QVERIFY_THROWS_EXCEPTION(UserError, Reporter(fiche, r.value(0)));
        QVERIFY(!fiche.dossierModifie());
    }
};

QTEST_GUILESS_MAIN(TestRegularisation)
#include "tst_regularisation.moc"
