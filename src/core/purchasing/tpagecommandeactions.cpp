// The commands of the order page: new orders, the supplier picked, validation, search, and
// copy and paste.
#include "core/purchasing/tpagecommande.h"

#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/numerotation.h"
#include "core/records/fournisseur.h"
#include "core/records/tpageenregistrement.h"

namespace {

using C = ChampCommande;

ChampCommande coordonnee(int i) {
    return ChampCommande(int(C::Adresse1) + i);
}

// The fields that Copier and Coller carry, in order.
constexpr ChampCommande Copies[] = {C::Date,     C::Fournisseur, C::Reglement,
                                    C::Adresse2, C::Adresse3,    C::Adresse4};

} // namespace

TCarteFournisseur TCarteFournisseur::depuisPage(const TPageEnregistrement& fournisseurs) {
    using namespace Fournisseur;
    const auto champ = [&fournisseurs](int ligne) { return fournisseurs.champ(ligne); };
    return {
        champ(Code),
        {champ(NomSoc), champ(Adresse), champ(Adresse2), champ(CodePostal) + u' ' + champ(Ville)}};
}

void TPageCommande::remplitSiVide(ChampCommande champ, const QString& texte) {
    if (this->champ(champ).isEmpty())
        entre(champ, texte);
}

void TPageCommande::CreePour(const TCarteFournisseur& carte) {
    Cree();
    remplitSiVide(C::Fournisseur, carte.code);
    for (int i = 0; i < 4; ++i)
        remplitSiVide(coordonnee(i), carte.coordonnees.value(i));
    m_modifie = true;
    emit relue();
}

void TPageCommande::choisitFournisseur(const QString& code, const TListeBase& fournisseurs) {
    entre(C::Fournisseur, code);
    const int cle = Fournisseur::description().cle(fournisseurs, champ(C::Fournisseur));
    if (cle >= 0) {
        using namespace Fournisseur;
        const QStringList l = fournisseurs.read(cle, Ville, Ville + 1).champs;
        for (int i = 0; i < 3; ++i)
            entre(coordonnee(i), l[NomSoc - 1 + i]);
        entre(C::Adresse4, l[CodePostal - 1] + u' ' + l[Ville - 1]);
    }
    saisi();
    emit relue();
}

void TPageCommande::setValidee(bool validee) {
    setChamp(C::Valide, validee ? QStringLiteral("Y") : QStringLiteral("N"));
    m_grille.setFigee(validee);
    emit validationChange();
}

bool TPageCommande::Valider(TPageEnregistrement& fournisseurs) {
    if (validee())
        return false;
    verifieValidable();
    const bool trouve = fournisseurs.litNumero(champ(C::Fournisseur));
    if (trouve && fournisseurs.grille().premiereLigneLibre() < 0)
        throw UserError(
            QStringLiteral("L'historique du fournisseur %1 est plein").arg(champ(C::Fournisseur)));
    setValidee(true);
    m_modifie = true;
    ecrit();
    // Stored again at the next store, as the record window does after a validation.
    m_modifie = true;
    m_statut = QStringLiteral("Cmde validée");
    emit validationChange();
    if (trouve) {
        fournisseurs.dateHistorique = Clock::today();
        fournisseurs.libelleHistorique = QStringLiteral("Commande ") + champ(C::Numero);
        fournisseurs.montantHistorique = m_totaux.texteTTC;
        fournisseurs.ajouteHistorique();
        fournisseurs.ecrit();
        emit stockee();
    }
    return true;
}

bool TPageCommande::Cherche(const QString& numero) {
    const int cle = CleDocument(m_base, QStringLiteral("NUMC") + numero);
    if (cle < 0)
        return false;
    ecrit();
    m_base.courant = cle;
    lit();
    return true;
}

void TPageCommande::Copier() {
    m_pressePapiers.clear();
    for (ChampCommande champ : Copies)
        m_pressePapiers.append(this->champ(champ));
}

void TPageCommande::Coller() {
    setChamp(C::Numero, QString::number(numero()));
    saisi();
    try {
        // A date that does not read stops the paste there; the fields before it keep theirs.
        for (int i = 0; i < int(std::size(Copies)); ++i)
            entre(Copies[i], m_pressePapiers.value(i));
    } catch (const UserError&) {
        emit relue();
        throw;
    }
    emit relue();
}
