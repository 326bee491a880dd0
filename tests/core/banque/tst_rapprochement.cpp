#include "../gestion/gestionessai.h"

#include "core/banque/modelereleve.h"
#include "core/banque/operationsfaites.h"
#include "core/banque/rapprochement.h"
#include "core/banque/validationreleve.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Essai;

namespace {

TOperation operation(const QString& date, const QString& valeur, qint64 centimes,
                     const QString& libelle, const QString& id = {}) {
    return {QDate::fromString(date, "dd/MM/yyyy"), QDate::fromString(valeur, "dd/MM/yyyy"), libelle,
            centimes, id};
}

// Arnaud and Dupré owe 540,00; Bérenger 652,50 with taxes; Martin 400,00 with his allowance;
// Leroy owed 540,00 too but left in December.
QStringList locatairesEssai() {
    Champs berenger = locataire("10002", "SCI Bérenger", "01/01/2020", {}, {}, "   600,00");
    berenger[Locataire::Taxes] = "12,50";
    Champs martin = locataire("10004", "Martin", "01/01/2020", {}, {}, "   450,00");
    martin[Locataire::ChargesActuelles] = "50,00";
    martin[Locataire::Apl] = "100,00";
    return locataires({locataire("10001", "M. Arnaud Paul", "01/01/2020"), berenger,
                       locataire("10003", "Mme Clémence Dupré", "01/01/2020"), martin,
                       locataire("10005", "Leroy Paul", "01/01/2020", "31/12/2026")});
}

// Six credits and two debits, one of them with the id of a line receipted before.
const TReleve Releve = {
    operation("05/01/2027", "05/01/2027", 54000, "VIR M ARNAUD PAUL LOYER", "A1"),
    operation("29/01/2027", "01/02/2027", 54000, "VIR SEPA MME CLEMENCE DUPRE", "A2"),
    operation("06/01/2027", "06/01/2027", 54000, "VIREMENT LOYER JANVIER", "A3"),
    operation("07/01/2027", "07/01/2027", 40000, "CAF VIR POUR MARTIN", "A4"),
    operation("08/01/2027", "08/01/2027", 65250, "VIR SCI BERENGER", "A5"),
    operation("09/01/2027", "09/01/2027", 12345, "VIR INCONNU", "A6"),
    operation("10/01/2027", "10/01/2027", -54000, "PRLV ARNAUD PAUL", "A7"),
    operation("11/01/2027", "11/01/2027", -3520, "PRLV EAU", "A0")};

} // namespace

class TestRapprochement : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2027, 1, 12), QTime(9, 0))};

    void dossier(TFiche& fiche) {
        remplit(fiche, Base::Locataires, locatairesEssai());
        remplit(fiche, Base::Quittances, {});
    }
    static TOperationsFaites dejaFaites() {
        TOperationsFaites faites;
        faites.ajoute(Releve.last());
        return faites;
    }

