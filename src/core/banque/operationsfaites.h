#pragma once

#include "operation.h"

#include <QSet>
#include <QStringList>

// The statement lines already receipted, by their footprint (TOperation::empreinte), so that a
// statement read again, or one that overlaps it, proposes none of them twice. Kept as one line a
// footprint, in the order they were receipted.
class TOperationsFaites {
public:
    static TOperationsFaites depuisLignes(const QStringList& lignes);
    const QStringList& lignes() const { return m_lignes; }

    bool contient(const TOperation& operation) const;
    void ajoute(const TOperation& operation);

private:
    QStringList m_lignes;
    QSet<QString> m_empreintes;
};

class TFiche;

// The lines already receipted from the statements of the dossier open in `fiche`, and their
// keeping after a validation.
TOperationsFaites OperationsFaites(const TFiche& fiche);
void GardeOperationsFaites(TFiche& fiche, const TOperationsFaites& faites);
