#include "../../common/fichiersessai.h"

#include "core/app/tfiche.h"
#include "core/charges/chargesreelles.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <QTemporaryDir>
#include <QTest>

class TestChargesReelles : public QObject {
    Q_OBJECT

private slots:
    // Entered, changed and emptied per lot and year; the categories without amount left out.
    void enteredPerLotAndYear() {
        TListeBase charges;
        ChargesReelles::Ecrit(charges, {"1", 2024, {{"Eau", "312,40"}, {"Ascenseur", ""}}});
        ChargesReelles::Ecrit(charges, {"1", 2025, {{"Eau", "100,00"}}});
        ChargesReelles::Ecrit(charges, {"1", 2024, {{"Eau", "300,00"}, {"Ascenseur", "45,5"}}});
        QCOMPARE(charges.nb(), 2);
        const std::optional<TChargesLot> lu = ChargesReelles::Lit(charges, "1", 2024);
        QVERIFY(lu);
        QCOMPARE(lu->charges.size(), 2);
        QCOMPARE(lu->charges[1].categorie, QString("Ascenseur"));
        QCOMPARE(lu->total(), 345.5);
        QVERIFY(!ChargesReelles::Lit(charges, "2", 2024));
        ChargesReelles::Ecrit(charges, {"1", 2025, {{"Eau", " "}}});
        QCOMPARE(ChargesReelles::Toutes(charges).size(), 1);
        QVERIFY_THROWS_EXCEPTION(
            UserError, ChargesReelles::Ecrit(charges, {"<BLOC0001>", 2024, {{"Eau", "1"}}}));
        QCOMPARE(charges.nb(), 1);
    }

    // The file written by a save reads back, and is written again, byte for byte.
    void savedAndReopenedByteForByte() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ChargesReelles::Ecrit(fiche.annexe(Annexe::Charges),
                              {"1", 2024, {{"Électricité des parties communes", "84,10"}}});
        ChargesReelles::Ecrit(fiche.annexe(Annexe::Charges), {"2", 2024, {{"Eau", "12,00"}}});
        fiche.SetSauve();
        fiche.Sauve(principal);
        const QByteArray octets = contenu(dir.filePath("dupont.chr"));
        QCOMPARE(octets, QByteArray("<BLOC0000>\r\n1\r\n2024\r\n\xc9lectricit\xe9 des parties "
                                    "communes\t84,10\r\n</BLOC0000>\r\n<BLOC0001>\r\n2\r\n2024\r\n"
                                    "Eau\t12,00\r\n</BLOC0001>\r\n"));
        TFiche autre;
        autre.Charge(principal);
        QCOMPARE(ChargesReelles::Lit(autre.annexe(Annexe::Charges), "1", 2024)->total(), 84.1);
        autre.SetSauve();
        autre.Sauve(dir.filePath("copie.loc"));
        QCOMPARE(contenu(dir.filePath("copie.chr")), octets);
    }
};

QTEST_GUILESS_MAIN(TestChargesReelles)
#include "tst_chargesreelles.moc"
