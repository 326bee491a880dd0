// The commands of a rent document page: new documents, the tenant picked, validation,
// search, copy and paste, and the deletion of a line.
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

void TPageDocument::CreePour(const TCarteLocataire& carte) {
    Cree();
    remplitSiVide(C::Locataire, carte.numero);
    for (int i = 0; i < 4; ++i)
        remplitSiVide(coordonnee(i), carte.coordonnees.value(i));
    if (m_description.lignesDuLocataire)
        remplitLignes(carte.montants);
    m_modifie = true;
    Calcule();
    emit relue();
}

void TPageDocument::choisitLocataire(const QString& numero, const TListeBase& locataires) {
    entre(C::Locataire, numero);
    const int cle = Locataire::description().cle(locataires, champ(C::Locataire));
    if (cle >= 0) {
        const TCarteLocataire carte = TCarteLocataire::depuisBloc(locataires, cle);
        for (int i = 0; i < 4; ++i)
            entre(coordonnee(i), carte.coordonnees.value(i));
        // A validated document keeps the lines its total was posted with.
        if (m_description.lignesDuLocataire && !m_grille.figee())
            remplitLignes(carte.montants);
    }
    saisi();
    Calcule();
    emit relue();
}

void TPageDocument::setValidee(bool validee) {
    setChamp(C::Valide, validee ? QStringLiteral("Y") : QStringLiteral("N"));
    m_grille.setFigee(validee);
    emit validationChange();
}

bool TPageDocument::Valider(TPageEnregistrement& locataires) {
    if (!m_description.validation() || validee())
        return false;
    verifieValidable();
    const bool trouve = locataires.litNumero(champ(C::Locataire));
    if (trouve && locataires.grille().premiereLigneLibre() < 0)
        throw UserError(
            QStringLiteral("L'historique du locataire %1 est plein").arg(champ(C::Locataire)));
    setValidee(true);
    m_modifie = true;
    ecrit();
    if (trouve) {
        locataires.dateHistorique = Clock::today();
        locataires.libelleHistorique = QStringLiteral("Loyer ") + champ(C::Mois);
        locataires.montantHistorique = m_totalEuros;
        locataires.ajouteHistorique();
        locataires.ecrit();
        emit stockee();
    }
    return true;
}

bool TPageDocument::Cherche(const QString& numero, const QString& tag) {
    const int cle = CleDocument(m_base, (tag.isEmpty() ? m_description.tagNumero : tag) + numero);
    if (cle < 0)
        return false;
    ecrit();
    m_base.courant = cle;
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
