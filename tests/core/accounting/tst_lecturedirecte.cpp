#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/documents/documentlu.h"
#include "core/documents/tpagedocument.h"
#include "core/purchasing/commandelue.h"
#include "core/purchasing/tpagecommande.h"
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
    bloc[BlocCommande::LigneTTC] = mode;
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
            base.nb = 7; // keys 0 to 6, 4 without block
            TPageDocument& page = *fiche.pageDocument(Base::Quittances);
            const QString fmt = fiche.contexte().fmtMontant;
            for (int cle = 0; cle < base.nb; ++cle) {
                const std::optional<TDocumentLu> lu =
                    LitDocument(page.description(), base, cle, fmt, Clock::today());
                QCOMPARE(lu.has_value(), base.find(cle) >= 0);
                if (!lu)
                    continue;
                base.courant = cle;
                page.lit();
                QCOMPARE(lu->numero, page.champ(ChampDocument::Numero));
                QCOMPARE(lu->date, page.date(ChampDocument::Date));
                QCOMPARE(lu->locataire, page.champ(ChampDocument::Locataire));
                QCOMPARE(lu->adresse1, page.champ(ChampDocument::Adresse1));
                QCOMPARE(lu->totalEuros, page.totalEuros());
                const TGrilleDocument& grille = page.grille();
                for (int ligne = 0; ligne < grille.rowCount(); ++ligne) {
                    const TLigneDocument attendu =
                        ligne < lu->lignes.size() ? lu->lignes[ligne] : TLigneDocument{};
                    QCOMPARE(grille.cellule(ligne, TGrilleDocument::Designation),
                             attendu.designation);
                    QCOMPARE(grille.cellule(ligne, TGrilleDocument::Montant).trimmed(),
                             attendu.montant);
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
        base.nb = 6; // keys 0 to 5, 3 without block
        TPageCommande& page = *fiche.pageCommande();
        const TParametresCommande calcul = TPageCommande::parametres(fiche.contexte());
        for (int cle = 0; cle < base.nb; ++cle) {
            const std::optional<TCommandeLue> lue = LitCommande(base, cle, calcul);
            QCOMPARE(lue.has_value(), base.find(cle) >= 0);
            if (!lue)
                continue;
            base.courant = cle;
            page.lit();
            QCOMPARE(lue->fournisseur, page.champ(ChampCommande::Fournisseur));
            QCOMPARE(lue->adresse1, page.champ(ChampCommande::Adresse1));
            const TTotauxCommande& attendu = page.totaux();
            QCOMPARE(lue->totaux.texteHT, attendu.texteHT);
            QCOMPARE(lue->totaux.texteTVA, attendu.texteTVA);
            QCOMPARE(lue->totaux.texteTTC, attendu.texteTTC);
            QCOMPARE(lue->totaux.texteFrancs, attendu.texteFrancs);
        }
        QCOMPARE(LitCommande(base, 1, calcul)->totaux.texteTTC, QString("80,00"));
    }
};

QTEST_GUILESS_MAIN(TestLectureDirecte)
#include "tst_lecturedirecte.moc"
