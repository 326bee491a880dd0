#include "core/purchasing/calculcommande.h"

#include <QTest>

namespace {

using namespace ColonneCommande;

// Six pixels a character, as the pages' default measure.
int mesure(const QString& texte) {
    return int(texte.size()) * 6;
}

// A row from "Réf|Désignation|Quantité|Prix|R|Montant|T".
QStringList rangee(const QString& texte) {
    QStringList cellules = texte.split(u'|');
    while (cellules.size() < NbColonnes)
        cellules << QString();
    return cellules;
}

QString trimmed(const QStringList& cellules, int colonne) {
    return cellules[colonne].trimmed();
}

} // namespace

class TestCalculCommande : public QObject {
    Q_OBJECT

private slots:
    // The totals, in euros and francs, of a few orders; the rates are 19,6, 5,5 and 2,1.
    void totals_data() {
        QTest::addColumn<bool>("ttc");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("totaux"); // H.T., TVA, TTC, francs
        QTest::addColumn<QStringList>("montants");

        QTest::newRow("before tax: 2 × 100 less 10 %")
            << false << "0.00" << QStringList{"R1|Porte|2|100|10||1"}
            << QStringList{"180,00", "35,28", "215,28", "1412,14"} << QStringList{"180,00"};
        QTest::newRow("tax included: the same line")
            << true << "0.00" << QStringList{"R1|Porte|2|100|10||1"}
            << QStringList{"150,50", "29,50", "180,00", "1180,72"} << QStringList{"180,00"};
        QTest::newRow("a quantity with its unit")
            << false << "0.00" << QStringList{"|Main d'oeuvre|3 h|40|||1"}
            << QStringList{"120,00", "23,52", "143,52", "941,43"} << QStringList{"120,00"};
        QTest::newRow("an empty code counts as 1, a code 5 as 1 too")
            << false << "0.00" << QStringList{"|Vis|1|10|||", "|Clous|1|10|||5"}
            << QStringList{"20,00", "3,92", "23,92", "156,90"} << QStringList{"10,00", "10,00"};
        QTest::newRow("a row without quantity adds nothing")
            << false << "0.00" << QStringList{"|Peinture||25|||1", "|Pinceau|1|5|||1"}
            << QStringList{"5,00", "0,98", "5,98", "39,23"} << QStringList{"", "5,00"};
        QTest::newRow("three rates, two decimals")
            << false << "0.00" << QStringList{"|A|1|100|||1", "|B|2|50|||2", "|C|4|25|50||3"}
            << QStringList{"250,00", "26,15", "276,15", "1811,43"}
            << QStringList{"100,00", "100,00", "50,00"};
        QTest::newRow("three rates, one decimal")
            << false << "0.0" << QStringList{"|A|1|100|||1", "|B|2|50|||2", "|C|4|25|50||3"}
            << QStringList{"250,0", "26,2", "276,2", "1811,4"}
            << QStringList{"100,0", "100,0", "50,0"};
        QTest::newRow("three rates, no decimal")
            << false << "#" << QStringList{"|A|1|100|||1", "|B|2|50|||2", "|C|4|25|50||3"}
            << QStringList{"250", "26", "276", "1811"} << QStringList{"100", "100", "50"};
        QTest::newRow("three rates tax included")
            << true << "0.00" << QStringList{"|A|1|119,6|||1", "|B|1|105,5|||2", "|C|1|102,1|||3"}
            << QStringList{"300,00", "27,20", "327,20", "2146,29"}
            << QStringList{"119,60", "105,50", "102,10"};
        QTest::newRow("a price that does not read counts nothing")
            << false << "0.00" << QStringList{"|X|2|abc|||1", "|Y|1|10|||1"}
            << QStringList{"10,00", "1,96", "11,96", "78,45"} << QStringList{"0,00", "10,00"};
        QTest::newRow("the total adds up the amounts as shown")
            << false << "0.00" << QStringList{"|A|1|0,333|||1", "|B|1|0,333|||1", "|C|1|0,333|||1"}
            << QStringList{"0,99", "0,19", "1,18", "7,77"} << QStringList{"0,33", "0,33", "0,33"};
        QTest::newRow("a price beyond the largest amount counts nothing")
            << false << "0.00" << QStringList{"|X|1|1E15|||1", "|Y|1|10|||1"}
            << QStringList{"10,00", "1,96", "11,96", "78,45"} << QStringList{"0,00", "10,00"};
        QTest::newRow("a discount that does not read counts as none")
            << false << "0.00" << QStringList{"|X|2|10|x||1"}
            << QStringList{"20,00", "3,92", "23,92", "156,90"} << QStringList{"20,00"};
    }
    void totals() {
        QFETCH(bool, ttc);
        QFETCH(QString, format);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, totaux);
        QFETCH(QStringList, montants);
        QList<QStringList> grille;
        for (const QString& ligne : lignes)
            grille << rangee(ligne);
        const TTotauxCommande t =
            CalculeCommande(grille, {ttc, {19.6, 5.5, 2.1}, 6.55957, format, mesure});
        QCOMPARE((QStringList{t.texteHT, t.texteTVA, t.texteTTC, t.texteFrancs}), totaux);
        QStringList calcules;
        for (const QStringList& cellules : grille)
            calcules << trimmed(cellules, Montant);
        QCOMPARE(calcules, montants);
    }

    // What a computation leaves in the cells: the quantity as typed but right-aligned, the
    // price formatted, the code given or kept.
    void cellsAfterComputation() {
        QList<QStringList> grille = {rangee("|Main d'oeuvre|3 h|40,5|||"),
                                     rangee("|Clous|1|10|||5"), rangee("|Sans prix|2||||"),
                                     rangee("|Sans quantité||7|||")};
        CalculeCommande(grille, {false, {19.6, 5.5, 2.1}, 6.55957, "0.00", mesure});
        QCOMPARE(grille[0][Quantite], Rset("3 h", AlignementQuantite, mesure));
        QCOMPARE(grille[0][PrixUnitaire], Rset("40,50", AlignementMontantCommande, mesure));
        QCOMPARE(grille[0][Tva], QString("1"));
        QCOMPARE(grille[1][Tva], QString("5"));
        QCOMPARE(grille[2][PrixUnitaire], Rset("0,00", AlignementMontantCommande, mesure));
        QCOMPARE(grille[2][Montant].trimmed(), QString("0,00"));
        QCOMPARE(grille[3][PrixUnitaire], QString("7"));
        QCOMPARE(grille[3][Tva], QString());
        QCOMPARE(grille[3][Montant], QString());
    }
};

QTEST_GUILESS_MAIN(TestCalculCommande)
#include "tst_calculcommande.moc"
