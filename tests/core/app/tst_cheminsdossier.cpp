#include "core/app/cheminsdossier.h"

#include <QTest>

class TstCheminsDossier : public QObject {
    Q_OBJECT

private slots:
    void fichierLoc_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("loc");
        QTest::newRow("minuscules") << "/d/dupont.loc" << true;
        QTest::newRow("majuscules") << "/d/DUPONT.LOC" << true;
        QTest::newRow("mélange") << "/d/Dupont.Loc" << true;
        QTest::newRow("texte") << "/d/dupont.txt" << false;
        QTest::newRow("compagnon") << "/d/dupont.lot" << false;
        QTest::newRow("sans point") << "/d/dupontloc" << false;
        QTest::newRow("vide") << "" << false;
    }
    void fichierLoc() {
        QFETCH(QString, path);
        QFETCH(bool, loc);
        QCOMPARE(estFichierLoc(path), loc);
    }

    void extensionLoc_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("déjà loc") << "/d/dupont.loc"
                                  << "/d/dupont.loc";
        QTest::newRow("majuscules") << "/d/DUPONT.LOC"
                                    << "/d/DUPONT.loc";
        QTest::newRow("autre extension") << "/d/dupont.txt"
                                         << "/d/dupont.loc";
        QTest::newRow("sans extension") << "/d/dupont"
                                        << "/d/dupont.loc";
        QTest::newRow("point final") << "/d/dupont."
                                     << "/d/dupont.loc";
        QTest::newRow("dernier point seulement") << "/d/a.b.c"
                                                 << "/d/a.b.loc";
        QTest::newRow("point dans le dossier") << "/d.x/dupont"
                                               << "/d.x/dupont.loc";
        QTest::newRow("nom caché") << "/d/.dupont"
                                   << "/d/.dupont.loc";
    }
    void extensionLoc() {
        QFETCH(QString, path);
        QFETCH(QString, attendu);
        QCOMPARE(avecExtensionLoc(path), attendu);
    }
};

QTEST_GUILESS_MAIN(TstCheminsDossier)
#include "tst_cheminsdossier.moc"
