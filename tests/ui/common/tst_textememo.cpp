#include "ui/common/textememo.h"

#include <QPlainTextEdit>
#include <QTest>

// The text of a multi-line editor is what it holds, character for character.
class TestTexteMemo : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryCharacter_data() {
        QTest::addColumn<QString>("texte");
        QTest::newRow("non-breaking space") << QStringLiteral("450\u00a0€");
        QTest::newRow("lines") << QStringLiteral("M.\u00a0Dupont\n\n12 rue\u00a0Haute");
        QTest::newRow("empty") << QString();
        QTest::newRow("every Latin-1 character")
            << QString::fromLatin1(QByteArray("\xa0\xa1\xbf\xc0\xff\x09"));
    }
    void keepsEveryCharacter() {
        QFETCH(QString, texte);
        QPlainTextEdit memo;
        memo.setPlainText(texte);
        QCOMPARE(texteMemo(memo), texte);
    }
};

QTEST_MAIN(TestTexteMemo)
#include "tst_textememo.moc"
