#include "../dossieressai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The screenshots of the main window that the software centre shows: a tenant's card and a
// rent receipt, 1024 × 768. They go to the directory named by TARVINEL_CAPTURES when it is
// set (the build puts them in the package from there), else to a temporary directory.
class TstCaptures : public QObject {
    Q_OBJECT

    QTemporaryDir m_temporaire;
    Clock::Fixed m_horloge{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

    QString repertoire() const {
        const QString demande = qEnvironmentVariable("TARVINEL_CAPTURES");
        return demande.isEmpty() ? m_temporaire.path() : demande;
    }

    // Saves the window as `nom`.png and checks it: its size, and more than a blank.
    static void capture(TMainForm& form, const QString& chemin) {
        const QImage image = form.grab().toImage();
        QCOMPARE(image.size(), QSize(1024, 768));
        QSet<QRgb> couleurs;
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                couleurs.insert(image.pixel(x, y));
        QVERIFY2(couleurs.size() > 8, "the window draws nothing");
        QVERIFY(image.save(chemin, "PNG"));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_temporaire.isValid());
        QVERIFY(QDir().mkpath(repertoire()));
        QDir::setCurrent(m_temporaire.path());
    }

    void fenetrePrincipale() {
        ScriptedQuestions questions;
        TMainForm form;
        form.resize(1024, 768);
        TVueFiche* vue = nouveauLocataire(form);
        QVERIFY(vue);
        form.resize(1024, 768);
        form.fiche().reglages().lignesProprio = {
            "Martin Immobilier", "3 place du Marché", "", "69001 Lyon", "", "", "", ""};
        tape(champ(vue, "Téléphone"), "01 45 00 00 00");
        QTest::qWait(50);
        capture(form, QDir(repertoire()).filePath("locataire.png"));
        form.action(Action::NouvelleQuittance)->trigger();
        QTest::qWait(50);
        capture(form, QDir(repertoire()).filePath("quittance.png"));
        QVERIFY(questions.imprevues().isEmpty());
    }
};

QTEST_MAIN(TstCaptures)
#include "tst_captures.moc"
