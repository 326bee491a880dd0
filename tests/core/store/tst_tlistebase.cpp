#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <QTest>

namespace {

// A base of blocks whose single field is "N<key>", in the given key order.
TListeBase baseDe(const QList<int>& keys) {
    QStringList lignes;
    for (int key : keys)
        lignes << TListeBase::openingLine(key) << QStringLiteral("N%1").arg(key)
               << TListeBase::closingLine(key);
    TListeBase base;
    base.assign(lignes);
    return base;
}

// The first field of every block, in list order, tagged with the block's key.
QStringList resume(const TListeBase& base) {
    QStringList out;
    for (const TListeBase::Position& bloc : base.blocs())
        out.append(QStringLiteral("%1:%2").arg(bloc.cle).arg(base.line(bloc.ligne + 1)));
    return out;
}

} // namespace

class TestTListeBase : public QObject {
    Q_OBJECT

private slots:
    void keyTexts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("closing");
        QTest::newRow("0") << 0 << "<BLOC0000>"
                           << "</BLOC0000>";
        QTest::newRow("7") << 7 << "<BLOC0007>"
                           << "</BLOC0007>";
        QTest::newRow("123") << 123 << "<BLOC0123>"
                             << "</BLOC0123>";
        QTest::newRow("9998") << 9998 << "<BLOC9998>"
                              << "</BLOC9998>";
    }
    void keyTexts() {
        QFETCH(int, key);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        QCOMPARE(TListeBase::openingLine(key), opening);
        QCOMPARE(TListeBase::closingLine(key), closing);
        QCOMPARE(TListeBase::analyse(opening).cle, key);
        QCOMPARE(TListeBase::analyse(closing).cle, key);
    }

    void storeKeepsTheBlockInPlace() {
        TListeBase base = baseDe({0, 1, 2, 3, 4, 5});
        QVERIFY(!base.store(3, {"nouveau", "MEMOligne"}));
        QCOMPARE(resume(base), QStringList({"0:N0", "1:N1", "2:N2", "3:nouveau", "4:N4", "5:N5"}));
        QCOMPARE(base.find(3), 9);
        QCOMPARE(base.line(10), QString("nouveau"));
        QCOMPARE(base.line(11), QString("MEMOligne"));
        QCOMPARE(base.line(12), QString("</BLOC0003>"));
        QCOMPARE(base.find(4), 13);
        QCOMPARE(base.nb(), 6);
    }

    void storeAppendsAndCountsTheFirstBlock() {
        TListeBase base;
        QVERIFY(base.store(0, {"10001"}));
        QCOMPARE(base.nb(), 1);
        QCOMPARE(base.lines(), QStringList({"<BLOC0000>", "10001", "</BLOC0000>"}));
        QVERIFY(base.store(1, {"10002"}));
        QCOMPARE(base.nb(), 2);
        QCOMPARE(base.find(1), 3);
    }

    void storeOverAnUnclosedLastBlockReplacesItToTheEnd() {
        TListeBase base;
        base.assign({"<BLOC0000>", "N0", "</BLOC0000>", "<BLOC0001>", "ancien"});
        QVERIFY(base.store(1, {"nouveau"}));
        QCOMPARE(resume(base), QStringList({"0:N0", "1:nouveau"}));
        QCOMPARE(base.lineCount(), 6);
    }

    void findFollowsEveryChange() {
        TListeBase base = baseDe({0, 1, 2});
        QCOMPARE(base.find(2), 6);
        base.supBloc(0);
        QCOMPARE(base.find(0), -1);
        QCOMPARE(base.find(2), 3);
        base.store(0, {"N0"});
        QCOMPARE(base.find(0), 6);
        base.store(1, {"N1", "de plus"});
        QCOMPARE(base.find(2), 4);
        QCOMPARE(base.find(7), -1);
        // Only a sound opening line is found: the other passes read the same grammar.
        base.assign({"<bloc0002>", "N2", "</BLOC0002>"});
        QCOMPARE(base.find(2), -1);
    }

    void grammar_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("cle");
        QTest::addColumn<bool>("saine");
        const int contenu = int(TListeBase::Sorte::Contenu);
        const int ouvre = int(TListeBase::Sorte::Ouverture);
        const int ferme = int(TListeBase::Sorte::Fermeture);
        QTest::newRow("opening") << "<BLOC0007>" << ouvre << 7 << true;
        QTest::newRow("closing") << "</BLOC9998>" << ferme << 9998 << true;
        QTest::newRow("no >") << "<BLOC0000" << ouvre << 0 << false;
        QTest::newRow("trailing blank") << "<BLOC0000> " << ouvre << 0 << false;
        QTest::newRow("lower case") << "<bloc0001>" << contenu << -1 << false;
        QTest::newRow("mixed case closing") << "</BLOc0001>" << contenu << -1 << false;
        QTest::newRow("company name") << "<Blocage SA>" << contenu << -1 << false;
        QTest::newRow("capitals then text") << "<BLOCAGE SA>" << ouvre << -1 << false;
        QTest::newRow("no digits") << "<BLOC>" << ouvre << -1 << false;
        QTest::newRow("text after the word") << "<BLOC> société" << ouvre << -1 << false;
        QTest::newRow("five digits") << "<BLOC10000>" << ouvre << 1000 << false;
        QTest::newRow("short") << "<BLO" << contenu << -1 << false;
        QTest::newRow("blank first") << " <BLOC0000>" << contenu << -1 << false;
        QTest::newRow("tag") << "MEMO<BLOC0000>" << contenu << -1 << false;
    }
    void grammar() {
        QFETCH(QString, line);
        QFETCH(int, sorte);
        QFETCH(int, cle);
        QFETCH(bool, saine);
        const TListeBase::Analyse a = TListeBase::analyse(line);
        QCOMPARE(int(a.sorte), sorte);
        if (a.sorte != TListeBase::Sorte::Contenu) {
            QCOMPARE(a.cle, cle);
            QCOMPARE(a.saine, saine);
        }
    }

    // No body line may forge structure: the store refuses it and the base stays as it was.
    void storeRefusesStructuralText_data() {
        QTest::addColumn<QString>("texte");
        QTest::newRow("closing") << "</BLOC0001>";
        QTest::newRow("opening with text") << "<BLOC> société";
        QTest::newRow("opening word alone") << "<BLOC";
        QTest::newRow("line break") << "Dupont\n</BLOC0000>";
        QTest::newRow("CR") << "a\rb";
    }
    void storeRefusesStructuralText() {
        QFETCH(QString, texte);
        TListeBase base = baseDe({0, 1});
        const QStringList avant = base.lines();
        QVERIFY_THROWS_EXCEPTION(UserError, base.store(1, {"10002", texte}));
        QVERIFY_THROWS_EXCEPTION(UserError, base.store(2, {texte}));
        QCOMPARE(base.lines(), avant);
        QCOMPARE(base.nb(), 2);
    }

    // A text that only looks like a structural line in another letter case is a field.
    void storeKeepsLookalikeText_data() {
        QTest::addColumn<QString>("texte");
        QTest::newRow("company name") << "<Blocage SA>";
        QTest::newRow("lower case") << "<bloc0001>";
        QTest::newRow("mixed case closing") << "</Bloc0000>";
    }
    void storeKeepsLookalikeText() {
        QFETCH(QString, texte);
        TListeBase base = baseDe({0, 1});
        base.store(1, {"10002", texte, "12 rue"});
        QCOMPARE(base.read(1, 3, 4).champs, QStringList({"10002", texte, "12 rue"}));
        QVERIFY(!base.verif());
        QCOMPARE(base.countBlocks(), 2);
    }

    void readFieldsMemoAndGrid() {
        TListeBase base;
        const QString longMemo(300, u'm');
        base.assign({"<BLOC0000>", "10001", "Dupont", "MEMOpremière",
                     "DATA01/01/2001\tLoyer\t 12,50", "MEMO" + longMemo, "XXXXautre", "</BLOC0000>",
                     "<BLOC0001>", "10002", "</BLOC0001>"});
        const TBlocLu bloc = base.read(0, 3, 2);
        QVERIFY(bloc.trouve);
        QCOMPARE(bloc.champs, QStringList({"10001", "Dupont", "MEMOpremière"}));
        QCOMPARE(bloc.tags.size(), 5);
        QCOMPARE(bloc.tags[0].tag, QString("Dupo"));
        QCOMPARE(bloc.tags[1].tag, QString("MEMO"));
        QCOMPARE(bloc.tags[1].valeur, QString("première"));
        QCOMPARE(bloc.tags[2].tag, QString("DATA"));
        QCOMPARE(TListeBase::cellules(bloc.tags[2].valeur, 3),
                 QStringList({"01/01/2001", "Loyer", " 12,50"}));
        QCOMPARE(bloc.tags[3].valeur, QString(255, u'm'));
        QCOMPARE(bloc.tags[4].tag, QString("XXXX"));
    }

    void readStopsAtTheBlockEnd() {
        TListeBase base = baseDe({0, 1});
        const TBlocLu bloc = base.read(0, 3, 1);
        QCOMPARE(bloc.champs, QStringList({"N0", "", ""}));
        QCOMPARE(bloc.tags.size(), 0);
        QVERIFY(!base.read(5, 3, 1).trouve);

        // However long the block, every line up to its end is read.
        QStringList lignes = {"<BLOC0000>"};
        for (int i = 1; i <= 400; ++i)
            lignes.append(QStringLiteral("MEMO%1").arg(i));
        TListeBase longue;
        longue.assign(lignes);
        QCOMPARE(longue.read(0, 0, 3).tags.size(), 398);
        longue.assign(lignes + QStringList{"</BLOC0000>", "<BLOC0001>"});
        QCOMPARE(longue.read(0, 0, 1).tags.size(), 400);
    }

    void gridRows() {
        QCOMPARE(TListeBase::lignesGrille({{"01/01/2001", "Loyer", "12,50"},
                                           {"", "", ""},
                                           {"02/01/2001", "Charges", "3,00"}}),
                 QStringList({"DATA01/01/2001\tLoyer\t12,50"}));
        QCOMPARE(TListeBase::lignesGrille({{"", "", ""}, {"02/01/2001", "Charges", "3,00"}}),
                 QStringList());
        QCOMPARE(TListeBase::lignesGrille({{"a", "bcdefg", "h"}}),
                 QStringList({"DATAa\tbcdefg\th"}));
        QCOMPARE(TListeBase::lignesGrille({{"a", "bcdef", "h"}}), QStringList());
        QCOMPARE(TListeBase::cellules("sans tab", 2), QStringList({"sans tab", ""}));
    }

    void nextNumber_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("next");
        QTest::newRow("empty") << QStringList() << 10001;
        QTest::newRow("gaps and blank")
            << QStringList({"<BLOC0000>", "10001", "</BLOC0000>", "<BLOC0001>", "", "</BLOC0001>",
                            "<BLOC0002>", "10007", "</BLOC0002>"})
            << 10008;
        QTest::newRow("opening line last") << QStringList({"<BLOC0000>"}) << 10001;
        QTest::newRow("small numbers") << QStringList({"<BLOC0000>", "12", "</BLOC0000>"}) << 10001;
        QTest::newRow("not a number") << QStringList({"<BLOC0000>", "1O0", "</BLOC0000>"}) << -1;
    }
    void nextNumber() {
        QFETCH(QStringList, lines);
        QFETCH(int, next);
        TListeBase base;
        base.assign(lines);
        try {
            QCOMPARE(base.nextNumber(), next);
        } catch (const UserError& e) {
            QCOMPARE(next, -1);
            QCOMPARE(e.message(), QString("'1O0' n'est pas une valeur entière correcte"));
        }
    }

    // A base whose largest number is the largest integer gives no next number rather than one
    // that would not read back.
    void nextNumberBeyondTheLargestInteger() {
        TListeBase base;
        base.assign(
            {"<BLOC0000>", "10001", "</BLOC0000>", "<BLOC0001>", "$7FFFFFFF", "</BLOC0001>"});
        try {
            base.nextNumber();
            QFAIL("a number was given");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QString("'2147483648' n'est pas une valeur entière correcte"));
        }
        base.store(1, {"2147483646"});
        QCOMPARE(base.nextNumber(), 2147483647);
    }

    void supprime_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("nb");
        QTest::addColumn<int>("courant");
        QTest::newRow("middle") << QList<int>{0, 1, 2, 3, 4} << 2
                                << QStringList({"0:N0", "1:N1", "2:N3", "3:N4"}) << 4 << 2;
        QTest::newRow("last") << QList<int>{0, 1, 2} << 2 << QStringList({"0:N0", "1:N1"}) << 2
                              << 1;
        QTest::newRow("only") << QList<int>{0} << 0 << QStringList() << 0 << 0;
        QTest::newRow("out of order")
            << QList<int>{3, 0, 2, 1} << 1 << QStringList({"2:N3", "0:N0", "1:N2"}) << 3 << 1;
        QTest::newRow("new card not stored")
            << QList<int>{0, 1} << 2 << QStringList({"0:N0", "1:N1"}) << 2 << 1;
    }
    void supprime() {
        QFETCH(QList<int>, keys);
        QFETCH(int, deleted);
        QFETCH(QStringList, after);
        QFETCH(int, nb);
        QFETCH(int, courant);
        TListeBase base = baseDe(keys);
        base.allerA(deleted);
        base.supprime(deleted);
        QCOMPARE(resume(base), after);
        QCOMPARE(base.nb(), nb);
        QCOMPARE(base.courant(), courant);
    }

    void supprimeStopsAtTheEndOfAnUnclosedBlock() {
        TListeBase base;
        base.assign({"<BLOC0000>", "N0", "</BLOC0000>", "<BLOC0001>", "N1"});
        QCOMPARE(base.nb(), 2);
        base.supprime(1);
        QCOMPARE(base.lines(), QStringList({"<BLOC0000>", "N0", "</BLOC0000>"}));
        QCOMPARE(base.nb(), 1);
    }

    // Every copy of a key but the last goes at once, and the keys stay dense.
    void doublonsKeepsTheLastCopy() {
        TListeBase base;
        base.assign({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "b1", "</BLOC0001>",
                     "<BLOC0001>", "b2", "</BLOC0001>", "<BLOC0002>", "c", "</BLOC0002>",
                     "<BLOC0001>", "b3", "</BLOC0001>"});
        QVERIFY(!base.verif());
        QVERIFY(base.doublons());
        QCOMPARE(resume(base), QStringList({"0:a", "2:c", "1:b3"}));
        QCOMPARE(base.nb(), 3);
        QVERIFY(!base.doublons());
    }

    void verifLeavesASoundBaseAlone() {
        TListeBase base;
        base.assign(QStringList{""} + baseDe({2, 0, 1}).lines());
        const QStringList before = base.lines();
        QVERIFY(!base.verif());
        QCOMPARE(base.lines(), before);
    }

    void verifRebuilds_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("rebuilt");
        QTest::newRow("closing line missing")
            << QStringList({"<BLOC0000>", "a", "<BLOC0001>", "b", "</BLOC0001>", "<BLOC0002>", "c",
                            "</BLOC0002>"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "b", "</BLOC0001>",
                            "<BLOC0002>", "c", "</BLOC0002>"});
        QTest::newRow("last closing line missing")
            << QStringList({"<BLOC0001>", "b", "</BLOC0001>", "<BLOC0000>", "a"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "b", "</BLOC0001>"});
        QTest::newRow("stray closing line")
            << QStringList({"x", "<BLOC0000>", "a", "</BLOC0000>", "</BLOC0004>"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>"});
        QTest::newRow("missing key keeps the blocks above")
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0002>", "c", "</BLOC0002>",
                            "<BLOC0003>", "d"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "c", "</BLOC0001>",
                            "<BLOC0002>", "d", "</BLOC0002>"});
        QTest::newRow("balanced but with a gap")
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0005>", "f", "</BLOC0005>"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "f", "</BLOC0001>"});
        QTest::newRow("mismatched closing line")
            << QStringList({"<BLOC0000>", "a", "</BLOC0001>", "<BLOC0001>", "b", "</BLOC0000>"})
            << QStringList({"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "b", "</BLOC0001>"});
    }
    void verifRebuilds() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, rebuilt);
        TListeBase base;
        base.assign(lines);
        QVERIFY(base.verif());
        QCOMPARE(base.lines(), rebuilt);
        QCOMPARE(base.nb(), base.countBlocks());
        QVERIFY(!base.verif());
    }

    void bytesWriteEveryLineEndedByCrLf_data() {
        QTest::addColumn<QByteArray>("lu");
        QTest::addColumn<int>("ligneChangee");
        QTest::addColumn<QByteArray>("ecrit");
        const QByteArray crlf("<BLOC0000>\r\nA\x80\x81\r\n\r\n</BLOC0000>\r\n");
        QTest::newRow("as read") << crlf << -1 << crlf;
        QTest::newRow("one line changed")
            << crlf << 2 << QByteArray("<BLOC0000>\r\nA\x80\x81\r\nZ\xe9\r\n</BLOC0000>\r\n");
        QTest::newRow("LF and CR ends") << QByteArray("<BLOC0000>\nA\rB\r\n</BLOC0000>") << -1
                                        << QByteArray("<BLOC0000>\r\nA\r\nB\r\n</BLOC0000>\r\n");
        QTest::newRow("empty") << QByteArray() << -1 << QByteArray();
    }
    void bytesWriteEveryLineEndedByCrLf() {
        QFETCH(QByteArray, lu);
        QFETCH(int, ligneChangee);
        QFETCH(QByteArray, ecrit);
        TListeBase base;
        base.assignBytes(lu);
        if (ligneChangee >= 0) {
            QStringList corps = {base.line(1), base.line(2)};
            corps[ligneChangee - 1] = QStringLiteral("Zé");
            base.store(0, corps);
        }
        QCOMPARE(base.bytes(QStringLiteral("f")), ecrit);
        TListeBase relu;
        relu.assignBytes(ecrit);
        QCOMPARE(relu.lines(), base.lines());
    }

    void bytesRefuseATextWithoutItsByte() {
        TListeBase base;
        base.assign({"<BLOC0000>", QStringLiteral("漢"), "</BLOC0000>"});
        QVERIFY_THROWS_EXCEPTION(UserError, base.bytes(QStringLiteral("f")));
    }

    void plusGrandNumeroFollowsTheBase() {
        TListeBase base;
        QCOMPARE(base.plusGrandNumero(QStringLiteral("NUMQ")), std::nullopt);
        base.store(0, {QStringLiteral("NUMQ202612004")}, TListeBase::Place::EnFin);
        base.store(1, {QStringLiteral("NUMA202612009")}, TListeBase::Place::EnFin);
        QCOMPARE(base.plusGrandNumero(QStringLiteral("NUMQ")), 202612004);
        base.store(2, {QStringLiteral("NUMQ 202612007")}, TListeBase::Place::EnFin);
        QCOMPARE(base.plusGrandNumero(QStringLiteral("NUMQ")), 202612007);
        base.store(2, {QStringLiteral("NUMQ202612001")});
        QCOMPARE(base.plusGrandNumero(QStringLiteral("NUMQ")), 202612004);
        base.store(3, {QStringLiteral("NUMQ2026x")}, TListeBase::Place::EnFin);
        QVERIFY_THROWS_EXCEPTION(UserError, base.plusGrandNumero(QStringLiteral("NUMQ")));
    }

    void squizeDropsLeadingLines() {
        TListeBase base;
        base.assign(QStringList{"entête", ""} + baseDe({0}).lines());
        base.squize();
        QCOMPARE(base.lines(), QStringList({"<BLOC0000>", "N0", "</BLOC0000>"}));
        TListeBase sansBloc;
        sansBloc.assign({"a", "b"});
        sansBloc.squize();
        QCOMPARE(sansBloc.lineCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTListeBase)
#include "tst_tlistebase.moc"
