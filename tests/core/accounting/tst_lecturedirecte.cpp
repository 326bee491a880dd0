#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/documentlu.h"
#include "core/documents/tpagedocument.h"
#include "core/purchasing/descriptioncommande.h"
#include "statsessai.h"

#include <QTest>

// The statistics and the journal read the documents straight from their blocks; what they
// read must be what the document's page shows after reading the same block, block by block,
// however odd the block.

namespace {

// A receipt's block with one header line replaced.
QStringList avecLigne(QStringList bloc, int ligne, const QString& texte) {
    bloc[ligne] = texte;
    return bloc;
}

// An order's block with its pricing mode line and its rows.
QStringList commande(int cle, const QString& mode, const QStringList& lignes) {
    QStringList bloc = blocCommande(cle, "200305001", "DUPONT", "Dupont SA", lignes);
    bloc[Documents::commande().ligne(ChampDocument::PrixTTC)] = mode;
    return bloc;
}

} // namespace

class TestLectureDirecte : public QObject {
    Q_OBJECT

    Clock::Fixed m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};

private slots:
    void quittances() {
        const QStringList lignes =
            blocQuittance(0, "200103001", "15/03/2001", "10001", "Martin",
                          {"Loyer mensuel\t   450,00", "Provision pour charges\t70,00"}) +
            blocQuittance(1, "200103002", "16/03/2001", "12", "Durand",
                          {"Loyer mensuel\t0,005", "Provision pour charges\t0,005", "APL\t-100,5",
                           "Régularisation\tdouze", "Taxe Additionnelle\t"}) +
            blocQuittance(2, "200103003", "31/02/2001", "3", "Date fausse",
                          {"Loyer mensuel\t1234567,891"}) +
            blocQuittance(3, "200103004", "01/04/2001", "", "", {"court", "Sans montant"}) +
            blocQuittance(5, "200104001", "2/4/2001", "7", "Clé après un trou",
                          {"Loyer mensuel\t12", "\t5,5", "Loyer mensuel\t1,2,3"}) +
            avecLigne(blocQuittance(6, "200104002", "03/04/2001", "8", "Sans lignes", {}), 1,
                      "NUMQ200104002");
        for (const QString& format : {QStringLiteral("0.00"), QStringLiteral("#")}) {
            TFiche fiche;
            TParametresCommandes parametres = fiche.parametresCommandes();
            parametres.nbDecimales = format == QLatin1String("#") ? 0 : 2;
            fiche.Parc(parametres);
            remplitBase(fiche, Base::Quittances, lignes);
            TListeBase& base = fiche.base(Base::Quittances);
            TPageDocument& page = *fiche.pageDocument(Base::Quittances);
            const QString fmt = fiche.contexte().fmtMontant;
            for (int cle = 0; cle < base.nb(); ++cle) {
                const std::optional<TDocumentLu> lu =
                    LitDocument(page.description(), base, cle, {.fmtMontant = fmt}, Clock::today());
                QCOMPARE(lu.has_value(), base.find(cle) >= 0);
                if (!lu)
                    continue;
                base.allerA(cle);
                page.lit();
                QCOMPARE(lu->numero, page.champ(ChampDocument::Numero));
                QCOMPARE(lu->date, page.date(ChampDocument::Date));
                QCOMPARE(lu->tiers, page.champ(ChampDocument::Locataire));
                QCOMPARE(lu->adresse1, page.champ(ChampDocument::Adresse1));
                QCOMPARE(lu->totaux.texteTTC, page.totalEuros());
                const TGrilleDocument& grille = page.grille();
                for (int ligne = 0; ligne < grille.rowCount(); ++ligne) {
                    const QStringList attendu = ligne < lu->lignes.size()
                                                    ? lu->lignes[ligne]
                                                    : QStringList(TGrilleDocument::NbColonnes);
                    QCOMPARE(grille.cellule(ligne, TGrilleDocument::Designation),
                             attendu[TGrilleDocument::Designation]);
                    QCOMPARE(grille.cellule(ligne, TGrilleDocument::Montant).trimmed(),
                             attendu[TGrilleDocument::Montant]);
                }
            }
        }
    }

    void commandes() {
        const QStringList lignes =
            commande(0, "TTCN",
                     {"A1\tVis\t10\t1,5\t\t\t", "B2\tPlanche\t3\t12,40\t10\t\t2",
                      "C3\tPeinture\t2\t19,99\t\t\t3"}) +
            commande(1, "TTCY", {"\tForfait\t1\t100\t\t\t", "\tRemise\t1\t-20\t\t\t9"}) +
            commande(2, "TTCN", {"\tIllisible\tdeux\t5\t\t\t", "\tSans quantité\t\t5\t\t\t1"}) +
            commande(4, "TTC", {"\tMode abîmé\t1\t7,77\t5\t\t1"}) + commande(5, "TTCN", {});
        TFiche fiche;
        TParametresCommandes parametres = fiche.parametresCommandes();
        parametres.tauxTVA = {19.6, 5.5, 7};
        parametres.nbDecimales = 2;
        fiche.Parc(parametres);
        remplitBase(fiche, Base::Commandes, lignes);
        TListeBase& base = fiche.base(Base::Commandes);
        TPageDocument& page = *fiche.pageDocument(Base::Commandes);
        const TParametresCalcul calcul = TPageDocument::parametres(fiche.contexte());
        const auto lit = [&](int cle) {
            return LitDocument(page.description(), base, cle, calcul, Clock::today());
        };
        for (int cle = 0; cle < base.nb(); ++cle) {
            const std::optional<TDocumentLu> lue = lit(cle);
            QCOMPARE(lue.has_value(), base.find(cle) >= 0);
            if (!lue)
                continue;
            base.allerA(cle);
            page.lit();
            QCOMPARE(lue->tiers, page.champ(ChampDocument::Fournisseur));
            QCOMPARE(lue->adresse1, page.champ(ChampDocument::Adresse1));
            const TTotauxDocument& attendu = page.totaux();
            QCOMPARE(lue->totaux.texteHT, attendu.texteHT);
            QCOMPARE(lue->totaux.texteTVA, attendu.texteTVA);
            QCOMPARE(lue->totaux.texteTTC, attendu.texteTTC);
            QCOMPARE(lue->totaux.texteFrancs, attendu.texteFrancs);
        }
        QCOMPARE(lit(1)->totaux.texteTTC, QString("80,00"));
    }
};

QTEST_GUILESS_MAIN(TestLectureDirecte)
#include "tst_lecturedirecte.moc"
