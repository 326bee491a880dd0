#include "core/records/lignesliste.h"
#include "core/records/tdescriptionliste.h"
#include "core/records/tmodeleliste.h"
#include "core/store/tlistebase.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

// A base made of these lines, "<" and ">" standing for the opening and closing lines of the
// next key: {"<", "10001", ">"} is one block of key 0.
TListeBase baseDe(const QStringList& lignes) {
    QStringList lues;
    int ouverte = -1;
    for (const QString& l : lignes) {
        if (l == u"<")
            lues.append(TListeBase::openingLine(++ouverte));
        else if (l == u">")
            lues.append(TListeBase::closingLine(ouverte));
        else
            lues.append(l);
    }
    TListeBase base;
    base.assign(lues);
    return base;
}

// A block of `count` lines "<prefix>1".."<prefix>n", between its structural lines.
QStringList bloc(const QString& prefix, int count) {
    QStringList lignes{QStringLiteral("<")};
    for (int l = 1; l <= count; ++l)
        lignes.append(prefix + QString::number(l));
    lignes.append(QStringLiteral(">"));
    return lignes;
}

// Each row as its key and cells joined by "|".
QStringList resume(const QList<TLigneListe>& lignes) {
    QStringList out;
    for (const TLigneListe& l : lignes)
        out.append(QString::number(l.cle) + u':' + l.cellules.join(u'|'));
    return out;
}

} // namespace

