#include "../../common/fichiersessai.h"
#include "../../core/accounting/statsessai.h"
#include "../imprimanteessai.h"
#include "../scriptedquestions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "ui/accounting/tcompta.h"
#include "ui/accounting/tgraph.h"
#include "ui/accounting/tstats.h"
#include "ui/shell/tmainform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The cells of a window's grid as a screen reader gets them, the filled rows only, each
// row's cells trimmed and joined with "|".
QStringList cellules(const QTableView& vue) {
    QStringList lignes;
    const QAbstractItemModel& m = *vue.model();
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList textes;
        for (int c = 0; c < m.columnCount(); ++c)
            textes << m.index(r, c).data(Qt::AccessibleTextRole).toString().trimmed();
        if (!textes.join(QString()).isEmpty())
            lignes << textes.join('|');
    }
    return lignes;
}

QAbstractButton* bouton(QWidget* fenetre, const QString& nom) {
    for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>())
        if (b->accessibleName() == nom || b->text() == nom)
            return b;
    return nullptr;
}

// Runs `action` on the modal window of the class `Fenetre` that the next command opens once
// its run is over, then closes it.
template <typename Fenetre> void dansLaFenetre(const std::function<void(Fenetre&)>& action) {
    auto* attente = new QTimer;
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [attente, action] {
        auto* fenetre = qobject_cast<Fenetre*>(QApplication::activeModalWidget());
        if (!fenetre)
            return;
        attente->stop();
        attente->deleteLater();
        action(*fenetre);
        fenetre->close();
    });
    attente->start();
}

} // namespace

class TestStatistiquesJournal : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};
    QTemporaryDir m_dir;

    // The small dossier of the fixtures opened, its receipts replaced by `quittances`.
    void ouvre(TMainForm& form, ScriptedQuestions& questions, const QStringList& quittances) {
        questions.repondFichier(copieFixture(m_dir));
        form.Ouvrir();
        TFiche& fiche = form.fiche();
        remplitBase(fiche, Base::Quittances, quittances);
    }

    void dossier(TMainForm& form, ScriptedQuestions& questions) {
        ouvre(
            form, questions,
            blocQuittance(0, "12", "15/03/2001", "10001", "Martin",
                          {"Loyer mensuel\t450,00", "Provision pour charges\t70,00"}) +
                blocQuittance(1, "13", "20/03/2001", "10002", "Dupré",
                              {"Loyer mensuel\t300,00", "APL\t-50,00"}) +
                blocQuittance(2, "14", "02/04/2001", "10001", "Martin", {"Loyer mensuel\t450,00"}));
        form.fiche().Compte({"411000", "700000", "614000", "445000", "206000", "437000"});
    }

