#include "gestionessai.h"

#include "core/common/clock.h"
#include "core/gestion/loyersimpayes.h"

#include "../../common/fichiersessai.h"

#include <QTest>

using namespace Essai;

class TestLoyersImpayes : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 15), QTime(9, 0))};

    TTableau tableau() {
        TFiche fiche;
        Champs sansEntree = locataire("10008", "Henry", {}, "31/03/2027");
        sansEntree[Locataire::DebutBail] = "15/11/2026";
        remplit(
            fiche, Base::Locataires,
            locataires({locataire("10001", "Arnaud", "01/10/2026"),
                        locataire("10002", "Bertin", "05/01/2027"),
                        locataire("10003", "Chevalier", "01/10/2026"),
                        locataire("10004", "Dumas", "10/12/2026"),
                        locataire("10005", "Étienne", "01/11/2026", "31/12/2026"),
                        locataire("10009", "Imbert", "01/11/2026", "30/11/2026"),
                        locataire("10006", "Fabre"), locataire("10007", "Gauthier", "01/08/2026"),
                        sansEntree, locataire("10010", "Jacob", "01/03/2027")}));
        const QStringList loyer{"Loyer mensuel\t500,00"};
        const auto valide = [&](int cle, const QString& locataire, const QString& mois) {
            return quittance(cle, QString::number(202700100 + cle), "02/01/2027", locataire, mois,
                             true, loyer);
        };
        remplit(
            fiche, Base::Quittances,
            quittance(0, "202611001", "02/11/2026", "10001", "Novembre 2026", true, loyer) +
                quittance(1, "202610001", "02/10/2026", "10001", "Octobre 2026", true, loyer) +
                quittance(2, "202701001", "02/01/2027", "10002", "Janvier 2027", true, loyer) +
                quittance(3, "202610002", "02/10/2026", "10003", "Octobre 2026", true, loyer) +
                quittance(4, "202612001", "02/12/2026", "10003", "Décembre 2026", false, loyer) +
                quittance(5, "202612002", "02/12/2026", "10005", "Décembre 2026", false, loyer) +
                valide(6, "10007", "Août 2026") + valide(7, "10007", "Décembre 2026") +
                valide(8, "10007", "Octobre 2026") + valide(9, "10007", "Novembre 2026") +
                valide(10, "10008", "Décembre 2026") + valide(11, "10009", "Novembre 2026"));
        return LoyersImpayes(fiche.base(Base::Locataires), fiche.base(Base::Quittances),
                             Clock::today());
    }

private slots:
    void unpaidMonths_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("two months across the new year")
            << "10001" << QStringList{"Novembre 2026", "2", "Décembre 2026, Janvier 2027"};
        QTest::newRow("up to date") << "10002" << QStringList{"Janvier 2027", "0", ""};
        QTest::newRow("a receipt not validated does not count")
            << "10003"
            << QStringList{"Octobre 2026", "3", "Novembre 2026, Décembre 2026, Janvier 2027"};
        QTest::newRow("never receipted: from the month he came in")
            << "10004" << QStringList{"Aucune", "2", "Décembre 2026, Janvier 2027"};
        QTest::newRow("no dates, no receipt") << "10006" << QStringList{"Aucune", "0", ""};
        QTest::newRow("left owing: up to the month he left")
            << "10005" << QStringList{"Aucune", "2", "Novembre 2026, Décembre 2026"};
        QTest::newRow("left owing nothing: not listed") << "10009" << QStringList{};
        QTest::newRow("not yet in: not listed") << "10010" << QStringList{};
        QTest::newRow("a month skipped between two receipts")
            << "10007" << QStringList{"Décembre 2026", "2", "Septembre 2026, Janvier 2027"};
        QTest::newRow("no entry date: from the start of the lease")
            << "10008" << QStringList{"Décembre 2026", "2", "Novembre 2026, Janvier 2027"};
    }
    void unpaidMonths() {
        QFETCH(QString, locataire);
        QFETCH(QStringList, attendu);
        QStringList trouve;
        for (const QStringList& ligne : tableau().lignes)
            if (ligne[0] == locataire)
                trouve = ligne.mid(2);
        QCOMPARE(trouve, attendu);
    }

    // By count, the most months first; by month, the months compare as dates.
    void sorted() {
        TModeleTableau modele;
        modele.setTableau(tableau());
        modele.sort(3, Qt::DescendingOrder);
        QCOMPARE(modele.index(0, 0).data().toString(), QString("10003"));
        modele.sort(2, Qt::AscendingOrder);
        QStringList ordre;
        for (int r = 0; r < modele.rowCount(); ++r)
            ordre << modele.index(r, 2).data().toString();
        QCOMPARE(ordre, (QStringList{"Aucune", "Aucune", "Aucune", "Octobre 2026", "Novembre 2026",
                                     "Décembre 2026", "Décembre 2026", "Janvier 2027"}));
    }

    // Tab-separated, Windows-1252, CR LF; a TAB in a text does not split its column.
    void exported() {
        QTemporaryDir dir;
        const QString chemin = dir.filePath("Impayés.txt");
        ExporteTableau({{"N° locataire", "Nom/Soc"}, {{"10001", "Arnaud\tfils"}}, {}}, chemin);
        QCOMPARE(contenu(chemin), QByteArray("N\xb0 locataire\tNom/Soc\r\n10001\tArnaud fils\r\n"));
        QVERIFY_THROWS_EXCEPTION(UserError, ExporteTableau({{"Nom"}, {{"Łukasz"}}, {}}, chemin));
        QCOMPARE(contenu(chemin), QByteArray("N\xb0 locataire\tNom/Soc\r\n10001\tArnaud fils\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestLoyersImpayes)
#include "tst_loyersimpayes.moc"
