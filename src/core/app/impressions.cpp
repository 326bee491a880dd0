#include "core/app/impressions.h"

#include "core/app/tfiche.h"
#include "core/common/conversions.h"
#include "core/documents/tpagedocument.h"
#include "core/printing/impcommande.h"
#include "core/printing/impenveloppe.h"
#include "core/purchasing/tpagecommande.h"
#include "core/records/tpageenregistrement.h"

#include <algorithm>

namespace {

using C = ChampDocument;

Base baseDe(ListeImprimee liste) {
    switch (liste) {
    case ListeImprimee::Locataires:
        return Base::Locataires;
    case ListeImprimee::Fournisseurs:
        return Base::Fournisseurs;
    case ListeImprimee::Lots:
        break;
    }
    return Base::Lots;
}

SorteImprimee sorteDe(Base base) {
    switch (base) {
    case Base::Avis:
        return SorteImprimee::Avis;
    case Base::Recus:
        return SorteImprimee::Recu;
    default:
        return SorteImprimee::Quittance;
    }
}

} // namespace

TProprietaire proprietaire(const LignesProprio& l) {
    return {l[0], l[1], l[2], l[3], l[4], l[5], l[6]};
}

TDocumentImprime documentImprime(const TPageDocument& page) {
    TDocumentImprime d;
    d.sorte = sorteDe(page.description().base);
    d.numero = page.champ(C::Numero);
    d.date = page.champ(C::Date);
    d.coordonnees = {page.champ(C::Adresse1), page.champ(C::Adresse2), page.champ(C::Adresse3),
                     page.champ(C::Adresse4)};
    d.mois = page.champ(C::Mois);
    d.du = page.champ(C::Du);
    d.au = page.champ(C::Au);
    d.mode = page.champ(C::Mode);
    d.genre = page.champ(C::Sorte);
    const TGrilleDocument& grille = page.grille();
    for (int k = 0; k < std::min(page.lignes(), grille.rowCount()); ++k)
        d.lignes.append({grille.cellule(k, TGrilleDocument::Designation),
                         grille.cellule(k, TGrilleDocument::Montant)});
    d.totalEuros = page.totalEuros();
    d.totalFrancs = page.totalFrancs();
    d.enLettres = page.enLettres();
    d.memo = page.lignesMemo();
    return d;
}

TCommandeImprimee commandeImprimee(const TPageCommande& page) {
    using K = ChampCommande;
    using namespace ColonneCommande;
    TCommandeImprimee c;
    c.numero = page.champ(K::Numero);
    c.date = page.champ(K::Date);
    c.codeFournisseur = page.champ(K::Fournisseur);
    c.reglement = page.champ(K::Reglement);
    c.coordonnees = {page.champ(K::Adresse1), page.champ(K::Adresse2), page.champ(K::Adresse3),
                     page.champ(K::Adresse4)};
    c.ttc = page.ttc();
    const TGrilleDocument& grille = page.grille();
    for (int k = 0; k < std::min(page.lignes(), grille.rowCount()); ++k) {
        const QStringList l = grille.ligne(k);
        c.lignes.append(
            {l[Ref], l[Designation], l[Quantite], l[PrixUnitaire], l[Remise], l[Montant], l[Tva]});
    }
    const TTotauxCommande& t = page.totaux();
    c.totalHT = t.texteHT;
    c.totalTVA = t.texteTVA;
    c.totalTTCEuros = t.texteTTC;
    c.totalTTCFrancs = t.texteFrancs;
    c.memo = page.lignesMemo();
    return c;
}

TFicheImprimee ficheImprimee(TPageEnregistrement& page, Base base) {
    TFicheImprimee f;
    f.sorte = base == Base::Locataires     ? FicheImprimee::Locataire
              : base == Base::Fournisseurs ? FicheImprimee::Fournisseur
                                           : FicheImprimee::Lot;
    for (int ligne = 1; ligne <= page.description().nbChamps(); ++ligne)
        f.champs.append(page.champ(ligne));
    TGrilleHistorique& grille = page.grille();
    QStringList titres;
    for (int c = 0; c < TGrilleHistorique::NbColonnes; ++c)
        titres.append(grille.headerData(c, Qt::Horizontal).toString());
    f.historique.append(titres);
    f.historique.append(grille.lignes());
    f.remarques = page.lignesMemo();
    if (base == Base::Fournisseurs)
        f.saisieHistorique = QStringList{DateToStr(page.dateHistorique), page.libelleHistorique,
                                         page.montantHistorique};
    return f;
}

std::optional<TTravailImpression> ImpDocument(const TFiche& fiche, Base base) {
    const TReglages& r = fiche.reglages();
    if (const TPageDocument* page = fiche.pageDocument(base))
        return travailDocument(documentImprime(*page), r.typePapier, proprietaire(r.lignesProprio));
    if (const TPageCommande* page = fiche.pageCommande(); page && base == Base::Commandes)
        return travailCommande(commandeImprimee(*page), r.typePapier,
                               proprietaire(r.lignesProprio));
    return std::nullopt;
}

std::optional<TTravailImpression> ImpFiche(const TFiche& fiche) {
    const Base base = fiche.pageActive();
    if (TPageEnregistrement* page = fiche.pageFiche(base))
        return travailFiche(ficheImprimee(*page, base));
    return ImpDocument(fiche, base);
}

int nbFichesListe(const TFiche& fiche, ListeImprimee liste) {
    return fiche.base(baseDe(liste)).countBlocks();
}

TTravailImpression ImpListe(const TFiche& fiche, ListeImprimee liste, int premiere, int derniere) {
    return travailListe(liste, lignesListe(liste, fiche.base(baseDe(liste)), premiere, derniere));
}

std::optional<TTravailImpression> ImpEnv(const TFiche& fiche) {
    const Base base = fiche.pageActive();
    if (base != Base::Locataires && base != Base::Fournisseurs)
        return std::nullopt;
    const TPageEnregistrement* page = fiche.pageFiche(base);
    if (!page)
        return std::nullopt;
    // The supplier's name stands one line lower than the tenant's, after its family.
    const int nom = base == Base::Locataires ? 2 : 3;
    const std::array<QString, 4> destinataire = {
        page->champ(nom), page->champ(nom + 1), page->champ(nom + 2),
        page->champ(nom + 3) + u' ' + page->champ(nom + 4)};
    const TReglages& r = fiche.reglages();
    return travailEnveloppe(proprietaire(r.lignesProprio), destinataire, r.decalageGuide,
                            r.orientationEnveloppe);
}

TMiseEnPage miseEnPage(const TReglages& r) {
    if (r.typePapier < 0 || r.typePapier > 3 ||
        (r.orientationEnveloppe != 0 && r.orientationEnveloppe != 1))
        return {};
    return {std::min(r.typePapier, 1), r.orientationEnveloppe, r.decalageGuide > 0};
}

void ParM(TReglages& r, const TMiseEnPage& choix) {
    if (choix.orientation == -1)
        return;
    r.typePapier = choix.typePapier;
    r.orientationEnveloppe = choix.orientation;
    r.decalageGuide = choix.guide ? 100 : 0;
}
