#include "core/records/tgrillehistorique.h"

TGrilleHistorique::TGrilleHistorique(int lignes, const TContextePage& contexte, QObject* parent)
    : QAbstractTableModel(parent), m_cellules(lignes, QStringList(NbColonnes)),
      m_contexte(contexte) {}

int TGrilleHistorique::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cellules.size());
}

int TGrilleHistorique::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant TGrilleHistorique::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_cellules[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole && index.column() == Montant)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TGrilleHistorique::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return QStringLiteral("Date");
    case Libelle:
        return QStringLiteral("Libellé");
    default:
        return Rset(QStringLiteral("Montant"), 90, m_contexte.mesure);
    }
}

void TGrilleHistorique::setLigne(int ligne, const QStringList& cellules) {
    QStringList& cible = m_cellules[ligne];
    for (int c = 0; c < NbColonnes; ++c)
        cible[c] = cellules.value(c);
    emit dataChanged(index(ligne, 0), index(ligne, NbColonnes - 1));
}

void TGrilleHistorique::vide(qsizetype lignes) {
    beginResetModel();
    m_cellules.fill(QStringList(NbColonnes), lignes);
    endResetModel();
}

int TGrilleHistorique::premiereLigneLibre() const {
    for (int i = 0; i < m_cellules.size(); ++i)
        if (m_cellules[i][Date].isEmpty())
            return i;
    return -1;
}
