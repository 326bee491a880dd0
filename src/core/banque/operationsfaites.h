#pragma once

#include "core/banque/operation.h"

#include <QSet>
#include <QStringList>

class TFiche;

// The statement lines already receipted, by their footprint (TOperation::empreinte), so that a
// statement read again, or one that overlaps it, proposes none of them twice.
class TOperationsFaites {
public:
    static TOperationsFaites depuisLignes(const QStringList& lignes);
    // The footprints, in the order they were receipted.
    const QStringList& lignes() const { return m_lignes; }

    bool contient(const TOperation& operation) const;
    void ajoute(const TOperation& operation);

private:
    QStringList m_lignes;
    QSet<QString> m_empreintes;
};

// The dossier's file of the receipted lines ("rel"): one block a validation, its date on the
// first line, then one line "OPER" + footprint a line receipted.
namespace Releves {

// The lines receipted from the statements of the dossier open in `fiche`.
TOperationsFaites faites(const TFiche& fiche);
// Stops with its message when the file has no room for one more validation.
void verifiePlace(const TFiche& fiche);
// Adds `operations` to the file, as one block dated today; the dossier is marked modified.
void retient(TFiche& fiche, const QList<TOperation>& operations);

} // namespace Releves