class TestListes : public QObject {
    Q_OBJECT

private slots:
    void tables_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("attendu");
        const auto locataires = int(Base::Locataires);
        QTest::newRow("three tenants")
            << locataires << bloc("a", 9) + bloc("b", 9) + bloc("c", 9)
            << QStringList{"0:0000|1|a2|a3|a4|a5|a6|a7|a8", "1:0001|2|b2|b3|b4|b5|b6|b7|b8",
                           "2:0002|3|c2|c3|c4|c5|c6|c7|c8"};
        QTest::newRow("suppliers skip line 8") << int(Base::Fournisseurs) << bloc("f", 12)
                                               << QStringList{"0:0000|1|f3|f4|f5|f6|f7|f9|f10"};
        QTest::newRow("lots") << int(Base::Lots) << bloc("l", 11)
                              << QStringList{"0:0000|1|l1|l2|l3|l4|l5|l6|l11"};
        QTest::newRow("list order, numbered as shown")
            << locataires << QStringList{"<BLOC0001>", "10002", "Martin", "</BLOC0001>",
                                         "<BLOC0000>", "10001", "Dupont", "</BLOC0000>"}
            << QStringList{"1:0001|1|Martin||||||", "0:0000|2|Dupont||||||"};
        QTest::newRow("a short block stops at its closing line")
            << locataires << bloc("a", 3) + bloc("b", 9)
            << QStringList{"0:0000|1|a2|a3|||||", "1:0001|2|b2|b3|b4|b5|b6|b7|b8"};
        QTest::newRow("the last block cut by the base's end")
            << locataires << bloc("a", 9) + QStringList{"<", "10002", "Martin", "1, rue Haute"}
            << QStringList{"0:0000|1|a2|a3|a4|a5|a6|a7|a8", "1:0001|2|Martin|1, rue Haute|||||"};
        QTest::newRow("an opening line last")
            << locataires << QStringList{"<"} << QStringList{"0:0000|1|||||||"};
        QTest::newRow("empty base") << locataires << QStringList{} << QStringList{};
    }
    void tables() {
        QFETCH(int, base);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, attendu);
        const TDescriptionListe* table = descriptionListe(SorteListe::Fiches, Base(base));
        QVERIFY(table);
        QCOMPARE(resume(lignesListe(*table, baseDe(lignes))), attendu);
    }

    void codes_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("attendu");
        const QStringList martin{"<", "10004", "MARTIN", "Plomberie Martin", ">"};
        QTest::newRow("tenants: number and name")
            << int(Base::Locataires)
            << QStringList{"<", "10001", "Dupont Jean", "1, rue Haute", "", ">"} + bloc("x", 4)
            << QStringList{"0:10001 Dupont Jean", "1:x1 x2"};
        QTest::newRow("suppliers: code and line 3")
            << int(Base::Fournisseurs) << martin << QStringList{"0:10004 Plomberie Martin"};
        QTest::newRow("tenants need four lines")
            << int(Base::Locataires) << bloc("a", 3) + bloc("b", 4) << QStringList{"1:b1 b2"};
        QTest::newRow("suppliers need three lines")
            << int(Base::Fournisseurs) << bloc("a", 2) + bloc("b", 3) << QStringList{"1:b1 b3"};
        QTest::newRow("a block cut by the base's end")
            << int(Base::Fournisseurs) << martin + QStringList{"<", "10005", "DURAND"}
            << QStringList{"0:10004 Plomberie Martin"};
        QTest::newRow("a block ending with the base")
            << int(Base::Fournisseurs) << martin + QStringList{"<", "10005", "DURAND", "Durand"}
            << QStringList{"0:10004 Plomberie Martin", "1:10005 Durand"};
    }
    void codes() {
        QFETCH(int, base);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, attendu);
        const TDescriptionListe* liste = descriptionListe(SorteListe::Codes, Base(base));
        QVERIFY(liste);
        QCOMPARE(resume(lignesListe(*liste, baseDe(lignes))), attendu);
    }

    void codeChoisi_data() {
        QTest::addColumn<bool>("choisi");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("code");
        QTest::newRow("number then name") << true << "10004 Plomberie Martin"
                                          << "10004";
        QTest::newRow("no blank") << true << "10004"
                                  << "10004";
        QTest::newRow("no number") << true << " Plomberie Martin"
                                   << "";
        QTest::newRow("nothing chosen") << false << ""
                                        << "";
    }
    void codeChoisi() {
        QFETCH(bool, choisi);
        QFETCH(QString, texte);
        QFETCH(QString, code);
        const std::optional<TChoix> choix =
            choisi ? std::optional<TChoix>(TChoix{3, texte}) : std::nullopt;
        QCOMPARE(::codeChoisi(choix), code);
        QCOMPARE(cleChoisie(choix), choisi ? 3 : -1);
    }

    void documents_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("attendu");
        const QStringList quittance{"<",          "QUIT202612001", "07/12/2026", "10001",
                                    "lot",        "Dupont Jean",   "x6",         "x7",
                                    "450,00 EUR", "MEMOpayé",      ">"};
        QTest::newRow("receipts: number without tag, two blanks between")
            << int(Base::Quittances) << quittance
            << QStringList{"0:202612001  07/12/2026  10001  Dupont Jean  450,00 EUR"};
        QTest::newRow("notices") << int(Base::Avis) << bloc("AVIS", 8)
                                 << QStringList{"0:1  AVIS2  AVIS3  AVIS4  AVIS7"};
        QTest::newRow("orders") << int(Base::Commandes) << bloc("NUMC", 8)
                                << QStringList{"0:1  NUMC2  NUMC3  NUMC5  NUMC6"};
        QTest::newRow("payment receipts") << int(Base::Recus) << bloc("NUMR", 8)
                                          << QStringList{"0:1  NUMR2  NUMR3  NUMR5  NUMR6"};
        QTest::newRow("a gap in the keys ends the list")
            << int(Base::Quittances)
            << QStringList{"<BLOC0000>",  "QUITA",      "</BLOC0000>", "<BLOC0001>", "QUITB",
                           "</BLOC0001>", "<BLOC0003>", "QUITD",       "</BLOC0003>"}
            << QStringList{"0:A        ", "1:B        "};
        QTest::newRow("by key, not list order")
            << int(Base::Quittances) << QStringList{"<BLOC0001>", "QUITB", "</BLOC0001>",
                                                    "<BLOC0000>", "QUITA", "</BLOC0000>"}
            << QStringList{"0:A        ", "1:B        "};
        QTest::newRow("a number shorter than its tag")
            << int(Base::Quittances) << QStringList{"<", "QUI", "07/12/2026", ">"}
            << QStringList{"0:  07/12/2026      "};
        QTest::newRow("the last block cut by the base's end")
            << int(Base::Quittances) << quittance + QStringList{"<", "QUIT202612002", "08/12/2026"}
            << QStringList{"0:202612001  07/12/2026  10001  Dupont Jean  450,00 EUR",
                           "1:202612002  08/12/2026      "};
        QTest::newRow("no block of key 0")
            << int(Base::Quittances) << QStringList{"<BLOC0001>", "QUITB", "</BLOC0001>"}
            << QStringList{};
    }
    void documents() {
        QFETCH(int, base);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, attendu);
        const TDescriptionListe* liste = descriptionListe(SorteListe::Documents, Base(base));
        QVERIFY(liste);
        QCOMPARE(resume(lignesListe(*liste, baseDe(lignes))), attendu);
    }

    void aGridShowsItsHeadersKeysAndNumbers() {
        TModeleListe modele(TFListe3);
        QAbstractItemModelTester testeur(&modele,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        modele.charge(baseDe(bloc("l", 11) + bloc("m", 11)));
        QCOMPARE(modele.rowCount(), 2);
        QCOMPARE(modele.columnCount(), 9);
        QStringList entetes;
        for (int colonne = 0; colonne < modele.columnCount(); ++colonne)
            entetes.append(modele.headerData(colonne, Qt::Horizontal).toString());
        QCOMPARE(entetes, QStringList({"", "", "N° lot", "Désignation", "Adresse", "Adresse", "CP",
                                       "Ville", "Type"}));
        QCOMPARE(modele.data(modele.index(1, 0)).toString(), QString("0001"));
        QCOMPARE(modele.data(modele.index(1, 1)).toString(), QString("2"));
        QCOMPARE(modele.data(modele.index(1, 8)).toString(), QString("m11"));
        QCOMPARE(largeursColonnes(TFListe3), QList<int>({0, 40, 70, 198, 174, 116, 66, 123, 151}));
    }

    // Moving rows changes the list shown only: each row keeps the key of its block.
    void rowsMoveUpAndDownKeepingTheirKeys() {
        TModeleListe modele(TQuitListe);
        QAbstractItemModelTester testeur(&modele,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        const TListeBase base = baseDe(bloc("QUITA", 1) + bloc("QUITB", 1) + bloc("QUITC", 1));
        modele.charge(base);
        const auto ordre = [&modele] {
            QStringList out;
            for (int ligne = 0; ligne < modele.rowCount(); ++ligne) {
                const std::optional<TChoix> choix = modele.choix(ligne);
                out.append(QString::number(choix->cle) + u':' + choix->texte.left(2));
            }
            return out;
        };
        QVERIFY(!modele.deplace(0, TModeleListe::Sens::Haut));
        QVERIFY(!modele.deplace(2, TModeleListe::Sens::Bas));
        QVERIFY(!modele.deplace(-1, TModeleListe::Sens::Bas));
        QCOMPARE(ordre(), QStringList({"0:A1", "1:B1", "2:C1"}));
        QVERIFY(modele.deplace(2, TModeleListe::Sens::Haut));
        QCOMPARE(ordre(), QStringList({"0:A1", "2:C1", "1:B1"}));
        QVERIFY(modele.deplace(0, TModeleListe::Sens::Bas));
        QCOMPARE(ordre(), QStringList({"2:C1", "0:A1", "1:B1"}));
        QCOMPARE(modele.data(modele.index(0, 0)).toString(), QString("C1        "));
        QVERIFY(!modele.choix(3));
        QVERIFY(!modele.choix(-1));
        QCOMPARE(base.line(1), QString("QUITA1"));
    }
};

QTEST_GUILESS_MAIN(TestListes)
#include "tst_listes.moc"
