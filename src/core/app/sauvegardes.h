#pragma once

#include "core/store/bases.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// The dated copies of a dossier that each save keeps of the files it replaces, in a folder
// "Sauvegardes" beside the dossier: one sub-folder per save, named after the dossier and the
// moment, holding the files of the dossier as they were. The last ten of a dossier are kept. A copy
// is made and removed as one unit: it is built, and removed, under a name no list shows.
namespace Sauvegardes {

inline constexpr int Gardees = 10;

struct TSauvegarde {
    QString dossier; // the main file inside the copy
    QDateTime date;
    std::array<int, NbBases> fiches{}; // blocks of each base, in the order of Base
};

// The folder of the copy a save made at `quand` will keep; a new one each time.
QString nouvelle(const QString& principal, const QDateTime& quand);
// The folder a save builds its copy in, before giving it its name.
QString enCours(const QString& principal);
// The files of a copy (its main file given), in the order of the dossier's files, names
// resolved without regard to case.
std::array<QString, NbFichiers> fichiersCopie(const QString& dossier);
// The first of the seven bases' files that a copy lacks, or an empty text when it holds them
// all. A copy made before the dossier had an extra file lacks it: it stands for an empty list.
QString manquant(const QString& dossier);
// The copies of a dossier that hold their seven bases' files, all readable, the newest first.
QList<TSauvegarde> liste(const QString& principal);
// Removes the oldest copies of a dossier beyond the last `Gardees`.
void elague(const QString& principal);
// "2 locataires, 1 lot, 0 fournisseur, ..." for a list of copies.
QString resume(const TSauvegarde& sauvegarde);

} // namespace Sauvegardes
