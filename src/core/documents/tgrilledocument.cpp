#include "tgrilledocument.h"

#include "common/usererror.h"

#include <algorithm>

TGrilleDocument::TGrilleDocument(Saisie saisie, QObject* parent)
    : QAbstractTableModel(parent), m_cellules(Lignes, QStringList(NbColonnes)),
      m_saisie(std::move(saisie)) {}

int TGrilleDocument::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cellules.size());
}

int TGrilleDocument::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant TGrilleDocument::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_cellules[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole && index.column() == Montant)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TGrilleDocument::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == Designation ? QStringLiteral("Désignation") : QStringLiteral("Montant");
}

Qt::ItemFlags TGrilleDocument::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_figee ? f : f | Qt::ItemIsEditable;
}

bool TGrilleDocument::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || m_figee)
        return false;
    try {
        m_saisie(index.row(), index.column(), value.toString());
    } catch (const UserError& e) {
        emit saisieRefusee(e.message());
        return false;
    }
    return true;
}

void TGrilleDocument::setCellule(int ligne, int colonne, const QString& texte) {
    m_cellules[ligne][colonne] = texte;
    emit dataChanged(index(ligne, colonne), index(ligne, colonne));
}

void TGrilleDocument::vide(qsizetype lignes) {
    beginResetModel();
    m_cellules.fill(QStringList(NbColonnes), std::max<qsizetype>(lignes, Lignes));
    endResetModel();
}

void TGrilleDocument::setFigee(bool figee) {
    if (m_figee == figee)
        return;
    m_figee = figee;
    if (!m_cellules.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, NbColonnes - 1));
}
