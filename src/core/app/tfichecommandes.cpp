// The orders and their parameters, and the account numbers of the journal.

#include "core/app/tfiche.h"
#include "core/purchasing/tpagecommande.h"

TPageCommande* TFiche::pageCommande() const {
    return dynamic_cast<TPageCommande*>(page(Base::Commandes));
}

void TFiche::NouvCmd() {
    TPageCommande* commandes = pageCommande();
    const TPageEnregistrement* fournisseurs = pageFiche(Base::Fournisseurs);
    if (!commandes || !fournisseurs)
        return;
    const TCarteFournisseur carte = TCarteFournisseur::depuisPage(*fournisseurs);
    AffichePage(Base::Commandes);
    commandes->CreePour(carte);
}

void TFiche::ChoisitFournisseur(const QString& code) {
    if (TPageCommande* commandes = pageCommande()) {
        EcritPage(Base::Fournisseurs);
        commandes->choisitFournisseur(code, base(Base::Fournisseurs));
    }
}

bool TFiche::ValideCommande() {
    TPageCommande* commandes = pageCommande();
    TPageEnregistrement* fournisseurs = pageFiche(Base::Fournisseurs);
    return commandes && fournisseurs && commandes->Valider(*fournisseurs);
}

TParametresCommandes TFiche::parametresCommandes() const {
    return {{m_reglages.tauxTVA1, m_reglages.tauxTVA2, m_reglages.tauxTVA3},
            m_reglages.nbDecimales,
            m_reglages.liste(ListeValeurs::Reglements)};
}

void TFiche::Parc(const TParametresCommandes& parametres) {
    m_reglages.tauxTVA1 = parametres.tauxTVA[0];
    m_reglages.tauxTVA2 = parametres.tauxTVA[1];
    m_reglages.tauxTVA3 = parametres.tauxTVA[2];
    m_reglages.nbDecimales = parametres.nbDecimales;
    m_contexte.tauxEuro = 6.55957;
    m_contexte.fmtMontant = FormatMontant(parametres.nbDecimales, m_contexte.fmtMontant);
    SetListe(ListeValeurs::Reglements, parametres.reglements);
    if (TPageCommande* commandes = pageCommande())
        commandes->Calcule();
}

Comptes TFiche::comptes() const {
    const TReglages& r = m_reglages;
    return {r.compteClients, r.compteLoyers, r.compteCharges,
            r.compteTVA,     r.compteTaxe,   r.compteAPL};
}

void TFiche::Compte(const Comptes& comptes) {
    TReglages& r = m_reglages;
    r.compteClients = comptes[0];
    r.compteLoyers = comptes[1];
    r.compteCharges = comptes[2];
    r.compteTVA = comptes[3];
    r.compteTaxe = comptes[4];
    r.compteAPL = comptes[5];
}
