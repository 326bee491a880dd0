#include "core/records/tmodeleliste.h"

#include "core/records/tdescriptionliste.h"

int cleChoisie(const std::optional<TChoix>& choix) {
    return choix ? choix->cle : -1;
}

QString codeChoisi(const std::optional<TChoix>& choix) {
    return choix ? choix->texte.section(u' ', 0, 0) : QString();
}

TModeleListe::TModeleListe(const TDescriptionListe& description, QObject* parent)
    : QAbstractTableModel(parent), m_description(description) {}

void TModeleListe::charge(const TListeBase& base) {
    beginResetModel();
    m_lignes = lignesListe(m_description, base);
    endResetModel();
}

int TModeleListe::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lignes.size());
}

int TModeleListe::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_description.sorte == SorteListe::Fiches ? 2 + int(m_description.lignes.size()) : 1;
}

QVariant TModeleListe::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_lignes[index.row()].cellules[index.column()];
}

QVariant TModeleListe::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
        m_description.sorte != SorteListe::Fiches)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section < 2 ? QString() : m_description.entetes.value(section - 2);
}

bool TModeleListe::deplace(int ligne, Sens sens) {
    const int autre = ligne + int(sens);
    if (ligne < 0 || ligne >= m_lignes.size() || autre < 0 || autre >= m_lignes.size())
        return false;
    // A row moved down lands before the row that followed its neighbour.
    beginMoveRows({}, ligne, ligne, {}, sens == Sens::Haut ? autre : autre + 1);
    m_lignes.swapItemsAt(ligne, autre);
    endMoveRows();
    return true;
}

std::optional<TChoix> TModeleListe::choix(int ligne) const {
    if (ligne < 0 || ligne >= m_lignes.size())
        return std::nullopt;
    return TChoix{m_lignes[ligne].cle, m_lignes[ligne].cellules.constFirst()};
}
