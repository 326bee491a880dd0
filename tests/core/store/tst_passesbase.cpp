#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/store/tlistebase.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Blocks 0, 1 and 2 with the numbers 10001, 10002 and 10003.
TListeBase troisBlocs() {
    TListeBase base;
    for (int key = 0; key < 3; ++key)
        base.assign(base.lines() + QStringList{TListeBase::openingLine(key),
                                               QString::number(10001 + key),
                                               TListeBase::closingLine(key)});
    return base;
}

enum class Changement { StoreEnFin, StoreSurPlace, SupBloc, Supprime, Assign };

void change(TListeBase& base, Changement changement) {
    switch (changement) {
    case Changement::StoreEnFin:
        base.store(3, {"10020"});
        break;
    case Changement::StoreSurPlace:
        base.store(1, {"10020"});
        break;
    case Changement::SupBloc:
        base.supBloc(1);
        break;
    case Changement::Supprime:
        base.supprime(0);
        break;
    case Changement::Assign:
        base.assign({"<BLOC0000>", "10020", "</BLOC0000>"});
        break;
    }
}

} // namespace

// A base works out once where its blocks stand and keeps it until the next change: every pass
// over the base must see every kind of change made after it was worked out.
class TestPassesBase : public QObject {
    Q_OBJECT

private slots:
    void everyPassSeesTheChange_data() {
        QTest::addColumn<Changement>("changement");
        QTest::addColumn<int>("blocs");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("cleDeux");
        QTest::addColumn<bool>("saine");
        QTest::newRow("store at the end") << Changement::StoreEnFin << 4 << 10021 << 6 << true;
        QTest::newRow("store in place") << Changement::StoreSurPlace << 3 << 10021 << 6 << true;
        QTest::newRow("supBloc") << Changement::SupBloc << 2 << 10004 << 3 << false;
        QTest::newRow("supprime") << Changement::Supprime << 2 << 10004 << -1 << true;
        QTest::newRow("assign") << Changement::Assign << 1 << 10021 << -1 << true;
    }
    void everyPassSeesTheChange() {
        QFETCH(Changement, changement);
        QFETCH(int, blocs);
        QFETCH(int, numero);
        QFETCH(int, cleDeux);
        QFETCH(bool, saine);
        TListeBase base = troisBlocs();
        QCOMPARE(base.countBlocks(), 3);
        QCOMPARE(base.nextNumber(), 10004);
        QCOMPARE(base.find(2), 6);
        change(base, changement);
        QCOMPARE(base.countBlocks(), blocs);
        QCOMPARE(base.nextNumber(), numero);
        QCOMPARE(base.find(2), cleDeux);
        const QStringList avant = base.lines();
        QCOMPARE(!base.verif(), saine);
        if (saine)
            QCOMPARE(base.lines(), avant);
    }

    void bytesLoadLikeTheirLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("sound") << QByteArray("<BLOC0000>\r\n10001\r\n</BLOC0000>\r\n"
                                             "<BLOC0001>\r\n10002\r\n</BLOC0001>\r\n");
        QTest::newRow("CR alone, key in lower case, unclosed")
            << QByteArray("avant\r<bloc0001>\r10007\r</BLOC0001>\r<BLOC0000>\r10003");
        QTest::newRow("twice the same key, odd lines")
            << QByteArray("<BLOC0000>\n1\n</BLOC0000>x\n<BLOC0000>\n2\n</BLOC0000>\n<BLOC00-1>");
    }
    void bytesLoadLikeTheirLines() {
        QFETCH(QByteArray, bytes);
        TListeBase charge, lignes;
        charge.assignBytes(bytes);
        lignes.assign(TextFile::splitLines(Cp1252::decode(bytes)));
        QCOMPARE(charge.lines(), lignes.lines());
        QCOMPARE(charge.countBlocks(), lignes.countBlocks());
        QCOMPARE(charge.nextNumber(), lignes.nextNumber());
        for (int key = -1; key < 3; ++key)
            QCOMPARE(charge.find(key), lignes.find(key));
        QCOMPARE(charge.verif(), lignes.verif());
        charge.doublons();
        lignes.doublons();
        QCOMPARE(charge.lines(), lignes.lines());
    }

    // A long run of edits, each pass checked against a base that works its structure out from
    // the same lines: what a base keeps up to date must be what it would find again.
    void keptStructureIsTheOneFoundAgain() {
        QRandomGenerator hasard(27);
        TListeBase base;
        base.assignBytes(QByteArray("avant\r\n<BLOC0000>\r\n10001\r\n</BLOC0000>\r\n"
                                    "<BLOC0001>\r\n10002\r\nMEMOa\r\n</BLOC0001>\r\n"));
        for (int pas = 0; pas < 400; ++pas) {
            const int nb = base.nb();
            const int cle = nb == 0 ? 0 : int(hasard.bounded(nb + 1));
            QStringList corps{QString::number(10001 + pas)};
            for (quint32 l = hasard.bounded(4); l > 0; --l)
                corps.append(QStringLiteral("MEMO%1").arg(l));
            switch (hasard.bounded(4)) {
            case 0:
                base.store(cle, corps);
                break;
            case 1:
                base.store(cle, corps, TListeBase::Place::EnFin);
                break;
            case 2:
                base.supBloc(cle);
                base.store(cle, corps);
                break;
            default:
                base.supprime(cle);
                break;
            }
            TListeBase lue;
            lue.assign(base.lines());
            QCOMPARE(base.countBlocks(), lue.countBlocks());
            QCOMPARE(base.nb(), lue.nb());
            QCOMPARE(base.nextNumber(), lue.nextNumber());
            for (int k = 0; k <= nb + 1; ++k) {
                QCOMPARE(base.find(k), lue.find(k));
                if (base.find(k) >= 0)
                    QCOMPARE(base.finContenu(base.find(k)), lue.finContenu(lue.find(k)));
            }
            QCOMPARE(base.verif(), lue.verif());
        }
    }

    void duplicatesFoundAfterAChange() {
        TListeBase base = troisBlocs();
        base.doublons();
        QCOMPARE(base.countBlocks(), 3);
        base.assign(QStringList{"<BLOC0001>", "10020", "</BLOC0001>"} + base.lines());
        base.doublons();
        QCOMPARE(base.lines(), troisBlocs().lines());
    }
};

QTEST_GUILESS_MAIN(TestPassesBase)
#include "tst_passesbase.moc"
