#include "core/documents/enlettres.h"
#include "core/printing/impcommande.h"
#include "core/printing/impenveloppe.h"
#include "core/printing/impfiche.h"
#include "core/printing/impgrille.h"
#include "core/printing/impliste.h"
#include "impressionessai.h"

#include <QTest>

namespace {

using S = SorteImprimee;

// A text of `n` characters in words of six letters, as a long name or address would be.
QString longue(int n) {
    QString texte;
    while (texte.size() < n)
        texte += QStringLiteral("Wagner ");
    return texte.left(n).trimmed() + u'W';
}

// The longest a block line is read as: 255 characters.
const QString Champ = longue(254);
const QString Montant = QStringLiteral("-999999999,99");

TProprietaire proprietaireLong() {
    return {Champ, Champ, Champ, Champ, Champ, Champ, Champ};
}

QStringList memoLong() {
    return {Champ, Champ, longue(120)};
}

TDocumentImprime documentLong(S sorte, int lignes) {
    TDocumentImprime d;
    d.sorte = sorte;
    d.numero = "202612999";
    d.date = "31/12/2026";
    d.coordonnees = {Champ, Champ, Champ, Champ};
    d.mois = Champ;
    d.du = "01/12/2026";
    d.au = "31/12/2026";
    d.mode = Champ;
    d.genre = "Facture";
    for (int k = 0; k < lignes; ++k)
        d.lignes.append({longue(41), "  " + Montant});
    d.totalEuros = "-62999999999,37";
    d.totalFrancs = "-413252910011,41";
    d.enLettres = MontantEnLettres(999999999.99);
    if (sorte != S::Recu)
        d.memo = memoLong();
    return d;
}

TCommandeImprimee commandeLongue(int lignes) {
    TCommandeImprimee c;
    c.numero = "202612999";
    c.date = "31/12/2026";
    c.codeFournisseur = "WWWWW";
    c.reglement = Champ;
    c.coordonnees = {Champ, Champ, Champ, Champ};
    for (int k = 0; k < lignes; ++k)
        c.lignes.append({longue(15), longue(80), QString(20, u'9'), QString(20, u'9'),
                         QString(10, u'9'), QString(20, u'9'), "99"});
    c.totalHT = QString(20, u'9');
    c.totalTVA = QString(20, u'9');
    c.totalTTCEuros = QString(20, u'9');
    c.totalTTCFrancs = QString(20, u'9');
    c.memo = memoLong();
    return c;
}

TFicheImprimee ficheLongue(FicheImprimee sorte, int rangees) {
    TFicheImprimee f;
    f.sorte = sorte;
    for (int ligne = 1; ligne <= 26; ++ligne)
        f.champs << Champ;
    f.historique << QStringList{"Date", "Libellé", "       Montant"};
    for (int r = 0; r < rangees; ++r)
        f.historique << QStringList{"31/12/2026", Champ, "   " + Montant};
    f.remarques = memoLong();
    if (sorte == FicheImprimee::Fournisseur)
        f.saisieHistorique = QStringList{"31/12/2026", Champ, Montant};
    return f;
}

// The tenant card of every day: short fields, the history of a year.
TFicheImprimee ficheOrdinaire() {
    TFicheImprimee f;
    f.sorte = FicheImprimee::Locataire;
    f.champs =
        QStringList{"10001", "Dupré", "12 rue des Lilas", "", "75005", "Paris", "01 02 03 04 05"};
    for (int ligne = 8; ligne <= 26; ++ligne)
        f.champs << "   450,00";
    f.historique << QStringList{"Date", "Libellé", "       Montant"};
    for (const char* mois : {"Septembre", "Novembre", "Décembre"})
        f.historique << QStringList{"10/12/2026", "Loyer " + QString::fromUtf8(mois) + " 2026",
                                    "        400,00"};
    f.remarques = {"Paie par virement"};
    return f;
}

// A statistics grid: the month, a tenant's name and the sum, each at its longest.
TGrilleImprimee grilleLongue() {
    TGrilleImprimee g;
    g.cellules << QStringList{"Mois", "Locataire", "Montant"};
    for (int r = 0; r < 60; ++r)
        g.cellules << QStringList{Champ, Champ, "-62999999999,37"};
    g.largeurs = {64, 313, 92};
    g.largeurControle = 502;
    g.police = "MS Sans Serif";
    return g;
}

TCanevasEnregistre imprime(const QString& mise) {
    TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
    if (mise == "quittance ordinaire")
        ImprimeDocument(c, quittanceEssai(), 0, proprietaireEssai());
    else if (mise == "quittance")
        ImprimeDocument(c, documentLong(S::Quittance, 20), 0, proprietaireLong());
    else if (mise == "quittance de 63 lignes")
        ImprimeDocument(c, documentLong(S::Quittance, 63), 0, proprietaireLong());
    else if (mise == "avis")
        ImprimeDocument(c, documentLong(S::Avis, 20), 0, proprietaireLong());
    else if (mise == "reçu")
        ImprimeDocument(c, documentLong(S::Recu, 28), 0, proprietaireLong());
    else if (mise == "commande")
        ImprimeCommande(c, commandeLongue(20), 0, proprietaireLong());
    else if (mise == "commande de 63 lignes")
        ImprimeCommande(c, commandeLongue(63), 0, proprietaireLong());
    else if (mise == "fiche locataire ordinaire")
        ImprimeFiche(c, ficheOrdinaire());
    else if (mise == "fiche locataire")
        ImprimeFiche(c, ficheLongue(FicheImprimee::Locataire, 126));
    else if (mise == "fiche lot")
        ImprimeFiche(c, ficheLongue(FicheImprimee::Lot, 126));
    else if (mise == "fiche fournisseur")
        ImprimeFiche(c, ficheLongue(FicheImprimee::Fournisseur, 126));
    else if (mise == "enveloppe")
        ImprimeEnveloppe(c, proprietaireLong(), {Champ, Champ, Champ, Champ}, 20);
    else if (mise == "grille")
        ImpGrille(c, grilleLongue(), Champ, 60, QDate(2026, 12, 31));
    return c;
}

} // namespace

