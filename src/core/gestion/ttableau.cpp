#include "core/gestion/ttableau.h"

#include "core/common/conversions.h"
#include "core/common/textfile.h"
#include "core/gestion/moisquittances.h"

#include <algorithm>
#include <optional>

namespace {

std::optional<double> nombre(const QString& texte) {
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    QString point = t;
    point.replace(u',', u'.');
    const double v = point.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// The key a cell sorts by: a number, a month as yyyymm, or none (by text).
std::optional<double> cle(const QString& texte) {
    if (const auto n = nombre(texte))
        return n;
    if (const auto m = MoisAnnee(texte))
        return double(*m);
    return std::nullopt;
}

bool avant(const QString& a, const QString& b) {
    if (a.trimmed().isEmpty() || b.trimmed().isEmpty())
        return a.trimmed().isEmpty() && !b.trimmed().isEmpty();
    const auto ka = cle(a), kb = cle(b);
    if (ka && kb)
        return *ka < *kb;
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

void TModeleTableau::setTableau(const TTableau& tableau) {
    beginResetModel();
    m_tableau = tableau;
    endResetModel();
}

int TModeleTableau::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tableau.lignes.size());
}

int TModeleTableau::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tableau.titres.size());
}

QVariant TModeleTableau::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return m_tableau.lignes.at(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole && m_tableau.colonnesNombres.contains(index.column()))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TModeleTableau::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_tableau.titres.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TModeleTableau::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged();
    std::stable_sort(m_tableau.lignes.begin(), m_tableau.lignes.end(),
                     [column, order](const QStringList& a, const QStringList& b) {
                         return order == Qt::AscendingOrder
                                    ? avant(a.value(column), b.value(column))
                                    : avant(b.value(column), a.value(column));
                     });
    emit layoutChanged();
}

void ExporteTableau(const TTableau& tableau, const QString& chemin) {
    // A TAB inside a text would split its column in two.
    const auto ligne = [](QStringList cellules) {
        for (QString& c : cellules)
            c.replace(u'\t', u' ');
        return cellules.join(u'\t');
    };
    QStringList lignes{ligne(tableau.titres)};
    for (const QStringList& cellules : tableau.lignes)
        lignes.append(ligne(cellules));
    TextFile::write(chemin, lignes);
}
