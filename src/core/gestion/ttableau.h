#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A table of texts as a grid window shows it, prints it and exports it: the column titles,
// then the rows.
struct TTableau {
    QStringList titres;
    QList<QStringList> lignes;
    // The columns whose texts are amounts or counts, right-aligned.
    QList<int> colonnesNombres;
};

// The grid of a table, read only. Sorting a column orders its rows by number when the cells
// are numbers, by month when they are month texts ("Janvier 2027"), else by text; empty cells
// come first.
class TModeleTableau : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeleTableau(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    const TTableau& tableau() const { return m_tableau; }
    void setTableau(const TTableau& tableau);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    TTableau m_tableau;
};

// Writes a table as tab-separated text, the titles first: Windows-1252, CR LF, the file
// replaced as a whole or not at all. A text that the code page cannot hold stops it with its
// message, the file untouched.
void ExporteTableau(const TTableau& tableau, const QString& chemin);
