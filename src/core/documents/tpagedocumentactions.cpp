// The commands of a document page: new documents, the tenant or supplier picked, validation,
// search, copy and paste.
#include "core/documents/tpagedocument.h"

#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/lignesloyer.h"
#include "core/documents/numerotation.h"
#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"

namespace {

using C = ChampDocument;

ChampDocument coordonnee(int i) {
    return ChampDocument(int(C::Adresse1) + i);
}

} // namespace

void TPageDocument::remplitSiVide(ChampDocument champ, const QString& texte) {
    if (m_description.a(champ) && this->champ(champ).isEmpty())
        entre(champ, texte);
}

void TPageDocument::remplitLignes(const TMontantsLoyer& montants) {
    m_grille.vide();
    const QList<TLigneLoyer> lignes = LignesLoyer(montants);
    for (int i = 0; i < lignes.size(); ++i) {
        entreCellule(i, TGrilleDocument::Designation, lignes[i].designation);
        entreCellule(i, TGrilleDocument::Montant, lignes[i].montant);
    }
    // The allowance is the last row counted: the row count does not grow past it.
    const bool apl = !montants.apl.trimmed().isEmpty();
    m_lignes = int(lignes.size()) + (apl ? 0 : 1);
}

void TPageDocument::CreePour(const TCarteTiers& carte) {
    Cree();
    remplitSiVide(m_description.champTiers, carte.numero);
    for (int i = 0; i < 4; ++i)
        remplitSiVide(coordonnee(i), carte.coordonnees.value(i));
    if (m_description.lignesDuLocataire)
        remplitLignes(carte.montants);
    m_modifie = true;
    Calcule();
    emit relue();
}

void TPageDocument::choisitTiers(const QString& numero, const TListeBase& tiers) {
    const ChampDocument champ = m_description.champTiers;
    entre(champ, numero);
    if (const std::optional<TCarteTiers> carte =
            TCarteTiers::cherche(m_description.baseTiers, tiers, this->champ(champ))) {
        for (int i = 0; i < 4; ++i)
            entre(coordonnee(i), carte->coordonnees.value(i));
        // A validated document keeps the lines its total was posted with.
        if (m_description.lignesDuLocataire && !m_grille.figee())
            remplitLignes(carte->montants);
    }
    saisi();
    // A kind that computes only at the end of a row leaves the rows being typed as they are.
    if (m_description.calculAuFil())
        Calcule();
    emit relue();
}

void TPageDocument::setValidee(bool validee) {
    setChamp(C::Valide, validee ? QStringLiteral("Y") : QStringLiteral("N"));
    m_grille.setFigee(validee);
    emit validationChange();
}

bool TPageDocument::Valider(TPageEnregistrement& tiers) {
    if (!m_description.validation() || validee())
        return false;
    verifieValidable();
    const QString numero = champ(m_description.champTiers);
    const bool trouve = tiers.litNumero(numero);
    if (trouve && tiers.grille().premiereLigneLibre() < 0)
        throw UserError(
            QStringLiteral("L'historique du %1 %2 est plein").arg(m_description.nomTiers, numero));
    m_vientDEtreValidee = true;
    setValidee(true);
    m_modifie = true;
    ecrit();
    // Stored again at the next store, as the record window does after validating an order.
    if (m_description.restockeApresValidation)
        m_modifie = true;
    if (trouve) {
        tiers.dateHistorique = Clock::today();
        tiers.libelleHistorique =
            m_description.libelleHistorique + champ(m_description.champHistorique);
        tiers.montantHistorique = m_totaux.texteTTC;
        tiers.ajouteHistorique();
        tiers.ecrit();
        emit stockee();
    }
    return true;
}

bool TPageDocument::Cherche(const QString& numero, const QString& tag) {
    const int cle = CleDocument(m_base, (tag.isEmpty() ? m_description.tagNumero : tag) + numero);
    if (cle < 0)
        return false;
    ecrit();
    m_base.allerA(cle);
    lit();
    return true;
}

void TPageDocument::Copier() {
    m_pressePapiers.clear();
    for (ChampDocument champ : m_description.copies)
        m_pressePapiers.append(this->champ(champ));
}

void TPageDocument::Coller() {
    setChamp(C::Numero, QString::number(numero()));
    saisi();
    try {
        // A date that does not read stops the paste there; the fields before it keep theirs.
        for (int i = 0; i < m_description.copies.size(); ++i)
            entre(m_description.copies[i], m_pressePapiers.value(i));
    } catch (const UserError&) {
        emit relue();
        throw;
    }
    emit relue();
}
