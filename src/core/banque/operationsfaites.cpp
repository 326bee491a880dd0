#include "operationsfaites.h"

#include "app/tfiche.h"

TOperationsFaites TOperationsFaites::depuisLignes(const QStringList& lignes) {
    TOperationsFaites faites;
    for (const QString& ligne : lignes)
        if (!ligne.isEmpty() && !faites.m_empreintes.contains(ligne)) {
            faites.m_empreintes.insert(ligne);
            faites.m_lignes.append(ligne);
        }
    return faites;
}

bool TOperationsFaites::contient(const TOperation& operation) const {
    return m_empreintes.contains(operation.empreinte());
}

void TOperationsFaites::ajoute(const TOperation& operation) {
    const QString empreinte = operation.empreinte();
    if (m_empreintes.contains(empreinte))
        return;
    m_empreintes.insert(empreinte);
    m_lignes.append(empreinte);
}

namespace {

// Until the dossier has a file of its own for them, the lines stay with the dossier open in
// memory, under its main file's path, so that another dossier opened after it has none.
constexpr const char* Propriete = "tarvinel_operationsFaites";

} // namespace

TOperationsFaites OperationsFaites(const TFiche& fiche) {
    const QStringList gardees = fiche.property(Propriete).toStringList();
    if (gardees.isEmpty() || gardees.front() != fiche.ficLoc())
        return {};
    return TOperationsFaites::depuisLignes(gardees.mid(1));
}

void GardeOperationsFaites(TFiche& fiche, const TOperationsFaites& faites) {
    fiche.setProperty(Propriete, QStringList{fiche.ficLoc()} + faites.lignes());
}
