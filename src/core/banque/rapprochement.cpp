#include "core/banque/rapprochement.h"

#include "core/banque/operationsfaites.h"
#include "core/documents/mois.h"

#include <QSet>

namespace {

bool nomDansLibelle(const TLocataireDu& locataire, const QSet<QString>& motsLibelle) {
    if (locataire.mots.isEmpty())
        return false;
    for (const QString& mot : locataire.mots)
        if (!motsLibelle.contains(mot))
            return false;
    return true;
}

} // namespace

TLigneRapprochee::Etat TLigneRapprochee::etat() const {
    if (dejaFaite || !operation.credit())
        return Etat::Ignore;
    if (!locataire.isEmpty() && du == operation.centimes)
        return Etat::Rapproche;
    return Etat::AVerifier;
}

QString TLigneRapprochee::texte(Etat etat) {
    switch (etat) {
    case Etat::Rapproche:
        return QStringLiteral("Rapproché");
    case Etat::AVerifier:
        return QStringLiteral("À vérifier");
    case Etat::Ignore:
        return QStringLiteral("Ignoré");
    }
    return {};
}

TRapprochement::TRapprochement(const TReleve& releve, TLocatairesDus locataires,
                               const TOperationsFaites& faites)
    : m_locataires(std::move(locataires)) {
    m_lignes.reserve(releve.size());
    for (const TOperation& operation : releve) {
        TLigneRapprochee ligne;
        ligne.operation = operation;
        ligne.mois = TexteMois(operation.valeur);
        ligne.dejaFaite = faites.contient(operation);
        propose(ligne);
        m_lignes.append(ligne);
    }
}

void TRapprochement::propose(TLigneRapprochee& ligne) const {
    if (ligne.dejaFaite || !ligne.operation.credit())
        return;
    const QList<const TLocataireDu*> candidats =
        m_locataires.pour(ligne.operation.centimes, PremierJour(ligne.operation.valeur));
    const TLocataireDu* choisi = candidats.size() == 1 ? candidats.front() : nullptr;
    if (candidats.size() > 1) {
        const QStringList mots = MotsPlies(ligne.operation.libelle);
        const QSet<QString> motsLibelle(mots.begin(), mots.end());
        for (const TLocataireDu* c : candidats)
            if (nomDansLibelle(*c, motsLibelle)) {
                if (choisi) {
                    choisi = nullptr; // two names in the label: no one
                    break;
                }
                choisi = c;
            }
    }
    if (!choisi)
        return;
    ligne.locataire = choisi->numero;
    ligne.nom = choisi->nom;
    ligne.du = choisi->centimes;
    ligne.cochee = true;
}

bool TRapprochement::cochable(const TLigneRapprochee& ligne) {
    return !ligne.dejaFaite && ligne.operation.credit() && !ligne.locataire.isEmpty();
}

void TRapprochement::choisitLocataire(qsizetype i, const QString& numero) {
    TLigneRapprochee& ligne = m_lignes[i];
    if (ligne.dejaFaite || !ligne.operation.credit())
        return;
    const TLocataireDu* locataire = m_locataires.numero(numero);
    ligne.locataire = locataire ? locataire->numero : QString();
    ligne.nom = locataire ? locataire->nom : QString();
    ligne.du = locataire ? locataire->centimes : 0;
    ligne.cochee = ligne.etat() == TLigneRapprochee::Etat::Rapproche;
}

void TRapprochement::choisitMois(qsizetype i, const QString& mois) {
    m_lignes[i].mois = mois;
}

void TRapprochement::coche(qsizetype i, bool cochee) {
    TLigneRapprochee& ligne = m_lignes[i];
    ligne.cochee = cochee && cochable(ligne);
}

qsizetype TRapprochement::nombreCoches() const {
    return std::count_if(m_lignes.begin(), m_lignes.end(),
                         [](const TLigneRapprochee& l) { return l.cochee; });
}

qint64 TRapprochement::totalCoches() const {
    qint64 total = 0;
    for (const TLigneRapprochee& l : m_lignes)
        if (l.cochee)
            total += l.operation.centimes;
    return total;
}
