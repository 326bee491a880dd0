#include "core/app/impressions.h"

#include "core/app/descriptionbase.h"
#include "core/app/tfiche.h"
#include "core/common/conversions.h"
#include "core/documents/tpagedocument.h"
#include "core/printing/impcommande.h"
#include "core/printing/impenveloppe.h"
#include "core/purchasing/calculcommande.h"
#include "core/records/tpageenregistrement.h"

#include <algorithm>

namespace {

using C = ChampDocument;

} // namespace

TProprietaire proprietaire(const LignesProprio& l) {
    return {l[0], l[1], l[2], l[3], l[4], l[5], l[6]};
}

TDocumentImprime documentImprime(const TPageDocument& page) {
    TDocumentImprime d;
    d.sorte =
        descriptionBase(page.description().base).documentImprime.value_or(SorteImprimee::Quittance);
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

TCommandeImprimee commandeImprimee(const TPageDocument& page) {
    using K = ChampDocument;
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
    const TTotauxDocument& t = page.totaux();
    c.totalHT = t.texteHT;
    c.totalTVA = t.texteTVA;
    c.totalTTCEuros = t.texteTTC;
    c.totalTTCFrancs = t.texteFrancs;
    c.memo = page.lignesMemo();
    return c;
}

TFicheImprimee ficheImprimee(TPageEnregistrement& page, Base base) {
    TFicheImprimee f;
    f.sorte = descriptionBase(base).carteImprimee.value_or(FicheImprimee::Lot);
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
    const TPageDocument* page = fiche.pageDocument(base);
    if (!page)
        return std::nullopt;
    if (base == Base::Commandes)
        return travailCommande(commandeImprimee(*page), r.typePapier,
                               proprietaire(r.lignesProprio));
    return travailDocument(documentImprime(*page), r.typePapier, proprietaire(r.lignesProprio));
}

std::optional<TTravailImpression> ImpFiche(const TFiche& fiche) {
    const Base base = fiche.pageActive();
    if (TPageEnregistrement* page = fiche.pageFiche(base))
        return travailFiche(ficheImprimee(*page, base));
    return ImpDocument(fiche, base);
}

int nbFichesListe(const TFiche& fiche, ListeImprimee liste) {
    return fiche.base(descriptionBase(liste).base).countBlocks();
}

TTravailImpression ImpListe(const TFiche& fiche, ListeImprimee liste, int premiere, int derniere) {
    return travailListe(
        liste, lignesListe(liste, fiche.base(descriptionBase(liste).base), premiere, derniere));
}

std::optional<TTravailImpression> ImpEnv(const TFiche& fiche) {
    const Base base = fiche.pageActive();
    const int nom = descriptionBase(base).ligneEnveloppe;
    const TPageEnregistrement* page = nom ? fiche.pageFiche(base) : nullptr;
    if (!page)
        return std::nullopt;
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