private slots:
    // "Statistiques mois" shows the months in the order met, prints its rows under its title
    // and charts its amounts; the status bar is clear once the run is over.
    void statistiquesMois() {
        ImprimanteEnregistree imprimante;
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        dossier(form, questions);
        QStringList lu;
        QList<qint64> graphique;
        dansLaFenetre<TStats>([&](TStats& stats) {
            QCOMPARE(stats.objectName(), QString("TStatsV"));
            QCOMPARE(stats.windowTitle(), QString("Statistiques sur les mois"));
            lu = cellules(*stats.vue());
            dansLaFenetre<TGraph>([&](TGraph& g) { graphique = g.valeurs(); });
            bouton(&stats, "Graphique")->click();
            bouton(&stats, "Imprimer")->click();
        });
        form.action(Action::StatistiquesMois)->trigger();
        QCOMPARE(lu, QStringList({"1|Mars 2001|770,00", "2|Avril 2001|450,00"}));
        QCOMPARE(graphique, QList<qint64>({770, 450}));
        QCOMPARE(imprimante.travaux().size(), 1);
        QCOMPARE(imprimante.travaux().first().titre, QString("Statistiques ventes au 10/12/2026"));
        QVERIFY(imprimante.textes().contains("Avril 2001"));
        for (QLabel* panneau : form.statusBar()->findChildren<QLabel*>())
            QVERIFY(!panneau->text().startsWith("Quittance"));
    }

    // The journal opens on its receipts' dates, "OK" narrows the period, and the export
    // writes the rows shown.
    void journal() {
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        dossier(form, questions);
        QTemporaryDir dir;
        const QString path = dir.filePath("Journal");
        QStringList tout, mars;
        dansLaFenetre<TCompta>([&](TCompta& compta) {
            QCOMPARE(compta.windowTitle(), QString("Journal des Achats / Ventes"));
            QCOMPARE(compta.du()->date(), QDate(2001, 3, 15));
            QCOMPARE(compta.au()->date(), QDate(2001, 4, 2));
            tout = cellules(*compta.vue());
            compta.au()->setDate(QDate(2001, 3, 31));
            bouton(&compta, "OK")->click();
            mars = cellules(*compta.vue());
            questions.repondFichier(path);
            bouton(&compta, "Exporter")->click();
            questions.repondFichier(dir.filePath("FEC"), 1);
            bouton(&compta, "Exporter")->click();
        });
        form.action(Action::JournalComptable)->trigger();
        QCOMPARE(tout.size(), 8);
        QCOMPARE(tout.first(), QString("1|V1|15/03/2001|411000|Quittance 12|520,00|"));
        QCOMPARE(tout.last(), QString("8|V1|02/04/2001|700000|Quittance 14||450,00"));
        QCOMPARE(mars.size(), 6);
        QCOMPARE(mars[5], QString("6|V1|20/03/2001|437000|Quittance 13|50,00|"));
        const QByteArray fichier = contenu(path + ".txt");
        QCOMPARE(fichier.count("\r\n"), 6);
        QVERIFY(fichier.startsWith("15/03/2001\t411000\tQuittance 12\tV1\t\t520,00\t\r\n"));
        // The tax office's layout: its header line, then the same six lines.
        const QList<QByteArray> fec = contenu(dir.filePath("FEC.txt")).split('\n');
        QCOMPARE(fec.size(), 8);
        QVERIFY(fec[0].startsWith("JournalCode|JournalLib|EcritureNum|EcritureDate|"));
        QVERIFY(fec[1].startsWith("V1|"));
        QVERIFY(fec[1].contains("|20010315|411000|"));
        QVERIFY(questions.imprevues().isEmpty());
    }

    // The accounting entries file needs every account it uses: without them the window says
    // which to set and writes nothing; a receipt not validated stays in the grid, marked.
    void journalSansComptes() {
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        QStringList attente = blocQuittance(1, "13", "20/03/2001", "10002", "Dupré",
                                            {"Loyer mensuel\t300,00", "APL\t-50,00"});
        attente.replace(12, "N");
        ouvre(form, questions,
              blocQuittance(0, "12", "15/03/2001", "10001", "Martin", {"Loyer mensuel\t450,00"}) +
                  attente);
        form.fiche().Compte({"411000", "", "614000", "445000", "206000", "00000"});
        QTemporaryDir dir;
        QStringList lu;
        dansLaFenetre<TCompta>([&](TCompta& compta) {
            lu = cellules(*compta.vue());
            questions.repondFichier(dir.filePath("FEC"), 1);
            bouton(&compta, "Exporter")->click();
        });
        form.action(Action::JournalComptable)->trigger();
        QCOMPARE(lu.size(), 5);
        QCOMPARE(lu[2], QString("3|V1|20/03/2001|411000|Quittance 13 (non validée)|250,00|"));
        QCOMPARE(questions.posees().last(),
                 QString("Le fichier des écritures comptables demande un numéro de compte sur "
                         "chaque ligne. Comptes à régler dans Paramètres, Comptes : Revenus "
                         "locatifs"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Without receipts the journal opens on the day's date, its grid empty.
    void journalVide() {
        ScriptedQuestions questions;
        TMainForm form;
        form.show();
        ouvre(form, questions, {});
        QDate du, au;
        QStringList lu{"?"};
        dansLaFenetre<TCompta>([&](TCompta& compta) {
            du = compta.du()->date();
            au = compta.au()->date();
            lu = cellules(*compta.vue());
        });
        form.action(Action::JournalComptable)->trigger();
        QCOMPARE(du, QDate(2026, 12, 10));
        QCOMPARE(au, QDate(2026, 12, 10));
        QCOMPARE(lu, QStringList());
    }
};

QTEST_MAIN(TestStatistiquesJournal)
#include "tst_statistiquesjournal.moc"
