#include "../../common/fichiersessai.h"
#include "core/app/sauvegardes.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/etapesfichiers.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

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
        QCOMPARE(fiche.base(Base::Locataires).nb(), 1);
        QVERIFY(!fiche.dossierModifie());
        QCOMPARE(fiche.ficLoc(), principal);

        const QList<Sauvegardes::TSauvegarde> copies = Sauvegardes::liste(principal);
        QCOMPARE(copies.size(), 2);
        QCOMPARE(contenu(copies.first().dossier), aujourdhui);
        fiche.Restaure(copies.first().dossier);
        QCOMPARE(contenu(principal), aujourdhui);
        QCOMPARE(fiche.base(Base::Locataires).nb(), 2);
        QCOMPARE(QDir(dir.path()).entryList({"*~"}, QDir::Files), QStringList());
    }

    // A copy that cannot be made (its folder is a file, or the disk refuses it) stops the save
    // with the reason: nothing is replaced, so nothing is lost without its copy.
    void copyNotMadeStopsTheSave_data() {
        QTest::addColumn<bool>("fichier");
        QTest::addColumn<QString>("raison");
        QTest::newRow("Sauvegardes is a file") << true << "Sauvegardes n'est pas un dossier";
        QTest::newRow("copy refused") << false << "disque plein ou accès refusé";
    }
    void copyNotMadeStopsTheSave() {
        QFETCH(bool, fichier);
        QFETCH(QString, raison);
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ajouteEtSauve(fiche, principal, "Premier", m_debut);
        const QByteArray avant = contenu(principal);
        const QString sauvegardes = dir.filePath("Sauvegardes");
        if (fichier)
            QVERIFY(QFile(sauvegardes).open(QIODevice::WriteOnly));
        EtapesFichiers::Essai refus([&](EtapesFichiers::Etape, const QString& chemin) {
            return fichier || !chemin.contains("/Sauvegardes/");
        });
        QString message;
        try {
            ajouteEtSauve(fiche, principal, "Deuxième", m_debut.addSecs(60));
        } catch (const UserError& e) {
            message = e.message();
        }
        QVERIFY2(message.startsWith("Impossible de garder une copie des fichiers remplacés dans " +
                                    QDir::toNativeSeparators(sauvegardes)),
                 qPrintable(message));
        QVERIFY2(message.contains(raison), qPrintable(message));
        QVERIFY(message.endsWith("rien n'a été enregistré"));
        QCOMPARE(contenu(principal), avant);
        QVERIFY(fiche.dossierModifie());
        QCOMPARE(QDir(dir.path()).entryList({"*~"}, QDir::Files), QStringList());
    }

    // A copy that lacks one of its files is not offered, and restoring it is refused rather
    // than emptying that base.
    void incompleteCopyIsNeitherListedNorRestored() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ajouteEtSauve(fiche, principal, "Premier", m_debut);
        ajouteEtSauve(fiche, principal, "Deuxième", m_debut.addSecs(60));
        const QString copie = Sauvegardes::liste(principal).first().dossier;
        QVERIFY(QFile::remove(copie.chopped(3) + "qtc"));
        QCOMPARE(Sauvegardes::liste(principal).size(), 0);
        const QByteArray quittances = contenu(dir.filePath("dupont.qtc"));
        QVERIFY_THROWS_EXCEPTION(UserError, fiche.Restaure(copie));
        QCOMPARE(contenu(dir.filePath("dupont.qtc")), quittances);
        QCOMPARE(fiche.base(Base::Locataires).nb(), 2);
    }

    // A copy holds every file of the dossier even when the dossier had fewer: a missing one
    // is kept as the empty list it was.
    void copyOfAShortDossierHoldsEveryFile() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TextFile::write(principal,
                        {TListeBase::openingLine(0), "10001", "Seul", TListeBase::closingLine(0)});
        TFiche fiche;
        fiche.Charge(principal);
        ajouteEtSauve(fiche, principal, "Deuxième", m_debut);
        const QList<Sauvegardes::TSauvegarde> copies = Sauvegardes::liste(principal);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(contenu(copies.first().dossier.chopped(3) + "lot"), QByteArray());
        QCOMPARE(contenu(copies.first().dossier.chopped(3) + "chr"), QByteArray());
        QCOMPARE(copies.first().fiches[indexOf(Base::Locataires)], 1);
    }

    // A copy kept before the dossier had its extra file is still offered, and restoring it
    // empties that file.
    void copyWithoutTheExtraFileRestoresItEmpty() {
        QTemporaryDir dir;
        const QString principal = dir.filePath("dupont.loc");
        TFiche fiche;
        ajouteEtSauve(fiche, principal, "Premier", m_debut);
        ajouteEtSauve(fiche, principal, "Deuxième", m_debut.addSecs(60));
        const QString copie = Sauvegardes::liste(principal).first().dossier;
        QVERIFY(QFile::remove(copie.chopped(3) + "chr"));
        fiche.annexe(Annexe::Charges).assignBytes("<BLOC0000>\r\n10001\r\n</BLOC0000>\r\n");
        fiche.SetSauve();
        Clock::Fixed horloge(m_debut.addSecs(120));
        fiche.Sauve(principal);
        QCOMPARE(Sauvegardes::liste(principal).size(), 2);
        fiche.Restaure(copie);
        QCOMPARE(contenu(dir.filePath("dupont.chr")), QByteArray());
        QCOMPARE(fiche.annexe(Annexe::Charges).lineCount(), 0);
        QCOMPARE(fiche.base(Base::Locataires).nb(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSauvegardes)
#include "tst_sauvegardes.moc"