private slots:
    void proposals_data() {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("locataire");
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("etat");
        QTest::newRow("two owe it, the name in the label") << 0 << "10001"
                                                           << "Janvier 2027"
                                                           << "Rapproché";
        QTest::newRow("accents and civility aside, month of the value date") << 1 << "10003"
                                                                             << "Février 2027"
                                                                             << "Rapproché";
        QTest::newRow("two owe it, neither name in the label") << 2 << ""
                                                               << "Janvier 2027"
                                                               << "À vérifier";
        QTest::newRow("the one who owes it, allowance deducted") << 3 << "10004"
                                                                 << "Janvier 2027"
                                                                 << "Rapproché";
        QTest::newRow("taxes counted") << 4 << "10002"
                                       << "Janvier 2027"
                                       << "Rapproché";
        QTest::newRow("no one owes it") << 5 << ""
                                        << "Janvier 2027"
                                        << "À vérifier";
        QTest::newRow("a debit, a name in it") << 6 << ""
                                               << "Janvier 2027"
                                               << "Ignoré";
        QTest::newRow("already receipted") << 7 << ""
                                           << "Janvier 2027"
                                           << "Ignoré";
    }
    void proposals() {
        QFETCH(int, ligne);
        QFETCH(QString, locataire);
        QFETCH(QString, mois);
        QFETCH(QString, etat);
        TFiche fiche;
        dossier(fiche);
        const TRapprochement r(Releve, TLocatairesDus(fiche.base(Base::Locataires), "0.00"),
                               dejaFaites());
        const TLigneRapprochee& l = r.ligne(ligne);
        QCOMPARE(l.locataire, locataire);
        QCOMPARE(l.mois, mois);
        QCOMPARE(TLigneRapprochee::texte(l.etat()), etat);
        QCOMPARE(l.cochee, etat == "Rapproché");
    }

    // The review changes a line; only a credit given to a tenant can be ticked.
    void review() {
        TFiche fiche;
        dossier(fiche);
        TRapprochement r(Releve, TLocatairesDus(fiche.base(Base::Locataires), "0.00"), {});
        QCOMPARE(r.nombreCoches(), 4);
        QCOMPARE(r.totalCoches(), 54000 + 54000 + 40000 + 65250);
        r.choisitLocataire(2, "10003");
        QCOMPARE(TLigneRapprochee::texte(r.ligne(2).etat()), QString("Rapproché"));
        QVERIFY(r.ligne(2).cochee);
        r.choisitLocataire(5, "10001");
        QCOMPARE(TLigneRapprochee::texte(r.ligne(5).etat()), QString("À vérifier"));
        QVERIFY(!r.ligne(5).cochee);
        r.coche(6, true);
        QVERIFY(!r.ligne(6).cochee);
        r.choisitLocataire(0, "");
        QVERIFY(!r.ligne(0).cochee);
        r.coche(0, true);
        QVERIFY(!r.ligne(0).cochee);
    }

    // The receipts made as "Nouvelle quittance" makes them, paid by transfer and validated into
    // the history; a different amount or a month already receipted makes none. Read again,
    // the statement proposes nothing already done.
    void validation() {
        TFiche fiche;
        dossier(fiche);
        TRapprochement r(Releve, TLocatairesDus(fiche.base(Base::Locataires), "0.00"),
                         Releves::faites(fiche));
        r.choisitLocataire(2, "10001"); // Arnaud's January twice
        r.choisitLocataire(5, "10004");
        r.coche(5, true); // 123,45 for Martin's 400,00
        const TBilanReleve bilan = ValideReleve(fiche, r);
        QCOMPARE(bilan.creees.size(), 4);
        QCOMPARE(bilan.refusees.size(), 2);
        QCOMPARE(bilan.refusees[0].raison, QString("quittance déjà faite pour ce mois"));
        QCOMPARE(bilan.refusees[1].raison,
                 QString("montant payé 123,45, dû 400,00 : pas de quittance pour un autre "
                         "montant que celui du mois"));
        QVERIFY(fiche.dossierModifie());

        const TListeBase& qtc = fiche.base(Base::Quittances);
        QCOMPARE(qtc.nb(), 4);
        const qsizetype deuxieme = qtc.find(1);
        QCOMPARE(qtc.line(deuxieme + 1), QString("NUMQ202701002"));
        QCOMPARE(qtc.line(deuxieme + 3), QString("10003"));
        QCOMPARE(qtc.line(deuxieme + 4), QString("Virement"));
        QCOMPARE(qtc.line(deuxieme + 5), QString("Février 2027"));
        QCOMPARE(qtc.line(deuxieme + 12), QString("Y"));
        const QStringList loc = fiche.base(Base::Locataires).lines();
        QCOMPARE(loc.filter("Loyer Janvier 2027").size(), 3);
        QCOMPARE(loc.filter("Loyer Février 2027").size(), 1);

        // One block for the validation, the lines receipted by their bank id.
        QCOMPARE(fiche.annexe(Annexe::Releves).lines(),
                 (QStringList{"<BLOC0000>", "12/01/2027", "OPERID A1", "OPERID A2", "OPERID A4",
                              "OPERID A5", "</BLOC0000>"}));
        const TRapprochement encore(Releve, TLocatairesDus(fiche.base(Base::Locataires), "0.00"),
                                    Releves::faites(fiche));
        QCOMPARE(encore.nombreCoches(), 0);
        for (int i : {0, 1, 3, 4})
            QVERIFY(encore.ligne(i).dejaFaite);
        QVERIFY(!encore.ligne(2).dejaFaite);
    }

    // The review grid: ticks and tenants through the model, the totals after them; debits and
    // lines already receipted have no tick and cannot be revised.
    void grid() {
        TFiche fiche;
        dossier(fiche);
        TRapprochement r(Releve, TLocatairesDus(fiche.base(Base::Locataires), "0.00"),
                         dejaFaites());
        TModeleReleve modele(r);
        QAbstractItemModelTester testeur(&modele,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(modele.totaux(), QString("À quittancer : 4 ligne(s), 2 132,50"));
        QVERIFY(modele.setData(modele.index(0, TModeleReleve::Date), Qt::Unchecked,
                               Qt::CheckStateRole));
        QVERIFY(modele.setData(modele.index(2, TModeleReleve::Locataire), "10003"));
        QCOMPARE(modele.index(2, TModeleReleve::Locataire).data().toString(),
                 QString("10003 Mme Clémence Dupré"));
        QCOMPARE(modele.totaux(), QString("À quittancer : 4 ligne(s), 2 132,50"));
        QVERIFY(!modele.index(6, TModeleReleve::Date).data(Qt::CheckStateRole).isValid());
        QVERIFY(!(modele.flags(modele.index(7, TModeleReleve::Mois)) & Qt::ItemIsEditable));
        QVERIFY(modele.flags(modele.index(5, TModeleReleve::Mois)) & Qt::ItemIsEditable);
        QVERIFY(!(modele.flags(modele.index(5, TModeleReleve::Date)) & Qt::ItemIsUserCheckable));
    }

    // Without its bank id a line is known by its date, amount and label.
    void footprint() {
        TOperation a = Releve[0];
        a.id.clear();
        TOperationsFaites faites;
        faites.ajoute(a);
        TOperation b = a;
        b.libelle = "VIR M  ARNAUD PAUL LOYER ";
        QVERIFY(faites.contient(b));
        b.centimes += 1;
        QVERIFY(!faites.contient(b));
        QVERIFY(!faites.contient(Releve[0]));
        // A character the dossier's code page lacks stands as "?" in the footprint.
        b.libelle = "VIR ✓ ARNAUD";
        QCOMPARE(b.empreinte(), QString("20270105 54001 VIR ? ARNAUD"));
    }
};

QTEST_GUILESS_MAIN(TestRapprochement)
#include "tst_rapprochement.moc"
