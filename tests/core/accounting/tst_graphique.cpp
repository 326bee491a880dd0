#include "core/accounting/graphique.h"
#include "core/common/usererror.h"

#include <QTest>

class TestGraphique : public QObject {
    Q_OBJECT

private slots:
    void valeurs_data() {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<QList<qint64>>("attendu");
        QTest::newRow("arrondi au pair") << QStringList{"100,40", " 100,50", "101,50 ", "-2,5"}
                                         << QList<qint64>{100, 100, 102, -2};
        QStringList quarante;
        QList<qint64> derniers;
        for (int i = 1; i <= 40; ++i) {
            quarante << QString::number(i) + ",00";
            if (i > 8)
                derniers << i;
        }
        QTest::newRow("les 32 derniers") << quarante << derniers;
        QTest::newRow("aucun") << QStringList{} << QList<qint64>{};
    }
    void valeurs() {
        QFETCH(QStringList, textes);
        QFETCH(QList<qint64>, attendu);
        QCOMPARE(Graphique::Valeurs(textes), attendu);
    }

    void texteIllisible() {
        QVERIFY_THROWS_EXCEPTION(UserError, Graphique::Valeurs({"12,00", "douze"}));
    }

    void barres_data() {
        QTest::addColumn<QList<qint64>>("valeurs");
        QTest::addColumn<QList<QRect>>("attendu");
        QTest::newRow("la plus grande atteint 280 pixels")
            << QList<qint64>{50, 100}
            << QList<QRect>{QRect(20, 160, 10, 140), QRect(35, 20, 10, 280)};
        QTest::newRow("tronqué, négatif sous l'axe")
            << QList<qint64>{3, -1, 7}
            << QList<QRect>{QRect(20, 180, 10, 120), QRect(35, 300, 10, 40),
                            QRect(50, 20, 10, 280)};
        QTest::newRow("au-delà de 32 bits")
            << QList<qint64>{8000000, 16000000}
            << QList<QRect>{QRect(20, 160, 10, 140), QRect(35, 20, 10, 280)};
        QTest::newRow("rien au-dessus de zéro: les axes seuls")
            << QList<qint64>{0, -5} << QList<QRect>{};
    }
    void barres() {
        QFETCH(QList<qint64>, valeurs);
        QFETCH(QList<QRect>, attendu);
        QCOMPARE(Graphique::Barres(valeurs), attendu);
    }
};

QTEST_GUILESS_MAIN(TestGraphique)
#include "tst_graphique.moc"
