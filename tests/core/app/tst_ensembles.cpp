#include "app/ensembles.h"

#include <QTest>

#include <array>

namespace {

// The enabled state of every entry, as the main window keeps it.
struct Etats {
    std::array<bool, NbCommandes> actif{};

    Etats() {
        for (int i = 0; i < NbCommandes; ++i)
            actif[i] = actifAuDepart(static_cast<Commande>(i));
    }
    void applique(const QList<EtatCommande>& ensemble) {
        for (const EtatCommande& e : ensemble)
            actif[static_cast<int>(e.commande)] = e.actif;
    }
    bool operator[](Commande c) const { return actif[static_cast<int>(c)]; }
};

} // namespace

class TstEnsembles : public QObject {
    Q_OBJECT

private slots:
    // The entries that no set ever enables stay disabled whatever the road taken.
    void jamaisActives() {
        Etats etats;
        etats.applique(ensembleDossierOuvert());
        for (Base page : ToutesLesBases) {
            etats.applique(ensemblePage(page));
            for (Commande c : {Commande::ToutesLesCommandes, Commande::CommandesCodeFournisseur,
                               Commande::LocationSupprimerLigne})
                QVERIFY2(!etats[c], qPrintable(QString::number(static_cast<int>(c))));
        }
    }

    // The tenants page leaves the two notice entries as the page before it left them.
    void exceptionDesLocataires() {
        Etats etats;
        etats.applique(ensembleDossierOuvert());
        etats.applique(ensemblePage(Base::Avis));
        etats.applique(ensemblePage(Base::Locataires));
        QVERIFY(etats[Commande::SupprimerAvis]);
        QVERIFY(etats[Commande::ImprimerAvis]);
        QVERIFY(!etats[Commande::ListeAvis]);
        etats.applique(ensemblePage(Base::Recus));
        etats.applique(ensemblePage(Base::Locataires));
        QVERIFY(!etats[Commande::SupprimerAvis]);
        QVERIFY(!etats[Commande::ImprimerAvis]);
    }

    // "Calculer", the file entries and the navigation of "&Bases" are the dossier-open set's
    // alone: no page switch changes them.
    void horsDesPages() {
        for (Base page : ToutesLesBases)
            for (const EtatCommande& e : ensemblePage(page))
                for (Commande c : {Commande::BoutonCalculer, Commande::Enregistrer,
                                   Commande::Precedent, Commande::Dernier, Commande::Copier,
                                   Commande::BoutonImprimer, Commande::Nouveau})
                    QVERIFY(e.commande != c);
    }

    // Opening a dossier turns the navigation of "&Achat" off, even after the orders page
    // turned it on.
    void navigationDesAchats() {
        Etats etats;
        etats.applique(ensembleDossierOuvert());
        etats.applique(ensemblePage(Base::Commandes));
        QVERIFY(etats[Commande::AchatSuivant]);
        etats.applique(ensembleDossierOuvert());
        QVERIFY(!etats[Commande::AchatSuivant]);
        QVERIFY(etats[Commande::Suivant]);
    }
};

QTEST_GUILESS_MAIN(TstEnsembles)
#include "tst_ensembles.moc"
