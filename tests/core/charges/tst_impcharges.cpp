#include "../../common/references.h"
#include "../printing/impressionessai.h"

#include "core/charges/impcharges.h"
#include "core/charges/soldetoutcompte.h"

#include <QTest>

namespace {

TRegularisation decompte(double provisions) {
    TRegularisation r;
    r.locataire = "10002";
    r.nom = "Hélène Dupré";
    r.adresse = {"12 rue des Lilas", "69003 Lyon"};
    r.lot = "2";
    r.nomLot = "T2 Croix-Rousse";
    r.annee = 2024;
    r.du = QDate(2024, 1, 1);
    r.au = QDate(2024, 2, 29);
    r.chargesSaisies = true;
    r.charges = {"2", 2024, {{"Eau", "183,00"}, {"Ascenseur", "183,00"}}};
    r.provisions = provisions;
    return r;
}

TSoldeToutCompte solde() {
    TSoldeToutCompte s;
    s.locataire = "10002";
    s.nom = "Hélène Dupré";
    s.adresse = {"12 rue des Lilas", "69003 Lyon"};
    s.lot = "2";
    s.nomLot = "T2 Croix-Rousse";
    s.sortie = QDate(2024, 2, 29);
    s.caution = 900;
    s.deductions = {{"Peinture de la chambre", "350,00"}, {"Nettoyage", "80,00"}};
    s.moisImpayes = {"Février 2024"};
    s.loyerMensuel = 540;
    s.charges = decompte(40);
    s.etatsConformes = false;
    return s;
}

QString texte(const TCanevasEnregistre& c) {
    QStringList t;
    for (const TTrace& trace : c.textes())
        t << trace.texte;
    return t.join('|');
}

} // namespace

class TestImpCharges : public QObject {
    Q_OBJECT

    const QDate m_jour{2025, 2, 10};

private slots:
    // The balance says who pays: the tenant, or the landlord back.
    void balanceToPayOrToRefund_data() {
        QTest::addColumn<double>("provisions");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("to pay") << 40.0 << "Solde à payer par le locataire|20,00 €";
        QTest::newRow("a refund") << 100.0 << "Solde à rembourser au locataire|40,00 €";
    }
    void balanceToPayOrToRefund() {
        QFETCH(double, provisions);
        QFETCH(QString, attendu);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeDecomptes(c, {decompte(provisions)}, proprietaireEssai(), m_jour);
        QVERIFY2(texte(c).contains(attendu), qPrintable(texte(c)));
    }

    void oneTenantAPage() {
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeDecomptes(c, {decompte(40), decompte(100)}, proprietaireEssai(), m_jour);
        QCOMPARE(c.textes(2).isEmpty(), false);
        QVERIFY(c.textes(3).isEmpty());
    }

    // Both documents stroke by stroke.
    void releve_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("decompte-charges") << "decompte-charges";
        QTest::newRow("solde-tout-compte") << "solde-tout-compte";
    }
    void releve() {
        QFETCH(QString, nom);
        const TTravailImpression travail =
            nom == "solde-tout-compte"
                ? travailSolde(solde(), proprietaireEssai(), m_jour)
                : travailDecomptes({decompte(40)}, proprietaireEssai(), m_jour);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(travail.orientation);
        travail.dessine(c);
        COMPARE_REFERENCE(c.releve(), "impression/" + nom + ".txt");
    }
};

QTEST_GUILESS_MAIN(TestImpCharges)
#include "tst_impcharges.moc"
