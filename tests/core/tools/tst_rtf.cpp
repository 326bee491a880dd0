#include "core/common/usererror.h"
#include "core/rtf/ecriturertf.h"
#include "core/rtf/lecturertf.h"
#include "lettresessai.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray fixture(const char* nom) {
    QFile f(QStringLiteral(TARVINEL_FIXTURES "/rtf/") + QLatin1String(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<TDocumentRtf>("lettre");
        for (const auto& [nom, lettre] : lettresEssai())
            QTest::newRow(nom) << lettre;
    }
    void roundTrip() {
        QFETCH(TDocumentRtf, lettre);
        const QByteArray rtf = ecritRtf(lettre);
        const TDocumentRtf relue = lisRtf(rtf);
        QCOMPARE(decrit(relue), decrit(lettre));
        QVERIFY(relue == lettre);
    }

    void writtenAsAscii() {
        const QByteArray rtf = ecritRtf({{para(QStringLiteral("é € Ω 😀 {x}"))}});
        for (char c : rtf)
            QVERIFY(uchar(c) < 0x80);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("\\'e9 \\'80 \\u937? \\u-10179?\\u-8704? \\{x\\}"));
        QVERIFY(rtf.endsWith("}\r\n"));
    }

    // A ";" ends a name in the font table: one inside a name is written escaped and read
    // back as part of it.
    void fontNameWithSemicolon() {
        TCaractere format = car(QStringLiteral("A;B"));
        const TDocumentRtf lettre{{para({{QStringLiteral("x"), format}})}};
        const QByteArray rtf = ecritRtf(lettre);
        QVERIFY(rtf.contains("A\\'3bB;}"));
        QCOMPARE(lisRtf(rtf).paragraphes[0].fragments[0].format.police, QString("A;B"));
        QVERIFY(lisRtf(rtf) == lettre);
    }

    // Each of many fonts keeps its own number, written once in the table.
    void manyFonts() {
        TDocumentRtf lettre;
        for (int i = 0; i < 2000; ++i)
            lettre.paragraphes.append(
                para({{QStringLiteral("x"), car(QStringLiteral("Police %1").arg(i % 1000))}}));
        const QByteArray rtf = ecritRtf(lettre);
        QCOMPARE(rtf.count("\\fcharset0 "), 1000);
        QVERIFY(rtf.contains("{\\f999\\fnil\\fcharset0 Police 999;}"));
        QVERIFY(lisRtf(rtf) == lettre);
    }

    // What the letter does not keep of its file is named, each kind once, in the order met;
    // a letter the program wrote keeps all of its file.
    void contentNotKept_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("omis");
        QTest::newRow("another word processor")
            << fixture("lettre-writer.rtf") << QStringList({"en-têtes ou pieds de page", "images"});
        QTest::newRow("table and object")
            << QByteArray("{\\rtf1 a\\par\\trowd\\cellx1000 b\\cell c\\cell\\row"
                          "{\\object\\objemb{\\*\\objdata 0102}}{\\field{\\*\\fldinst "
                          "PAGE}{\\fldrslt 1}}\\trowd x\\cell\\row}")
            << QStringList({"tableaux", "objets", "champs"});
        QTest::newRow("written by the program")
            << ecritRtf(lettresEssai().constLast().second) << QStringList();
    }
    void contentNotKept() {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, omis);
        const std::optional<TLettreLue> lue = lisLettre(rtf);
        QVERIFY(lue);
        QCOMPARE(lue->omis, omis);
        QVERIFY(lue->lettre == lisRtf(rtf));
    }

    // The reading tells how far it has gone, up to the whole file, and stops when told to.
    void followedAndStopped() {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 50000; ++i)
            rtf += "{\\b mot} suivant\\par\r\n";
        rtf += '}';
        QList<qsizetype> lus;
        const std::optional<TLettreLue> lue = lisLettre(rtf, [&](qsizetype n, qsizetype total) {
            lus.append(n);
            return total == rtf.size();
        });
        QVERIFY(lue);
        QCOMPARE(lue->lettre.paragraphes.size(), 50000);
        QVERIFY(lus.size() >= 3);
        QVERIFY(std::is_sorted(lus.begin(), lus.end()));
        QCOMPARE(lus.constLast(), rtf.size());

        int appels = 0;
        QVERIFY(!lisLettre(rtf, [&](qsizetype, qsizetype) { return ++appels < 2; }));
        QCOMPARE(appels, 2);
    }

    // A letter as another word processor saves it: styles, lists, fields, pictures, page
    // settings and document information around the text.
    void letterOfAnotherWordProcessor() {
        const TDocumentRtf lettre = lisRtf(fixture("lettre-writer.rtf"));
        QCOMPARE(lettre.texte(),
                 QStringLiteral("Jean Martin\n12 rue des Chênes\nLyon, le 12 mars 2024\n"
                                "Objet : régularisation des charges\n"
                                "Madame, après relevé des compteurs, le solde d’une année est "
                                "de 42,50 € à régler.\neau froide\nentretien de l’ascenseur\n\n"
                                "Veuillez agréer mes salutations distinguées."));
        const QList<TParagraphe>& p = lettre.paragraphes;
        const TCaractere normal = car(QStringLiteral("Liberation Serif"));
        QCOMPARE(p[0].fragments.size(), 1);
        QCOMPARE(decrit(p[0].fragments[0].format), decrit(normal));
        QCOMPARE(p[2].alignement, Alignement::Droite);
        QCOMPARE(p[3].fragments.size(), 2);
        QCOMPARE(p[3].fragments[0].texte, QStringLiteral("Objet :"));
        QVERIFY(p[3].fragments[0].format.gras);
        QVERIFY(!p[3].fragments[1].format.gras);
        QCOMPARE(p[4].alignement, Alignement::Justifie);
        QCOMPARE(p[4].retraitPremiere, 709);
        for (int i : {5, 6}) {
            QVERIFY(p[i].puce);
            QCOMPARE(p[i].retraitGauche, 720 - RetraitPuce);
            QCOMPARE(p[i].retraitPremiere, -360 + RetraitPuce);
        }
        QVERIFY(!p[7].puce);
        QVERIFY(p[7].fragments.isEmpty());
        QCOMPARE(decrit(p[7].marque), decrit(normal));
        QCOMPARE(p[8].alignement, Alignement::Centre);
        QCOMPARE(decrit(p[8].fragments[0].format),
                 decrit(car(QStringLiteral("Liberation Sans"), 28, false, true, true)));
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("texte");
        QTest::newRow("groups never closed")
            << QByteArray("{\\rtf1 Bonjour {\\b Madame") << "Bonjour Madame";
        QTest::newRow("cut in a control word") << QByteArray("{\\rtf1 Bonjour\\pa") << "Bonjour";
        QTest::newRow("cut in an escape") << QByteArray("{\\rtf1 caf\\'e") << "caf";
        QTest::newRow("escape without digits") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb";
        QTest::newRow("text after the last brace") << QByteArray("{\\rtf1 Un}}} Deux") << "Un";
        QTest::newRow("binary data longer than the file")
            << QByteArray("{\\rtf1 a{\\*\\blob\\bin999999 }}xyz") << "a";
        QTest::newRow("binary data with braces")
            << QByteArray("{\\rtf1 a{\\pict\\bin4 }{{{}b}") << "ab";
        QTest::newRow("number too large")
            << QByteArray("{\\rtf1 \\fs99999999999999999999 \\li-99999999999 x}") << "x";
        QTest::newRow("lone half of a pair")
            << QByteArray("{\\rtf1 \\u-10179?a}") << QStringLiteral("\uFFFDa");
        QTest::newRow("control bytes") << QByteArray("{\\rtf1 a\0b\\'01c\x7f}", 17) << "abc\x7f";
        QTest::newRow("unknown words and groups")
            << QByteArray("{\\rtf1 {\\*\\secret cach\\'e9}visible{\\motinconnu42 aussi}"
                          "{\\*\\pn{\\pntxtb -}}\\zzz}")
            << "visibleaussi";
        QTest::newRow("ANSI and Unicode versions")
            << QByteArray("{\\rtf1 {\\upr{ANSI}{\\*\\ud{Unicode \\u937?}}}}") << "Unicode Ω";
        QTest::newRow("two stand-in bytes")
            << QByteArray("{\\rtf1\\uc2 \\u937\\'d9\\'a6x}") << "Ωx";
        QTest::newRow("Cyrillic font")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'cf\\'f0\\'e8}")
            << "При";
        QTest::newRow("word of 10000 letters")
            << QByteArray("{\\rtf1 a\\") + QByteArray(10000, 'q') + QByteArray(" b}") << "ab";
        QByteArray profond = "{\\rtf1 d\\'e9but";
        profond += QByteArray(100000, '{') + "profond" + QByteArray(100000, '}') + " fin}";
        QTest::newRow("groups 100000 deep") << profond << "début fin";
    }
    void damaged() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, texte);
        QCOMPARE(lisRtf(rtf).texte(), texte);
    }

    void notRtf_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Bonjour");
        QTest::newRow("brace alone") << QByteArray("{");
    }
    void notRtf() {
        QFETCH(QByteArray, octets);
        QVERIFY_THROWS_EXCEPTION(UserError, lisRtf(octets));
    }

    // Whatever point a file is cut at, what is before it reads.
    void truncatedAnywhere() {
        const QByteArray entier = fixture("lettre-writer.rtf");
        QVERIFY(entier.size() > 1000);
        for (qsizetype taille = 5; taille < entier.size(); taille += 3) {
            const TDocumentRtf lettre = lisRtf(entier.left(taille));
            QVERIFY(!lettre.paragraphes.isEmpty());
        }
        QVERIFY(lisRtf(entier.left(entier.indexOf("Lyon") + 4)).texte().endsWith("Lyon"));
    }

    void randomBytesAfterTheHeader() {
        QRandomGenerator hasard(20240312);
        const QByteArray jetons[] = {"{",     "}",     "\\",  "\\'", "\\u",       "\\*",
                                     "\\bin", "\\par", "\\b", "\\f", "\\fonttbl", "\\pn",
                                     "9",     "-",     " ",   "a",   "\xe9"};
        for (int essai = 0; essai < 2000; ++essai) {
            QByteArray rtf = "{\\rtf1";
            const int longueur = hasard.bounded(200);
            for (int i = 0; i < longueur; ++i)
                rtf += jetons[hasard.bounded(int(std::size(jetons)))];
            QVERIFY(!lisRtf(rtf).paragraphes.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