class TstMiseEnPage : public QObject {
    Q_OBJECT

private slots:
    // Every layout, with its fields at their longest: no text runs over another, over a rule
    // or a box, or off the page.
    void riensNeDeborde_data() {
        QTest::addColumn<QString>("mise");
        for (const char* mise :
             {"quittance ordinaire", "quittance", "quittance de 63 lignes", "avis", "reçu",
              "commande", "commande de 63 lignes", "fiche locataire ordinaire", "fiche locataire",
              "fiche lot", "fiche fournisseur", "enveloppe", "grille"})
            QTest::newRow(mise) << QString::fromUtf8(mise);
    }
    void riensNeDeborde() {
        QFETCH(QString, mise);
        const QStringList defauts = defautsMiseEnPage(imprime(mise));
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.mid(0, 5).join(u'\n')));
    }

    void listes_data() {
        QTest::addColumn<int>("liste");
        QTest::newRow("locataires") << int(ListeImprimee::Locataires);
        QTest::newRow("lots") << int(ListeImprimee::Lots);
        QTest::newRow("fournisseurs") << int(ListeImprimee::Fournisseurs);
    }
    void listes() {
        QFETCH(int, liste);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(TOrientation::Paysage);
        ImprimeListe(c, ListeImprimee(liste), QList<QStringList>(60, QStringList(7, Champ)));
        const QStringList defauts = defautsMiseEnPage(c);
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.mid(0, 5).join(u'\n')));
    }

    // The checker sees each kind of fault.
    void leControleVoitChaqueDefaut_data() {
        QTest::addColumn<int>("defaut");
        QTest::newRow("two texts over each other") << 0;
        QTest::newRow("a text across a rule") << 1;
        QTest::newRow("a text across a box") << 2;
        QTest::newRow("a text beyond the page") << 3;
        QTest::newRow("nothing wrong") << 4;
    }
    void leControleVoitChaqueDefaut() {
        QFETCH(int, defaut);
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        c.setPolice("Arial", 10, false);
        c.texte(QPoint(100, 100), "Loyer");
        c.rectangle(QRect(QPoint(50, 1000), QPoint(2000, 2000)));
        c.texte(QPoint(100, 1100), "      Dans la boîte  ");
        switch (defaut) {
        case 0:
            c.texte(QPoint(200, 120), "Charges");
            break;
        case 1:
            c.ligne(QPoint(150, 0), QPoint(150, 500));
            break;
        case 2:
            c.texte(QPoint(1900, 1500), "Déborde");
            break;
        case 3:
            c.texte(QPoint(4700, 3000), "Dehors");
            break;
        default:
            // Blanks of alignment are no ink: they may reach under a neighbour.
            c.texte(QPoint(100, 300), "Loyer");
            c.texte(QPoint(100, 300), "            450,00");
            break;
        }
        QCOMPARE(defautsMiseEnPage(c).size(), defaut == 4 ? 0 : 1);
    }

    // A text too long for its place is fitted in a smaller font, then shortened with "…"; the
    // one that fits keeps its place and its font.
    void lesTextesTropLongs() {
        TCanevasEnregistre c = imprime("quittance");
        const TTrace* montantLigne = c.trouve(Montant);
        QVERIFY(montantLigne);
        QCOMPARE(montantLigne->taille, 10);
        QCOMPARE(montantLigne->boite.right() + 1, mh(191));
        for (const TTrace& t : c.textes())
            if (t.boite.y() == mv(60))
                QVERIFY2(t.texte.endsWith(u'…') && t.taille == 6, qPrintable(t.texte));

        c = imprime("reçu");
        QStringList enLettres;
        for (const TTrace& t : c.textes())
            if (t.boite.x() == mh(20) && t.boite.y() >= mv(248))
                enLettres << t.texte;
        QVERIFY(enLettres.size() > 1);
        QCOMPARE(enLettres.join(u' '), MontantEnLettres(999999999.99));
    }

    // A memo line wider than the designations goes on to the next lines: every word printed,
    // in order, within the column.
    void leMemoEstCoupe() {
        TDocumentImprime d = quittanceEssai();
        d.memo = {Champ};
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImprimeDocument(c, d, 0, proprietaireEssai());
        QStringList memo;
        for (const TTrace& t : c.textes())
            if (t.boite.x() == mh(22)) {
                memo << t.texte;
                QVERIFY(t.boite.right() < mh(155));
            }
        QVERIFY(memo.size() > 1);
        QCOMPARE(memo.join(u' '), Champ);
    }
};

QTEST_GUILESS_MAIN(TstMiseEnPage)
#include "tst_miseenpage.moc"
