#include "../gestion/gestionessai.h"

#include "core/charges/chargesreelles.h"
#include "core/charges/soldetoutcompte.h"
#include "core/common/clock.h"

#include <QTest>

using namespace Essai;

// A tenant who left on 15 March 2025, 1 000,00 of deposit, 540,00 due a month; his March
// receipt was never made.
class TestSoldeToutCompte : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2025, 3, 20), QTime(9, 0))};

    void dossier(TFiche& fiche, bool chargesSaisies) {
        Champs carte = locataire("10001", "Arnaud", "01/01/2025", "15/03/2025", "1 Studio");
        carte[Locataire::Caution] = "  1000,00";
        carte[Locataire::TotalDu] = "   540,00";
        carte[Locataire::Adresse] = "3 rue Neuve";
        remplit(fiche, Base::Locataires, locataires({carte}));
        const QStringList lignes{"Loyer mensuel\t500,00", "Provision pour charges\t40,00"};
        remplit(fiche, Base::Quittances,
                quittance(0, "202501001", "05/01/2025", "10001", "Janvier 2025", true, lignes) +
                    quittance(1, "202502001", "05/02/2025", "10001", "Février 2025", true, lignes));
        if (chargesSaisies)
            ChargesReelles::Ecrit(fiche.annexe(Annexe::Charges), {"1", 2025, {{"Eau", "365,00"}}});
    }

private slots:
    void amountToReturnOrToClaim_data() {
        QTest::addColumn<QStringList>("deductions");
        QTest::addColumn<bool>("chargesSaisies");
        QTest::addColumn<bool>("conformes");
        QTest::addColumn<double>("solde");
        QTest::addColumn<QDate>("echeance");
        QTest::newRow("no deduction, one unpaid month")
            << QStringList{} << false << true << 460.0 << QDate(2025, 4, 15);
        QTest::newRow("deductions, inventories differ")
            << QStringList{"Peinture", "150,00", "Ménage", "60,50"} << false << false << 249.5
            << QDate(2025, 5, 15);
        QTest::newRow("the charges settled: 74 days of 365,00 less 80,00 of provisions")
            << QStringList{} << true << true << 466.0 << QDate(2025, 4, 15);
        QTest::newRow("deductions larger than the deposit: an amount to claim")
            << QStringList{"Remise en état", "1200,00"} << false << true << -740.0
            << QDate(2025, 4, 15);
    }
    void amountToReturnOrToClaim() {
        QFETCH(QStringList, deductions);
        QFETCH(bool, chargesSaisies);
        QFETCH(bool, conformes);
        QFETCH(double, solde);
        QFETCH(QDate, echeance);
        TFiche fiche;
        dossier(fiche, chargesSaisies);
        TSoldeToutCompte s = SoldeToutCompte::Calcule(fiche, "10001", Clock::today());
        QCOMPARE(s.caution, 1000.0);
        QCOMPARE(s.moisImpayes, QStringList{"Mars 2025"});
        QCOMPARE(s.impayes(), 540.0);
        QCOMPARE(s.charges.has_value(), chargesSaisies);
        for (qsizetype i = 0; i + 1 < deductions.size(); i += 2)
            s.deductions.append({deductions[i], deductions[i + 1]});
        s.etatsConformes = conformes;
        QCOMPARE(s.solde(), solde);
        QCOMPARE(s.echeance(), echeance);
        QVERIFY(s.phraseDelai().contains(conformes ? "un mois" : "deux mois"));
    }

    // Posted into the history; a charges balance already carried to a receipt is not counted
    // again.
    void postedIntoTheHistory() {
        TFiche fiche;
        dossier(fiche, true);
        TSoldeToutCompte s = SoldeToutCompte::Calcule(fiche, "10001", Clock::today());
        SoldeToutCompte::Poste(fiche, s);
        const QStringList ligne = fiche.pageFiche(Base::Locataires)->grille().lignes().value(0);
        QCOMPARE(ligne.value(1), QString("Solde de tout compte"));
        QCOMPARE(ligne.value(2).trimmed(), QString("466,00"));
        QVERIFY(fiche.dossierModifie());

        fiche.pageFiche(Base::Locataires)->dateHistorique = Clock::today();
        fiche.pageFiche(Base::Locataires)->libelleHistorique = "Régularisation des charges 2025";
        fiche.pageFiche(Base::Locataires)->montantHistorique = "-6,00";
        fiche.pageFiche(Base::Locataires)->ajouteHistorique();
        fiche.EcritPage(Base::Locataires);
        QVERIFY(!SoldeToutCompte::Calcule(fiche, "10001", Clock::today()).charges);
    }

    // Without "Total dû", a month owes the card's rent and charges.
    void unpaidMonthWithoutTotalDu() {
        TFiche fiche;
        dossier(fiche, false);
        TListeBase& base = fiche.base(Base::Locataires);
        QStringList lignes = base.lines();
        for (QString& ligne : lignes)
            if (ligne == "   540,00")
                ligne.clear();
        base.assign(lignes);
        QCOMPARE(SoldeToutCompte::Calcule(fiche, "10001", Clock::today()).impayes(), 540.0);
    }

    void unknownTenantIsRefused() {
        TFiche fiche;
        dossier(fiche, false);
        QVERIFY_THROWS_EXCEPTION(UserError,
                                 SoldeToutCompte::Calcule(fiche, "10009", Clock::today()));
    }
};

QTEST_GUILESS_MAIN(TestSoldeToutCompte)
#include "tst_soldetoutcompte.moc"
