#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

// The line grid of a rent document: "Désignation" and "Montant", 63 rows, more when a block
// holds more lines than that. An edit made in a view goes through the page's door; one the page
// refuses leaves the cell as it was and gives its message. A frozen grid takes no edit.
class TGrilleDocument : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Colonne { Designation, Montant, NbColonnes };
    static constexpr int Lignes = 63;

    using Saisie = std::function<void(int ligne, int colonne, const QString& texte)>;
    explicit TGrilleDocument(Saisie saisie, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QString cellule(int ligne, int colonne) const { return m_cellules[ligne][colonne]; }
    void setCellule(int ligne, int colonne, const QString& texte);
    // Empties the grid to `lignes` empty rows, never fewer than 63.
    void vide(qsizetype lignes = Lignes);
    bool figee() const { return m_figee; }
    void setFigee(bool figee);

signals:
    void saisieRefusee(const QString& message);

private:
    QList<QStringList> m_cellules;
    Saisie m_saisie;
    bool m_figee = false;
};
