#include "core/common/usererror.h"
#include "core/documents/numerotation.h"
#include "core/store/tlistebase.h"

#include <QTest>

namespace {

// A base of one block per number line.
TListeBase base(const QStringList& numeros) {
    QStringList lines;
    for (int k = 0; k < numeros.size(); ++k)
        lines << TListeBase::openingLine(k) << numeros[k] << "10001" << TListeBase::closingLine(k);
    TListeBase b;
    b.assign(lines);
    return b;
}

} // namespace

class TestNumerotation : public QObject {
    Q_OBJECT

private slots:
    void prochainNumero_data() {
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("attendu");
        QTest::newRow("first of the month") << QStringList() << "NUMQ" << 202612001;
        QTest::newRow("second of the month") << QStringList{"NUMQ202612001"} << "NUMQ" << 202612002;
        QTest::newRow("a later month carries on")
            << QStringList{"NUMQ202612001", "NUMQ202701005", "NUMQ202612002"} << "NUMQ"
            << 202701006;
        QTest::newRow("an earlier month") << QStringList{"NUMQ202611009"} << "NUMQ" << 202612001;
        QTest::newRow("blank number") << QStringList{"NUMQ         "} << "NUMQ" << 202612001;
        QTest::newRow("notices have their own sequence")
            << QStringList{"NUMQ202612007", "NUMA202612002"} << "NUMA" << 202612003;
        QTest::newRow("invoices and credit notes do not count")
            << QStringList{"NUMF202612004", "NUMA202612009", "NUMR202612001"} << "NUMR"
            << 202612002;
    }
    void prochainNumero() {
        QFETCH(QStringList, numeros);
        QFETCH(QString, tag);
        QFETCH(int, attendu);
        QCOMPARE(ProchainNumero(base(numeros), tag, QDate(2026, 12, 10)), attendu);
    }

    void numerosLibres_data() {
        QTest::addColumn<int>("prochain");
        QTest::addColumn<int>("libres");
        QTest::newRow("first of the month") << 202612001 << 999;
        QTest::newRow("last of the month") << 202612999 << 1;
        QTest::newRow("the month is full") << 202613000 << 0;
    }
    void numerosLibres() {
        QFETCH(int, prochain);
        QFETCH(int, libres);
        QCOMPARE(NumerosLibres(prochain), libres);
    }

    // Only the number line of a block is a number: a coordinate line that happens to begin
    // like one does not stop the numbering.
    void numberLinesOnly() {
        TListeBase b = base({"NUMQ202612003"});
        QStringList lignes = b.lines();
        lignes.insert(3, "NUMQ rue des Lilas");
        b.assign(lignes);
        QCOMPARE(ProchainNumero(b, "NUMQ", QDate(2026, 12, 10)), 202612004);
        lignes[1] = "NUMQ20261200x";
        b.assign(lignes);
        QVERIFY_THROWS_EXCEPTION(UserError, ProchainNumero(b, "NUMQ", QDate(2026, 12, 10)));
    }

    void cleDocument_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<int>("cle");
        QTest::newRow("receipt") << "NUMQ202612002" << 1;
        QTest::newRow("invoice") << "NUMF202612002" << 2;
        QTest::newRow("payment receipt under an invoice's number") << "NUMR202612002" << -1;
        QTest::newRow("part of a number") << "NUMQ2026" << -1;
        QTest::newRow("payment receipt by the receipt search") << "NUMQ202612003" << -1;
    }
    void cleDocument() {
        QFETCH(QString, ligne);
        QFETCH(int, cle);
        QCOMPARE(
            CleDocument(base({"NUMQ202612001", "NUMQ202612002", "NUMF202612002", "NUMR202612003"}),
                        ligne),
            cle);
    }
};

QTEST_GUILESS_MAIN(TestNumerotation)
#include "tst_numerotation.moc"
