#include "../../common/references.h"
#include "core/accounting/statistiques.h"
#include "core/printing/impgrille.h"
#include "core/printing/tcanevasenregistre.h"

#include <QTest>

namespace {

// Three columns 64, 313 and 92 pixels wide in a grid 502 pixels wide, with `lignes` rows.
TGrilleImprimee grille(int lignes) {
    TGrilleImprimee g;
    g.cellules << QStringList{"Mois", "Locataire", "Montant"};
    for (int r = 1; r <= lignes; ++r)
        g.cellules << QStringList{QString::number(r), QString("Locataire %1").arg(r), "450,00"};
    g.largeurs = {64, 313, 92};
    g.largeurControle = 502;
    g.police = "MS Sans Serif";
    g.taille = 8;
    return g;
}

// A page 4800 pixels wide: margins of 192 pixels left and right, 264 top and bottom.
TCanevasEnregistre page() {
    return TCanevasEnregistre(QSize(4800, 6600), QSize(203, 279));
}

// The month statistics window of March and April 2026, as the print job reads it.
TGrilleImprimee statistiquesMois() {
    const TDescriptionStats& description = descriptionStats(SorteStats::Mois);
    const TMesureTexte mesure = [](const QString& texte) { return int(texte.size()) * 6; };
    TCumul cumul(QStringLiteral("0.00"), description.avecNom);
    cumul.cumule("Mars 2026", "", "400,00");
    cumul.cumule("Mars 2026", "", "632,50");
    cumul.cumule("Avril 2026", "", "500,00");
    cumul.cumule("Avril 2026", "", "380,00");
    TGrilleImprimee g;
    g.cellules << EntetesStats(description, mesure) << LignesStats(description, cumul, mesure);
    g.largeurs = description.largeurs;
    g.largeurControle = description.largeur;
    g.police = "MS Sans Serif";
    g.taille = 8;
    return g;
}

QList<int> verticales(const TCanevasEnregistre& c, int numero) {
    QList<int> x;
    for (const TTrace& t : c.traces())
        if (t.page == numero && t.genre == TTrace::Genre::Ligne && t.de().x() == t.a().x())
            x << t.de().x();
    return x;
}

} // namespace

class TstImpGrille : public QObject {
    Q_OBJECT

private slots:
    // Scale 4800 div 502 = 9: the columns stand at 192, 768 and 3585, the right edge at 4608.
    void colonnes() {
        TCanevasEnregistre c = page();
        ImpGrille(c, grille(2), QString(), 2, QDate(2026, 12, 10));
        QCOMPARE(verticales(c, 1), (QList<int>{192, 768, 3585, 4608}));
        const TTrace* titre = c.trouve("Locataire");
        QCOMPARE(titre->de().x(), 768 + 10);
        QVERIFY(titre->gras);
        const TTrace* montant = c.trouve("450,00");
        QCOMPARE(montant->de().x(), 3585 + 10);
        QVERIFY(!montant->gras);
        const TTrace* date = c.trouve("Imprimé le 10/12/2026");
        QCOMPARE(date->boite.x() + date->boite.width(), 4608);
        QCOMPARE(date->de().y(), 264);
        // Line height: one and a half times the date's height (77 pixels), truncated.
        const int hauteur = 115;
        QCOMPARE(c.trouve("Mois")->de().y(), 264 + hauteur + 10);
        QCOMPARE(c.trouve("1")->de().y(), 264 + 2 * hauteur + 10);
    }

    // The rows that reach the bottom margin go on to a new page under the header again; the
    // last one never leaves a page with its header alone.
    void pages_data() {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("pages");
        QTest::newRow("no row: the header band and its rules") << 0 << 1;
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("a page full") << 51 << 1;
        QTest::newRow("one more") << 52 << 2;
    }
    void pages() {
        QFETCH(int, lignes);
        QFETCH(int, pages);
        TCanevasEnregistre c = page();
        ImpGrille(c, grille(lignes), "Statistiques", lignes, QDate(2026, 12, 10));
        QCOMPARE(c.pages(), pages);
        for (int p = 1; p <= pages; ++p) {
            int bandes = 0;
            for (const TTrace& t : c.traces())
                if (t.page == p && t.genre == TTrace::Genre::Remplissage) {
                    ++bandes;
                    QCOMPARE(t.couleur, QColor(192, 192, 192));
                    QCOMPARE(t.de(), QPoint(192, 264 + 115));
                }
            QCOMPARE(bandes, 1);
            QCOMPARE(verticales(c, p).size(), 4);
        }
        const QList<TTrace> textes = c.textes(pages);
        QCOMPARE(textes.first().texte, QString("Statistiques"));
        if (lignes == 0) {
            QCOMPARE(textes.size(), 5);
            for (const TTrace& t : c.traces())
                if (t.genre == TTrace::Genre::Ligne && t.de().x() == t.a().x()) {
                    QCOMPARE(t.de().y(), 264 + 115);
                    QCOMPARE(t.a().y(), 264 + 2 * 115);
                }
        }
    }

    // A statistics window printed, stroke by stroke.
    void releveStatistiques() {
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600();
        ImpGrille(c, statistiquesMois(), QString(), 2, QDate(2026, 12, 10));
        COMPARE_REFERENCE(c.releve(), "impression/statistiques-mois.txt");
    }
};

QTEST_GUILESS_MAIN(TstImpGrille)
#include "tst_impgrille.moc"
