#include "core/tools/documenttexte.h"
#include "core/tools/regle.h"
#include "lettresessai.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

class TestDocumentTexte : public QObject {
    Q_OBJECT

private slots:
    // What the editor is given is what it gives back.
    void roundTrip_data() {
        QTest::addColumn<TDocumentRtf>("lettre");
        for (const auto& [nom, lettre] : lettresEssai())
            QTest::newRow(nom) << lettre;
    }
    void roundTrip() {
        QFETCH(TDocumentRtf, lettre);
        QTextDocument document;
        DocumentTexte::prepare(document);
        DocumentTexte::remplit(document, lettre);
        QCOMPARE(decrit(DocumentTexte::lettre(document)), decrit(lettre));
    }

    // A letter of many fonts gives each its name back, while the document resolves only so
    // many families: past them the text shows in the default font.
    void manyFonts() {
        TDocumentRtf lettre;
        for (int i = 0; i < 600; ++i)
            lettre.paragraphes.append(
                para({{QStringLiteral("x"), car(QStringLiteral("Police %1").arg(i % 300))}}));
        QTextDocument document;
        DocumentTexte::prepare(document);
        DocumentTexte::remplit(document, lettre);
        QCOMPARE(decrit(DocumentTexte::lettre(document)), decrit(lettre));
        QSet<QString> familles;
        for (QTextBlock b = document.begin(); b != document.end(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                for (const QString& famille :
                     it.fragment().charFormat().fontFamilies().toStringList())
                    familles.insert(famille);
        QCOMPARE(familles.size(), 257);
        QVERIFY(familles.contains(TCaractere::PoliceParDefaut));
    }

    // The filling tells how far it has gone; told to stop, it leaves the document empty.
    void fillingFollowedAndStopped() {
        TDocumentRtf lettre;
        for (int i = 0; i < 3000; ++i)
            lettre.paragraphes.append(para(QStringLiteral("ligne %1").arg(i)));
        QTextDocument document;
        DocumentTexte::prepare(document);
        QList<qsizetype> faits;
        DocumentTexte::remplit(document, lettre, [&](qsizetype n, qsizetype total) {
            faits.append(n);
            return total == 3000;
        });
        QCOMPARE(faits, QList<qsizetype>({0, 1024, 2048}));
        QCOMPARE(document.blockCount(), 3000);
        DocumentTexte::remplit(document, lettre, [](qsizetype n, qsizetype) { return n < 1024; });
        QVERIFY(document.isEmpty());
    }

    // Neighbouring bullet paragraphs are one list; another paragraph ends it.
    void bulletsMakeOneList() {
        QTextDocument document;
        DocumentTexte::prepare(document);
        DocumentTexte::remplit(document, lettresEssai()[3].second);
        const QTextBlock eau = document.findBlockByNumber(1);
        QVERIFY(eau.textList());
        QCOMPARE(document.findBlockByNumber(2).textList(), eau.textList());
        QVERIFY(!document.findBlockByNumber(3).textList());
        QVERIFY(document.findBlockByNumber(4).textList() != eau.textList());
    }

    void newTextTakesTheDefaultFont() {
        QTextDocument document;
        DocumentTexte::prepare(document);
        QTextCursor(&document).insertText(QStringLiteral("Madame,"));
        const TDocumentRtf lettre = DocumentTexte::lettre(document);
        QCOMPARE(
            decrit(lettre.paragraphes[0].fragments[0].format),
            decrit(car(TCaractere::PoliceParDefaut, DocumentTexte::TaillePoliceParDefaut * 2)));
    }

    void rulerPlaces_data() {
        QTest::addColumn<TRetraits>("retraits");
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("droite");
        QTest::newRow("none") << TRetraits{0, 0, 0} << 2 << 2 << 600 - 6 - 8;
        QTest::newRow("first line in") << TRetraits{36, -36, 0} << 50 << 2 << 586;
        QTest::newRow("hanging") << TRetraits{18, 18, 10} << 26 << 50 << 600 - 6 - 21;
    }
    void rulerPlaces() {
        QFETCH(TRetraits, retraits);
        QFETCH(int, premiere);
        QFETCH(int, gauche);
        QFETCH(int, droite);
        QCOMPARE(RegleTexte::placePremiere(retraits), premiere);
        QCOMPARE(RegleTexte::placeGauche(retraits), gauche);
        QCOMPARE(RegleTexte::placeDroite(retraits, 600), droite);
    }

    void rulerDrops() {
        // The first-line marker dragged to 50, held 5 pixels from its edge.
        QCOMPARE(RegleTexte::premiereDepuis(50, 5), 36);
        QCOMPARE(RegleTexte::gaucheDepuis(50, 5, 36), 0);
        QCOMPARE(RegleTexte::gaucheDepuis(98, 5, 36), 36);
        QCOMPARE(RegleTexte::droiteDepuis(600 - 6 - 8, 5, 600), 0);
        // Dropped at the ruler's left end, the markers give no negative indent.
        QCOMPARE(RegleTexte::premiereDepuis(0, RegleTexte::Decalage), 0);
    }

    // A marker put back where the ruler placed it gives the same indents, so that dragging
    // one marker leaves the others' paragraphs as they were.
    void markersGiveBackTheirIndents() {
        for (int premiere = 0; premiere <= 200; ++premiere)
            for (int gauche : {-premiere, 0, 7, 100})
                for (int droite : {0, 1, 2, 3, 55}) {
                    const TRetraits r{premiere, gauche, droite};
                    const int d = RegleTexte::Decalage;
                    QCOMPARE(RegleTexte::premiereDepuis(RegleTexte::placePremiere(r), d), premiere);
                    QCOMPARE(RegleTexte::gaucheDepuis(RegleTexte::placeGauche(r), d, premiere),
                             gauche);
                    QCOMPARE(RegleTexte::droiteDepuis(RegleTexte::placeDroite(r, 700), d, 700),
                             droite);
                }
    }

    void indentsOfAParagraph_data() {
        QTest::addColumn<bool>("puce");
        QTest::newRow("plain paragraph") << false;
        QTest::newRow("bullet paragraph") << true;
    }
    void indentsOfAParagraph() {
        QFETCH(bool, puce);
        QTextDocument document;
        DocumentTexte::prepare(document);
        TParagraphe p = para("x");
        p.puce = puce;
        DocumentTexte::remplit(document, {{p}});
        QTextCursor curseur(&document);
        const TRetraits voulus{30, 24, 12};
        DocumentTexte::appliqueRetraits(curseur, voulus);
        QCOMPARE(DocumentTexte::retraits(curseur.block()), voulus);
        // The bullet's room counts in the ruler's indents, not in the file's.
        const TDocumentRtf lettre = DocumentTexte::lettre(document);
        QCOMPARE(lettre.paragraphes[0].retraitGauche, (54 - (puce ? 18 : 0)) * 20);
        QCOMPARE(lettre.paragraphes[0].retraitPremiere, -24 * 20);
        QCOMPARE(lettre.paragraphes[0].retraitDroit, 12 * 20);
    }
};

QTEST_MAIN(TestDocumentTexte)
#include "tst_documenttexte.moc"
