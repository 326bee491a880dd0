#include "../../common/references.h"
#include "core/accounting/fec.h"
#include "core/accounting/journal.h"
#include "core/accounting/statistiques.h"
#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "statsessai.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const TMesureTexte mesure = [](const QString& texte) { return int(texte.size()) * 6; };

// A receipt never validated.
QStringList nonValidee(QStringList bloc) {
    bloc.replace(12, "N");
    return bloc;
}

// Three tenants in two lots, four receipts over March and April 2026 (the last one not
// validated), three orders from two suppliers.
void remplitDossier(TFiche& fiche) {
    fiche.Compte({"411000", "706000", "708000", "445710", "706100", "411900"});
    remplitBase(fiche, Base::Locataires,
                blocLocataire(0, "10001", "L1") + blocLocataire(1, "10002", "L2") +
                    blocLocataire(2, "10003", "L1"));
    remplitBase(fiche, Base::Lots,
                blocLot(0, "L1", "12 rue des Lilas") + blocLot(1, "L2", "3 place Bellecour"));
    remplitBase(
        fiche, Base::Quittances,
        blocQuittance(
            0, "202603001", "05/03/2026", "10001", "Dupré",
            {"Loyer mensuel\t   450,00", "Provision pour charges\t    50,00", "APL\t  -100,00"}) +
            blocQuittance(1, "202603002", "08/03/2026", "10002", "Martin",
                          {"Loyer mensuel\t   620,00", "Taxe Additionnelle\t    12,50"}) +
            blocQuittance(2, "202604001", "03/04/2026", "10001", "Dupré",
                          {"Loyer mensuel\t   450,00", "Provision pour charges\t    50,00"}) +
            nonValidee(blocQuittance(3, "202604002", "06/04/2026", "10003", "Bernard",
                                     {"Loyer mensuel\t   380,00"})));
    remplitBase(fiche, Base::Commandes,
                blocCommande(0, "202605001", "20", "Durand", {"\tPorte\t2\t100"}) +
                    blocCommande(1, "202605002", "100", "Bernard", {"\tVis\t10\t1,50"}) +
                    blocCommande(2, "202605003", "20", "Durand SA", {"\tJoint\t4\t2,25"}));
}

// A grid as its window shows it, the titles first, one row a line, the cells between bars.
QString grille(const QStringList& entetes, const QList<QStringList>& lignes) {
    QString texte = entetes.join(u'|') + u'\n';
    for (const QStringList& ligne : lignes)
        texte += ligne.join(u'|') + u'\n';
    return texte;
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestReferencesComptes : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void statistiques_data() {
        QTest::addColumn<SorteStats>("sorte");
        QTest::addColumn<QString>("reference");
        QTest::newRow("months") << SorteStats::Mois << "comptes/statistiques-mois.txt";
        QTest::newRow("tenants") << SorteStats::Locataires << "comptes/statistiques-locataires.txt";
        QTest::newRow("lots") << SorteStats::Lots << "comptes/statistiques-lots.txt";
        QTest::newRow("suppliers")
            << SorteStats::Fournisseurs << "comptes/statistiques-fournisseurs.txt";
    }
    void statistiques() {
        QFETCH(SorteStats, sorte);
        QFETCH(QString, reference);
        TFiche fiche;
        remplitDossier(fiche);
        const TDescriptionStats& description = descriptionStats(sorte);
        const TCumul cumul = StatistiquesFiche(fiche, sorte, {});
        COMPARE_REFERENCE(
            grille(EntetesStats(description, mesure), LignesStats(description, cumul, mesure)),
            reference);
    }

    void journalGrille() {
        TFiche fiche;
        remplitDossier(fiche);
        const QList<TLigneJournal> journal = JournalFiche(fiche, {});
        COMPARE_REFERENCE(grille(EntetesJournal(mesure), LignesGrilleJournal(journal, mesure)),
                          "comptes/journal-grille.txt");
    }

    // The files as written, in Windows-1252 with CR LF.
    void journalExporte() {
        TFiche fiche;
        remplitDossier(fiche);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("Journal.txt");
        ExporteJournal(chemin, JournalFiche(fiche, {}));
        COMPARE_REFERENCE(contenu(chemin), "comptes/journal.txt");
    }

    void fec_data() {
        QTest::addColumn<SeparateurFec>("separateur");
        QTest::addColumn<QString>("reference");
        QTest::newRow("bar") << SeparateurFec::Barre << "comptes/ecritures-barre.txt";
        QTest::newRow("tab") << SeparateurFec::Tabulation << "comptes/ecritures-tabulation.txt";
    }
    void fec() {
        QFETCH(SeparateurFec, separateur);
        QFETCH(QString, reference);
        TFiche fiche;
        remplitDossier(fiche);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("Ecritures.txt");
        ExporteFec(chemin, JournalFiche(fiche, {}), separateur);
        COMPARE_REFERENCE(contenu(chemin), reference);
    }
};

QTEST_GUILESS_MAIN(TestReferencesComptes)
#include "tst_referencescomptes.moc"
