#include "gestionessai.h"

#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/quittancesdumois.h"
#include "core/printing/tcanevasenregistre.h"

#include <QTest>

using namespace Essai;

class TestQuittancesDuMois : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 10), QTime(9, 0))};

    // Current, past, future, already receipted, without rent and never dated tenants; one
    // receipt of December 2026 already in the base.
    void dossier(TFiche& fiche) {
        remplit(fiche, Base::Locataires,
                locataires({locataire("10001", "Arnaud", "01/03/2024"),
                            locataire("10002", "Bertin", "01/03/2024", "31/12/2026"),
                            locataire("10003", "Chevalier", "02/01/2027"),
                            locataire("10004", "Dumas", "01/06/2025"),
                            locataire("10005", "Étienne", "01/06/2025", {}, {}, {}),
                            locataire("10006", "Fabre"),
                            locataire("10007", "Garnier", {}, "01/01/2027")}));
        remplit(fiche, Base::Quittances,
                quittance(0, "202612007", "05/12/2026", "10004", "Janvier 2027", false,
                          {"Loyer mensuel\t500,00"}));
    }

private slots:
    void whoIsReceipted_data() {
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("raison");
        QTest::newRow("current") << "10001"
                                 << "202701001"
                                 << "";
        QTest::newRow("left before the month") << "10002"
                                               << "<none>"
                                               << "<not listed>";
        QTest::newRow("comes in after the first day") << "10003"
                                                      << "<none>"
                                                      << "<not listed>";
        QTest::newRow("already receipted") << "10004"
                                           << "<none>"
                                           << "quittance déjà faite pour ce mois";
        QTest::newRow("no rent") << "10005"
                                 << "<none>"
                                 << "pas de loyer actuel sur la fiche";
        QTest::newRow("no dates") << "10006"
                                  << "202701002"
                                  << "";
        QTest::newRow("leaves on the first day") << "10007"
                                                 << "202701003"
                                                 << "";
    }
    void whoIsReceipted() {
        QFETCH(QString, locataire);
        QFETCH(QString, numero);
        QFETCH(QString, raison);
        TFiche fiche;
        dossier(fiche);
        const TBilanMois bilan = QuittancesDuMois(fiche, "Janvier 2027", false);
        QString trouveNumero = "<none>", trouveRaison = "<not listed>";
        for (const TQuittanceDuMois& q : bilan.creees + bilan.ignorees)
            if (q.locataire == locataire) {
                trouveNumero = q.numero.isEmpty() ? "<none>" : q.numero;
                trouveRaison = q.raison;
            }
        QCOMPARE(trouveNumero, numero);
        QCOMPARE(trouveRaison, raison);
    }

    // Every receipt made is the tenant's, for the chosen month and its period, with the rent
    // lines; validated ones post into the history. Running again makes nothing more.
    void receiptsMadeAndValidated() {
        TFiche fiche;
        dossier(fiche);
        const TBilanMois bilan = QuittancesDuMois(fiche, "Février 2027", true);
        // Chevalier is in by then and Dumas has no receipt for February; Garnier has left.
        QCOMPARE(bilan.creees.size(), 4);
        QCOMPARE(bilan.documents.size(), 4);
        QVERIFY(fiche.dossierModifie());
        const TListeBase& qtc = fiche.base(Base::Quittances);
        QCOMPARE(qtc.nb(), 5);
        const qsizetype dernier = qtc.find(4);
        QCOMPARE(qtc.line(dernier + 1), QString("NUMQ202701004"));
        QCOMPARE(qtc.line(dernier + 3), QString("10006"));
        QCOMPARE(qtc.line(dernier + 5), QString("Février 2027"));
        QCOMPARE(qtc.line(dernier + 6), QString("01/02/2027"));
        QCOMPARE(qtc.line(dernier + 7), QString("28/02/2027"));
        QCOMPARE(qtc.line(dernier + 12), QString("Y"));
        QVERIFY(qtc.line(dernier + 13).startsWith("QUITLoyer mensuel\t"));
        const TListeBase& loc = fiche.base(Base::Locataires);
        QCOMPARE(loc.lines().filter("Loyer Février 2027").size(), 4);

        const TBilanMois encore = QuittancesDuMois(fiche, "Février 2027", true);
        QVERIFY(encore.creees.isEmpty());
        QCOMPARE(fiche.base(Base::Quittances).nb(), 5);
    }

    // One receipt a page in the PDF job.
    void oneReceiptAPage() {
        TFiche fiche;
        dossier(fiche);
        const TBilanMois bilan = QuittancesDuMois(fiche, "Janvier 2027", false);
        TCanevasEnregistre canevas = TCanevasEnregistre::imprimante600();
        travailQuittancesDuMois(bilan, fiche.reglages()).dessine(canevas);
        QCOMPARE(canevas.pages(), 3);
        QVERIFY(canevas.trouve("Quittance N° 202701003"));
    }

    // The summary: the counts, then one row a tenant, the receipts made first.
    void summary() {
        TFiche fiche;
        dossier(fiche);
        const TBilanMois bilan = QuittancesDuMois(fiche, "Janvier 2027", false);
        QCOMPARE(bilan.resume(), QString("Janvier 2027 : 3 quittance(s) créée(s), 2 locataire(s) "
                                         "ignoré(s)."));
        const TTableau t = bilan.tableau();
        QCOMPARE(t.titres, (QStringList{"N° locataire", "Nom/Soc", "Quittance", "Résultat"}));
        QCOMPARE(t.lignes.size(), 5);
        QCOMPARE(t.lignes[0], (QStringList{"10001", "Arnaud", "202701001", "créée"}));
        QCOMPARE(t.lignes[3],
                 (QStringList{"10004", "Dumas", "", "ignoré : quittance déjà faite pour ce mois"}));
    }

    // Stopped part-way, the run leaves the dossier as it found it: bases, keys, pages and the
    // modified flag.
    void cancelledChangesNothing() {
        TFiche fiche;
        dossier(fiche);
        fiche.AffichePage(Base::Locataires);
        const QStringList locataires = fiche.base(Base::Locataires).lines();
        const QStringList quittances = fiche.base(Base::Quittances).lines();
        const QString nom = fiche.pageFiche(Base::Locataires)->champ(Locataire::NomSoc);
        QList<qsizetype> vus;
        const TBilanMois bilan =
            QuittancesDuMois(fiche, "Février 2027", true, [&](qsizetype fait, qsizetype total) {
                vus << fait << total;
                return fait < 3;
            });
        QVERIFY(bilan.annule);
        QVERIFY(bilan.creees.isEmpty());
        QCOMPARE(vus, (QList<qsizetype>{0, 5, 1, 5, 2, 5, 3, 5}));
        QCOMPARE(fiche.base(Base::Locataires).lines(), locataires);
        QCOMPARE(fiche.base(Base::Quittances).lines(), quittances);
        QCOMPARE(fiche.base(Base::Quittances).nb(), 1);
        QVERIFY(!fiche.dossierModifie());
        QCOMPARE(fiche.pageActive(), Base::Locataires);
        QCOMPARE(fiche.pageFiche(Base::Locataires)->champ(Locataire::NomSoc), nom);
    }

    // More receipts than the month has numbers left: refused before any is made.
    void pastTheMonthsLastNumber() {
        TFiche fiche;
        dossier(fiche);
        remplit(fiche, Base::Quittances,
                quittance(0, "202701998", "05/01/2027", "10004", "Janvier 2027", false,
                          {"Loyer mensuel\t500,00"}));
        const QStringList avant = fiche.base(Base::Quittances).lines();
        try {
            QuittancesDuMois(fiche, "Février 2027", false);
            QFAIL("receipts were numbered past 999 in the month");
        } catch (const UserError& e) {
            QCOMPARE(
                e.message(),
                QString("4 quittances à créer, mais 1 numéros libres après 202701998 : le rang "
                        "dans le mois n'a que trois chiffres (999 quittances par mois au "
                        "plus). Aucune quittance n'a été créée."));
        }
        QCOMPARE(fiche.base(Base::Quittances).lines(), avant);
        QVERIFY(!fiche.dossierModifie());
    }

    void badMonthChangesNothing() {
        TFiche fiche;
        dossier(fiche);
        QVERIFY_THROWS_EXCEPTION(UserError, QuittancesDuMois(fiche, "Janvier 20x7", false));
        QCOMPARE(fiche.base(Base::Quittances).nb(), 1);
    }
};

QTEST_GUILESS_MAIN(TestQuittancesDuMois)
#include "tst_quittancesdumois.moc"
