#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A read-only grid of texts under a row of column titles, as the statistics and the journal
// show it: 63 rows at least, more when more are filled; the filled rows come first.
class TGrilleTexte : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int LignesMin = 63;

    explicit TGrilleTexte(const QStringList& entetes, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString entete(int colonne) const { return m_entetes.value(colonne); }
    // The filled rows (NbLignes).
    int nbLignes() const { return int(m_lignes.size()); }
    QString cellule(int ligne, int colonne) const;
    // The texts of column `colonne` from the first row down to the first empty cell.
    QStringList colonneJusquAuVide(int colonne) const;
    // Replaces the filled rows; a row shorter than the titles leaves its last cells empty.
    void remplit(const QList<QStringList>& lignes);

private:
    QStringList m_entetes;
    QList<QStringList> m_lignes;
};
