#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/records/lignesliste.h"
#include "core/records/locataire.h"
#include "core/records/tdescriptionliste.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A tenant block: number, name, address, postal code, town, rent 450, charges 50 and the
// given taxes and allowance.
QStringList blocLocataire(int cle, const QString& numero, const QString& nom,
                          const QString& taxes = {}, const QString& apl = {}) {
    QStringList lignes{TListeBase::openingLine(cle), numero, nom};
    for (int ligne = 3; ligne <= 26; ++ligne)
        lignes << (ligne == Locataire::Adresse            ? QStringLiteral("12 rue des Lilas")
                   : ligne == Locataire::CodePostal       ? QStringLiteral("75005")
                   : ligne == Locataire::Ville            ? QStringLiteral("Paris")
                   : ligne == Locataire::LoyerActuel      ? QStringLiteral("   450,00")
                   : ligne == Locataire::ChargesActuelles ? QStringLiteral("    50,00")
                   : ligne == Locataire::Taxes            ? taxes
                   : ligne == Locataire::Apl              ? apl
                                                          : QString());
    lignes << TListeBase::closingLine(cle);
    return lignes;
}

void locataires(TFiche& fiche, const QStringList& lignes) {
    TListeBase& base = fiche.base(Base::Locataires);
    base.assign(lignes);
    fiche.Premier();
}

QStringList designations(TPageDocument& page) {
    QStringList d;
    for (int ligne = 0; ligne < page.lignes(); ++ligne)
        d << page.grille().cellule(ligne, TGrilleDocument::Designation);
    return d;
}

} // namespace

class TestDocumentsFiche : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    // The new-document commands show the document's page with a new document for the tenant
    // on the card, as the card shows it; validating the receipt posts into that tenant's
    // history and the dossier is to be saved.
    void newReceiptValidated() {
        TFiche fiche;
        locataires(fiche, blocLocataire(0, "10010", "Martin") +
                              blocLocataire(1, "1001", "Dupré", {}, "   100,00"));
        fiche.Suivant();
        TPageEnregistrement& carte = *fiche.pageFiche(Base::Locataires);
        carte.saisitChamp(Locataire::NomSoc, "Dupré et fils");

        fiche.NouvDocument(Base::Quittances);
        TPageDocument& quittance = *fiche.pageDocument(Base::Quittances);
        QCOMPARE(fiche.pageActive(), Base::Quittances);
        QCOMPARE(quittance.champ(ChampDocument::Locataire), QString("1001"));
        QCOMPARE(quittance.champ(ChampDocument::Adresse1), QString("Dupré et fils"));
        QCOMPARE(quittance.totalEuros(), QString("400,00"));
        QVERIFY(fiche.dossierModifie());

        QTemporaryDir dir;
        fiche.Sauve(dir.filePath("d.loc"));
        QVERIFY(!fiche.dossierModifie());
        QVERIFY(fiche.ValideDocument(Base::Quittances));
        QVERIFY(fiche.dossierModifie());
        const TListeBase& tenants = fiche.base(Base::Locataires);
        QCOMPARE(tenants.courant(), 1);
        QVERIFY(tenants.line(tenants.find(1) + 27)
                    .startsWith("DATA10/12/2026\tLoyer Décembre "
                                "2026\t"));
        QCOMPARE(tenants.line(tenants.find(0) + 27), TListeBase::closingLine(0));
        QCOMPARE(fiche.base(Base::Quittances).line(12), QString("Y"));
        QVERIFY(!fiche.ValideDocument(Base::Quittances));

        fiche.NouvDocument(Base::Recus);
        TPageDocument& recu = *fiche.pageDocument(Base::Recus);
        QCOMPARE(fiche.pageActive(), Base::Recus);
        QCOMPARE(recu.champ(ChampDocument::Adresse4), QString("75005 Paris"));
        QCOMPARE(recu.lignes(), 0);
    }

    // "Créer" on an empty base starts at key 0: every new document is reached by the moves
    // and the list, and deleting one keeps the keys dense.
    void createdDocumentsAreReached() {
        TFiche fiche;
        fiche.AffichePage(Base::Avis);
        TPageDocument& avis = *fiche.pageDocument(Base::Avis);
        for (const char* numero : {"10001", "10002", "10003"}) {
            avis.Cree();
            avis.CreePour({numero, {"Dupré"}, {"450", "50", "", ""}});
        }
        fiche.Premier();
        const TListeBase& base = fiche.base(Base::Avis);
        QCOMPARE(base.nb(), 3);
        QCOMPARE(avis.champ(ChampDocument::Locataire), QString("10001"));
        fiche.Suivant();
        QCOMPARE(avis.champ(ChampDocument::Numero), QString("202612002"));
        const QList<TLigneListe> liste = lignesListe(TAvisListe, base);
        QCOMPARE(liste.size(), 3);
        QVERIFY(liste[2].cellules[0].startsWith("202612003  10/12/2026  10003"));

        fiche.Supprime();
        QCOMPARE(base.nb(), 2);
        QCOMPARE(avis.champ(ChampDocument::Numero), QString("202612003"));
        QVERIFY(!fiche.base(Base::Avis).verif());
    }

    // Arrivée/départ makes a receipt with the amounts given back, and none when cancelled.
    void arrivee() {
        TFiche fiche;
        locataires(fiche, blocLocataire(0, "10001", "Dupré", {}, "   100,00"));
        fiche.Arrivee({"", "32,00", "", ""});
        QCOMPARE(fiche.pageActive(), Base::Locataires);
        QVERIFY(!fiche.pageDocument(Base::Quittances)->modifie());

        fiche.Arrivee({"320,00", "32,00", "", ""});
        TPageDocument& quittance = *fiche.pageDocument(Base::Quittances);
        QCOMPARE(fiche.pageActive(), Base::Quittances);
        QCOMPARE(designations(quittance),
                 QStringList({"Loyer mensuel", "Provision pour charges", ""}));
        QCOMPARE(quittance.totalEuros(), QString("352,00"));
        QCOMPARE(quittance.champ(ChampDocument::Mois), QString("Décembre 2026"));
        QVERIFY(fiche.TestModif());
        QCOMPARE(fiche.base(Base::Quittances).nb(), 1);

        fiche.Arrivee({"320,00", "32,00", "4,00", ""});
        QCOMPARE(designations(quittance), QStringList({"Loyer mensuel", "Provision pour charges",
                                                       "Taxe Additionnelle", ""}));
    }

    // The document's tenant is looked up by its whole number, on the card's last edits.
    void tenantLookups() {
        TFiche fiche;
        locataires(fiche, blocLocataire(0, "10010", "Martin") + blocLocataire(1, "1001", "Dupré"));
        QVERIFY(!fiche.LitLoc("100"));
        QCOMPARE(fiche.base(Base::Locataires).courant(), 0);
        QVERIFY(fiche.LitLoc("1001"));
        QCOMPARE(fiche.pageFiche(Base::Locataires)->champ(Locataire::NomSoc), QString("Dupré"));

        fiche.pageFiche(Base::Locataires)->saisitChamp(Locataire::NomSoc, "Dupré SA");
        fiche.ChoisitTiers(Base::Avis, "1001");
        QCOMPARE(fiche.pageDocument(Base::Avis)->champ(ChampDocument::Adresse1),
                 QString("Dupré SA"));
        QVERIFY(fiche.dossierModifie());
    }
};

QTEST_GUILESS_MAIN(TestDocumentsFiche)
#include "tst_documentsfiche.moc"
