#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/tpagedocument.h"
#include "core/printing/tcanevasenregistre.h"
#include "core/purchasing/calculcommande.h"
#include "core/records/fournisseur.h"
#include "core/records/locataire.h"

#include <QTest>

namespace {

// The texts a job draws on the 600-dpi printer.
QStringList textes(const TTravailImpression& travail) {
    TCanevasEnregistre c = TCanevasEnregistre::imprimante600(travail.orientation);
    travail.dessine(c);
    QStringList t;
    for (const TTrace& trace : c.textes())
        t << trace.texte;
    return t;
}

// A dossier of one tenant, stored, and shown on its page.
void unLocataire(TFiche& fiche) {
    QStringList lignes{
        TListeBase::openingLine(0), "10001", "Dupré", "12 rue des Lilas", "", "75005", "Paris"};
    for (int ligne = 7; ligne <= 26; ++ligne)
        lignes << (ligne == Locataire::LoyerActuel ? QString("   450,00") : QString());
    lignes << "DATA01/11/2026\tLoyer Novembre 2026\t   450,00" << TListeBase::closingLine(0);
    TListeBase& base = fiche.base(Base::Locataires);
    base.assign(lignes);
    fiche.Premier();
}

} // namespace

class TstImpressions : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    // The card prints what the page shows, its edits not yet stored included; the list reads
    // the base as stored.
    void ficheEtListe() {
        TFiche fiche;
        unLocataire(fiche);
        fiche.pageFiche(Base::Locataires)->saisitChamp(Locataire::NomSoc, "Dupré et fils");
        const std::optional<TTravailImpression> carte = ImpFiche(fiche);
        QVERIFY(carte);
        QCOMPARE(carte->orientation, TOrientation::Portrait);
        QCOMPARE(carte->titre, QString("Fiche locataire 10001"));
        const QStringList imprime = textes(*carte);
        QVERIFY(imprime.contains("Dupré et fils"));
        QVERIFY(imprime.contains("Loyer Novembre 2026"));
        QVERIFY(imprime.contains("Libellé"));

        QCOMPARE(nbFichesListe(fiche, ListeImprimee::Locataires), 1);
        const TTravailImpression liste = ImpListe(fiche, ListeImprimee::Locataires, 1, 1);
        QCOMPARE(liste.orientation, TOrientation::Paysage);
        QVERIFY(textes(liste).contains("Dupré"));
        QVERIFY(!textes(liste).contains("Dupré et fils"));
    }

    // A document or order page prints its document, on the paper the settings give.
    void documents() {
        TFiche fiche;
        unLocataire(fiche);
        fiche.reglages().lignesProprio[0] = "Martin Immobilier";
        fiche.NouvDocument(Base::Quittances);
        QVERIFY(textes(*ImpFiche(fiche)).contains("Quittance de loyer"));
        QVERIFY(textes(*ImpDocument(fiche, Base::Quittances)).contains("Martin Immobilier"));
        QVERIFY(textes(*ImpDocument(fiche, Base::Quittances)).contains("450,00 Euros"));
        fiche.reglages().typePapier = 1;
        QVERIFY(!textes(*ImpDocument(fiche, Base::Quittances)).contains("Martin Immobilier"));

        fiche.NouvDocument(Base::Recus);
        const std::optional<TTravailImpression> recu = ImpFiche(fiche);
        QVERIFY(recu);
        QCOMPARE(recu->titre, QString("Reçu N° 202612001"));
        QVERIFY(textes(*recu).contains("Date 10/12/2026"));

        fiche.AffichePage(Base::Commandes);
        TPageDocument& commande = *fiche.pageDocument(Base::Commandes);
        commande.saisitChamp(ChampDocument::Adresse1, "Bernard SA");
        commande.saisitCellule(0, ColonneCommande::Designation, "Porte");
        commande.saisitCellule(0, ColonneCommande::Quantite, "2");
        commande.saisitCellule(0, ColonneCommande::PrixUnitaire, "100");
        commande.finLigne(0);
        const std::optional<TTravailImpression> bon = ImpFiche(fiche);
        QVERIFY(bon);
        QVERIFY(textes(*bon).contains("Bernard SA"));
        QVERIFY(textes(*bon).contains("Porte"));
        QVERIFY(textes(*bon).contains("200,00"));
    }

    // The envelope of the tenant or supplier page, none on the lot page.
    void enveloppe_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("destinataire");
        QTest::newRow("tenant") << int(Base::Locataires)
                                << QStringList{"Dupré", "12 rue des Lilas", "", "75005 Paris"};
        QTest::newRow("supplier") << int(Base::Fournisseurs)
                                  << QStringList{"Durand SA", "8 rue Neuve", "", "69003 Lyon"};
        QTest::newRow("lot") << int(Base::Lots) << QStringList();
    }
    void enveloppe() {
        QFETCH(int, page);
        QFETCH(QStringList, destinataire);
        TFiche fiche;
        unLocataire(fiche);
        fiche.reglages().orientationEnveloppe = 1;
        fiche.AffichePage(Base(page));
        if (Base(page) == Base::Fournisseurs) {
            TPageEnregistrement& f = *fiche.pageFiche(Base::Fournisseurs);
            f.saisitChamp(Fournisseur::NomSoc, "Durand SA");
            f.saisitChamp(Fournisseur::NomSoc + 1, "8 rue Neuve");
            f.saisitChamp(Fournisseur::CodePostal, "69003");
            f.saisitChamp(Fournisseur::Ville, "Lyon");
        }
        const std::optional<TTravailImpression> travail = ImpEnv(fiche);
        QCOMPARE(travail.has_value(), !destinataire.isEmpty());
        if (!travail)
            return;
        QCOMPARE(travail->orientation, TOrientation::Paysage);
        QCOMPARE(textes(*travail).mid(4), destinataire);
    }

    // What the page-setup dialog opens on.
    void miseEnPageInitiale_data() {
        QTest::addColumn<int>("papier");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("decalage");
        QTest::addColumn<int>("papierVu");
        QTest::addColumn<int>("orientationVue");
        QTest::addColumn<bool>("guideVu");
        QTest::newRow("defaults") << 0 << 0 << 0 << 0 << 0 << false;
        QTest::newRow("letterhead, landscape, guide") << 1 << 1 << 100 << 1 << 1 << true;
        QTest::newRow("paper type 3") << 3 << 0 << 100 << 1 << 0 << true;
        QTest::newRow("paper type 4") << 4 << 1 << 100 << 0 << 0 << false;
        QTest::newRow("orientation 2") << 1 << 2 << 100 << 0 << 0 << false;
    }
    void miseEnPageInitiale() {
        QFETCH(int, papier);
        QFETCH(int, orientation);
        QFETCH(int, decalage);
        QFETCH(int, papierVu);
        QFETCH(int, orientationVue);
        QFETCH(bool, guideVu);
        TReglages r;
        r.typePapier = papier;
        r.orientationEnveloppe = orientation;
        r.decalageGuide = decalage;
        const TMiseEnPage m = miseEnPage(r);
        QCOMPARE(m.typePapier, papierVu);
        QCOMPARE(m.orientation, orientationVue);
        QCOMPARE(m.guide, guideVu);
    }

    // "OK" sets the three settings, "Annuler" (orientation -1) keeps them.
    void ParM_data() {
        QTest::addColumn<int>("papier");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QList<int>>("reglages");
        QTest::newRow("OK") << 1 << 1 << true << QList<int>{1, 1, 100};
        QTest::newRow("OK without guide") << 0 << 0 << false << QList<int>{0, 0, 0};
        QTest::newRow("Annuler") << 0 << -1 << false << QList<int>{1, 1, 100};
    }
    void ParM() {
        QFETCH(int, papier);
        QFETCH(int, orientation);
        QFETCH(bool, guide);
        QFETCH(QList<int>, reglages);
        TReglages r;
        r.typePapier = 1;
        r.orientationEnveloppe = 1;
        r.decalageGuide = 100;
        ::ParM(r, {papier, orientation, guide});
        QCOMPARE((QList<int>{r.typePapier, r.orientationEnveloppe, r.decalageGuide}), reglages);
    }
};

QTEST_GUILESS_MAIN(TstImpressions)
#include "tst_impressions.moc"
