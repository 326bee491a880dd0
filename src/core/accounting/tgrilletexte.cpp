#include "core/accounting/tgrilletexte.h"

#include <algorithm>

TGrilleTexte::TGrilleTexte(const QStringList& entetes, QObject* parent)
    : QAbstractTableModel(parent), m_entetes(entetes) {}

int TGrilleTexte::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(LignesMin, nbLignes());
}

int TGrilleTexte::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entetes.size());
}

QVariant TGrilleTexte::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return cellule(index.row(), index.column());
}

QVariant TGrilleTexte::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return entete(section);
    return QString::number(section + 1);
}

QString TGrilleTexte::cellule(int ligne, int colonne) const {
    return ligne >= 0 && ligne < nbLignes() ? m_lignes[ligne].value(colonne) : QString();
}

QStringList TGrilleTexte::colonneJusquAuVide(int colonne) const {
    QStringList textes;
    for (int ligne = 0; ligne < rowCount(); ++ligne) {
        const QString texte = cellule(ligne, colonne);
        if (texte.isEmpty())
            break;
        textes.append(texte);
    }
    return textes;
}

void TGrilleTexte::remplit(const QList<QStringList>& lignes) {
    beginResetModel();
    m_lignes = lignes;
    endResetModel();
}
