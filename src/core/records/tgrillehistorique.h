#pragma once

#include "core/records/tcontextepage.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The history grid of a record: "Date", "Libellé", "Montant", a fixed number of rows, more
// when a block holds more history than that. The
// "Montant" header is right-aligned with blanks, as the amounts below it.
class TGrilleHistorique : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Colonne { Date, Libelle, Montant, NbColonnes };

    TGrilleHistorique(int lignes, const TContextePage& contexte, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString cellule(int ligne, int colonne) const { return m_cellules[ligne][colonne]; }
    void setLigne(int ligne, const QStringList& cellules);
    // Empties the grid to `lignes` empty rows.
    void vide(qsizetype lignes);
    const QList<QStringList>& lignes() const { return m_cellules; }
    // The first row whose date cell is empty, or -1 when every row is used.
    int premiereLigneLibre() const;

private:
    QList<QStringList> m_cellules;
    const TContextePage& m_contexte;
};
