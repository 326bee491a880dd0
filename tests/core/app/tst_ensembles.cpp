#include "core/app/ensembles.h"

#include <QTest>

#include <array>

namespace {

// The enabled state of every entry, as the main window keeps it.
struct Etats {
    std::array<bool, NbCommandes> actif{};

    Etats() {
        for (int i = 0; i < NbCommandes; ++i)
            actif[i] = actifAuDepart(static_cast<Action>(i));
    }
    void applique(const QList<EtatAction>& ensemble) {
        for (const EtatAction& e : ensemble)
            actif[static_cast<int>(e.action)] = e.actif;
    }
    bool operator[](Action c) const { return actif[static_cast<int>(c)]; }
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
            for (Action c : {Action::ToutesLesCommandes, Action::CommandesCodeFournisseur,
                             Action::LocationSupprimerLigne})
                QVERIFY2(!etats[c], qPrintable(QString::number(static_cast<int>(c))));
        }
    }

    // The tenants page leaves the two notice entries as the page before it left them.
    void exceptionDesLocataires() {
        Etats etats;
        etats.applique(ensembleDossierOuvert());
        etats.applique(ensemblePage(Base::Avis));
        etats.applique(ensemblePage(Base::Locataires));
        QVERIFY(etats[Action::SupprimerAvis]);
        QVERIFY(etats[Action::ImprimerAvis]);
        QVERIFY(!etats[Action::ListeAvis]);
        etats.applique(ensemblePage(Base::Recus));
        etats.applique(ensemblePage(Base::Locataires));
        QVERIFY(!etats[Action::SupprimerAvis]);
        QVERIFY(!etats[Action::ImprimerAvis]);
    }

    // "Calculer", the file entries and the navigation of "&Bases" are the dossier-open set's
    // alone: no page switch changes them.
    void horsDesPages() {
        for (Base page : ToutesLesBases)
            for (const EtatAction& e : ensemblePage(page))
                for (Action c :
                     {Action::BoutonCalculer, Action::Enregistrer, Action::Precedent,
                      Action::Dernier, Action::Copier, Action::BoutonImprimer, Action::Nouveau})
                    QVERIFY(e.action != c);
    }

    // Opening a dossier turns the navigation of "&Achat" off, even after the orders page
    // turned it on.
    void navigationDesAchats() {
        Etats etats;
        etats.applique(ensembleDossierOuvert());
        etats.applique(ensemblePage(Base::Commandes));
        QVERIFY(etats[Action::AchatSuivant]);
        etats.applique(ensembleDossierOuvert());
        QVERIFY(!etats[Action::AchatSuivant]);
        QVERIFY(etats[Action::Suivant]);
    }
};

QTEST_GUILESS_MAIN(TstEnsembles)
#include "tst_ensembles.moc"
