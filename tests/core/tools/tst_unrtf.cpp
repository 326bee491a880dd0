#include "core/rtf/fichierrtf.h"
#include "lettresessai.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Another program reads the letters the word processor writes.
class TestUnrtf : public QObject {
    Q_OBJECT

private slots:
    void readByUnrtf() {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty())
            QSKIP("unrtf is not installed");
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("lettre.rtf"));
        TDocumentRtf lettre;
        lettre.paragraphes = {para(QStringLiteral("Madame Hélène Durand"), Alignement::Centre),
                              para({{QStringLiteral("Objet : "), car()},
                                    {QStringLiteral("loyer de mars"), car("Arial", 24, true)}}),
                              para(QStringLiteral("Montant : 450 €, reçu Ω"))};
        FichierRtf::ecris(chemin, lettre);
        QProcess process;
        process.start(unrtf, {QStringLiteral("--text"), chemin});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        // Its text output is in an 8-bit code page, Latin-1 for these letters (it shows no
        // euro sign).
        const QString texte = QString::fromLatin1(process.readAllStandardOutput());
        for (const char* attendu : {"Madame Hélène Durand", "Objet : loyer de mars", "reçu"})
            QVERIFY2(texte.contains(QString::fromUtf8(attendu)), qPrintable(texte));
    }
};

QTEST_GUILESS_MAIN(TestUnrtf)
#include "tst_unrtf.moc"
