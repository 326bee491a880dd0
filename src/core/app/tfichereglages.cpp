// The settings that the record window keeps from one run to the next.

#include "core/app/fichiersreglages.h"
#include "core/app/tfiche.h"

void TFiche::ChargeSoc(const QString& repertoire) {
    FichiersReglages::ChargeSoc(repertoire, m_reglages.lignesProprio);
}

void TFiche::ChargeIni(const QString& repertoire) {
    QString chemin = ficLoc();
    FichiersReglages::ChargeIni(repertoire, chemin, m_reglages, m_selections);
    m_fichiers[indexOf(Base::Locataires)] = chemin;
    Synchro();
}

void TFiche::ChargeCombo(const QString& repertoire) {
    FichiersReglages::ChargeCombo(repertoire, m_reglages);
    for (ListeValeurs liste :
         {ListeValeurs::TypesLots, ListeValeurs::FamillesFournisseurs, ListeValeurs::Reglements})
        emit listeValeursChange(liste);
}

QString TFiche::SauveIni(const QString& repertoire, const QString& path) {
    return FichiersReglages::SauveIni(repertoire, path, m_reglages, m_selections);
}

void TFiche::SauveSoc(const QString& repertoire) {
    FichiersReglages::SauveSoc(repertoire, m_reglages.lignesProprio);
}

void TFiche::SauveCombo(const QString& repertoire) {
    FichiersReglages::SauveCombo(repertoire, m_reglages);
}

TEtatIni TFiche::GetIni() const {
    return {m_reglages.autoOuvrir == 1, ficLoc(), m_selections.modeSelLoc};
}

void TFiche::SetIni(bool autoOuvrir) {
    m_reglages.autoOuvrir = autoOuvrir ? 1 : 0;
}

void TFiche::SetProprio(const LignesProprio& lignes) {
    if (!lignes[0].isEmpty())
        m_reglages.lignesProprio = lignes;
}

void TFiche::SetListe(ListeValeurs liste, const QStringList& valeurs) {
    m_reglages.liste(liste) = valeurs;
    emit listeValeursChange(liste);
}
