#include "core/documents/tgrilledocument.h"

#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <algorithm>

namespace {

void verifieMontant(const QString& cellule) {
    try {
        StrToFloat(cellule);
    } catch (const UserError&) {
        return;
    }
    LitMontant(cellule);
}

} // namespace

TGrilleDocument::TGrilleDocument(QList<TColonneGrille> colonnes, Saisie saisie, QObject* parent)
    : QAbstractTableModel(parent), m_colonnes(std::move(colonnes)),
      m_cellules(Lignes, QStringList(m_colonnes.size())), m_saisie(std::move(saisie)) {}

int TGrilleDocument::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cellules.size());
}

int TGrilleDocument::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_colonnes.size());
}

QVariant TGrilleDocument::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_cellules[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole && m_colonnes[index.column()].aDroite)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TGrilleDocument::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section >= 0 && section < m_colonnes.size() ? m_colonnes[section].entete : QVariant();
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

QString TGrilleDocument::entree(int colonne, const QString& texte) const {
    const TColonneGrille& c = m_colonnes[colonne];
    QString cellule = TListeBase::celluleGrille(texte);
    if (c.longueurMax > 0)
        cellule.truncate(c.longueurMax);
    if (c.virgule)
        cellule.replace(u'.', u',');
    if (c.montant)
        verifieMontant(cellule);
    return cellule;
}

void TGrilleDocument::setEntete(int colonne, const QString& entete) {
    if (m_colonnes[colonne].entete == entete)
        return;
    m_colonnes[colonne].entete = entete;
    emit headerDataChanged(Qt::Horizontal, colonne, colonne);
}

void TGrilleDocument::setCellule(int ligne, int colonne, const QString& texte) {
    m_cellules[ligne][colonne] = texte;
    emit dataChanged(index(ligne, colonne), index(ligne, colonne));
}

void TGrilleDocument::vide(qsizetype lignes) {
    beginResetModel();
    m_cellules.fill(QStringList(m_colonnes.size()), std::max<qsizetype>(lignes, Lignes));
    endResetModel();
}

void TGrilleDocument::setFigee(bool figee) {
    if (m_figee == figee)
        return;
    m_figee = figee;
    if (!m_cellules.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
