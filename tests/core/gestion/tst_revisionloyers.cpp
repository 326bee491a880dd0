#include "gestionessai.h"

#include "core/common/clock.h"
#include "core/gestion/revisionloyers.h"

#include <QTest>

using namespace Essai;

class TestRevisionLoyers : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 10), QTime(9, 0))};

private slots:
    void revisedRent_data() {
        QTest::addColumn<QString>("loyer");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("actuel");
        QTest::addColumn<QString>("attendu"); // the rent, or the reason it is refused
        QTest::newRow("plain") << "500,00"
                               << "100"
                               << "103,5"
                               << "517,50";
        QTest::newRow("half cent up") << "401,00"
                                      << "100"
                                      << "100,5"
                                      << "403,01";
        QTest::newRow("below half a cent") << "450,00"
                                           << "100"
                                           << "100,001"
                                           << "450,00";
        QTest::newRow("half cent, binary below") << "1,35"
                                                 << "10"
                                                 << "15"
                                                 << "2,03";
        QTest::newRow("third") << "1000"
                               << "3"
                               << "4"
                               << "1333,33";
        QTest::newRow("aligned texts") << "   612,40"
                                       << "  125,56"
                                       << "  130,72"
                                       << "637,57";
        QTest::newRow("index down") << "100"
                                    << "3"
                                    << "2"
                                    << "66,67";
        QTest::newRow("no start index") << "500"
                                        << ""
                                        << "103"
                                        << "Ind. départ manquant";
        QTest::newRow("no current index") << "500"
                                          << "100"
                                          << "  "
                                          << "Ind. actuel manquant";
        QTest::newRow("start index not a number") << "500"
                                                  << "1,0,2"
                                                  << "103"
                                                  << "Ind. départ n'est pas un nombre";
        QTest::newRow("start index nil") << "500"
                                         << "0,00"
                                         << "103"
                                         << "Ind. départ nul ou négatif";
        QTest::newRow("no start rent") << ""
                                       << "100"
                                       << "103"
                                       << "Loyer départ manquant";
    }
    void revisedRent() {
        QFETCH(QString, loyer);
        QFETCH(QString, depart);
        QFETCH(QString, actuel);
        QFETCH(QString, attendu);
        const TCalculRevision r = LoyerRevise(loyer, depart, actuel);
        QCOMPARE(r.ok() ? FormatFloat("0.00", r.loyer) : r.raison, attendu);
    }

    // Only current tenants are listed; a row that does not compute cannot be ticked; applying
    // with a new index changes the ticked cards only, and the history tells it.
    void applied() {
        TFiche fiche;
        Champs a = locataire("10001", "Arnaud", "01/03/2024");
        a[Locataire::LoyerDepart] = "   500,00";
        a[Locataire::IndDepart] = "  100,00";
        a[Locataire::IndActuel] = "  102,00";
        Champs b = a;
        b[Locataire::Numero] = "10002";
        b[Locataire::NomSoc] = "Bertin";
        Champs c = locataire("10003", "Chevalier", "01/03/2024");
        Champs d = a;
        d[Locataire::Numero] = "10004";
        d[Locataire::Sorti] = "31/12/2026";
        remplit(fiche, Base::Locataires, locataires({a, b, c, d}));

        TRevisionLoyers revision(fiche.base(Base::Locataires), Clock::today());
        QCOMPARE(revision.rowCount(), 3);
        QCOMPARE(revision.index(0, TRevisionLoyers::Revise).data().toString(), QString("510,00"));
        QCOMPARE(revision.index(0, TRevisionLoyers::Difference).data().toString(),
                 QString("10,00"));
        QCOMPARE(revision.index(2, TRevisionLoyers::Remarque).data().toString(),
                 QString("Loyer départ manquant"));
        QVERIFY_THROWS_EXCEPTION(UserError, revision.setNouvelIndice("10a"));
        revision.setNouvelIndice("104,5");
        QCOMPARE(revision.index(1, TRevisionLoyers::Revise).data().toString(), QString("522,50"));
        revision.cocheTout(true);
        QVERIFY(!revision.lignes()[2].cochee);
        revision.coche(1, false);

        const auto resultat = revision.Applique(fiche);
        QCOMPARE(resultat.revises, QStringList{"10001"});
        QVERIFY(fiche.dossierModifie());
        const TListeBase& base = fiche.base(Base::Locataires);
        const QStringList carte = base.read(0, 26, 27).champs;
        QCOMPARE(carte[Locataire::LoyerActuel - 1].trimmed(), QString("522,50"));
        QCOMPARE(carte[Locataire::LoyerDepart - 1].trimmed(), QString("500,00"));
        QCOMPARE(carte[Locataire::IndDepart - 1].trimmed(), QString("100,00"));
        QCOMPARE(carte[Locataire::IndActuel - 1].trimmed(), QString("104,50"));
        QCOMPARE(base.read(0, 26, 27).tags.last().valeur.section('\t', 0, 1),
                 QString("10/01/2027\tRévision loyer"));
        QCOMPARE(base.read(0, 26, 27).tags.last().valeur.section('\t', 2).trimmed(),
                 QString("522,50"));
        QCOMPARE(base.read(1, 26, 27).champs[Locataire::LoyerActuel - 1].trimmed(),
                 QString("500,00"));
        QVERIFY(base.read(1, 26, 27).tags.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRevisionLoyers)
#include "tst_revisionloyers.moc"
