#include "../../common/fichiersessai.h"
#include "app/sauvegardes.h"
#include "app/tfiche.h"
#include "common/clock.h"
#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stores one more tenant named `nom` and saves the dossier at `quand`.
void ajouteEtSauve(TFiche& fiche, const QString& principal, const QString& nom,
                   const QDateTime& quand) {
    Clock::Fixed horloge(quand);
    fiche.Ajout();
    fiche.pageFiche(Base::Locataires)->saisitChamp(2, nom);
    fiche.TestModif();
    fiche.Sauve(principal);
}

} // namespace

// Each save keeps the files it replaces as a dated copy beside the dossier, the last ten of
// them; restoring one brings the dossier back as it was, and can itself be undone.
class TestSauvegardes : public QObject {
    Q_OBJECT

    const QDateTime m_debut{QDate(2026, 12, 10), QTime(9, 0)};

private slots:
    void savesKeepDatedCopies() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ajouteEtSauve(fiche, principal, "Premier", m_debut);
        QCOMPARE(Sauvegardes::liste(principal).size(), 0);
        const QByteArray unLocataire = contenu(principal);

        ajouteEtSauve(fiche, principal, "Deuxième", m_debut.addSecs(60));
        ajouteEtSauve(fiche, principal, "Troisième", m_debut.addSecs(120));
        ajouteEtSauve(fiche, principal, "Quatrième", m_debut.addSecs(120));
        QList<Sauvegardes::TSauvegarde> copies = Sauvegardes::liste(principal);
        QCOMPARE(copies.size(), 3);
        QCOMPARE(copies[0].date, m_debut.addSecs(120));
        QCOMPARE(copies[0].fiches[indexOf(Base::Locataires)], 3);
        QCOMPARE(copies[1].fiches[indexOf(Base::Locataires)], 2);
        QCOMPARE(copies[2].date, m_debut.addSecs(60));
        QCOMPARE(copies[2].fiches[indexOf(Base::Locataires)], 1);
        QCOMPARE(contenu(copies[2].dossier), unLocataire);
        QCOMPARE(Sauvegardes::resume(copies[2]), QStringLiteral("1 locataire, 0 fournisseur, "
                                                                "0 lot, 0 quittance, 0 avis, "
                                                                "0 commande, 0 reçu"));

        // Eleven copies made: the oldest goes.
        for (int i = 5; i <= 12; ++i)
            ajouteEtSauve(fiche, principal, QStringLiteral("Locataire %1").arg(i),
                          m_debut.addSecs(60 * i));
        copies = Sauvegardes::liste(principal);
        QCOMPARE(copies.size(), Sauvegardes::Gardees);
        QCOMPARE(copies.last().fiches[indexOf(Base::Locataires)], 2);
        QCOMPARE(copies.first().fiches[indexOf(Base::Locataires)], 11);
    }

    void restoreAndUndo() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ajouteEtSauve(fiche, principal, "Premier", m_debut);
        const QByteArray hier = contenu(principal);
        const QByteArray lotsHier = contenu(dir.filePath("dupont.lot"));
        ajouteEtSauve(fiche, principal, "Erreur", m_debut.addDays(1));
        const QByteArray aujourdhui = contenu(principal);

        Clock::Fixed horloge(m_debut.addDays(1).addSecs(60));
        fiche.Restaure(Sauvegardes::liste(principal).first().dossier);
        QCOMPARE(contenu(principal), hier);
        QCOMPARE(contenu(dir.filePath("dupont.lot")), lotsHier);
        QCOMPARE(fiche.base(Base::Locataires).nb, 1);
        QVERIFY(!fiche.dossierModifie());
        QCOMPARE(fiche.ficLoc(), principal);

        const QList<Sauvegardes::TSauvegarde> copies = Sauvegardes::liste(principal);
        QCOMPARE(copies.size(), 2);
        QCOMPARE(contenu(copies.first().dossier), aujourdhui);
        fiche.Restaure(copies.first().dossier);
        QCOMPARE(contenu(principal), aujourdhui);
        QCOMPARE(fiche.base(Base::Locataires).nb, 2);
        QCOMPARE(QDir(dir.path()).entryList({"*~"}, QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSauvegardes)
#include "tst_sauvegardes.moc"
