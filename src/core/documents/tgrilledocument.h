#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

// How a column of a document grid takes its input.
struct TColonneGrille {
    // The keys that end the input of a row in this column, editing or not.
    enum class Fin { Aucune, Entree, EntreeOuTab };

    QString entete;
    int longueurMax = 0;  // the longest text a cell takes; 0: no limit
    bool aDroite = false; // amounts and quantities, right-aligned
    bool virgule = false; // a full stop typed becomes a comma
    Fin fin = Fin::Aucune;
    bool montant = false;   // a number typed must be an amount a document shows (LitMontant)
    bool calcule = false;   // a cell typed computes the totals again
    QString defaut = {};    // what an empty cell takes when the input of its row ends
    QString enteteTTC = {}; // the header of an order priced tax included, when it differs
};

// The line grid of a document: rent documents have "Désignation" and "Montant", orders seven
// columns; 63 rows, more when a block holds more lines than that. An edit made in a view goes
// through the page's door; one the page refuses leaves the cell as it was and gives its
// message. A frozen grid takes no edit.
class TGrilleDocument : public QAbstractTableModel {
    Q_OBJECT

public:
    // The columns of a rent document.
    enum Colonne { Designation, Montant, NbColonnes };
    static constexpr int Lignes = 63;

    using Saisie = std::function<void(int ligne, int colonne, const QString& texte)>;
    TGrilleDocument(QList<TColonneGrille> colonnes, Saisie saisie, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    const TColonneGrille& colonne(int colonne) const { return m_colonnes[colonne]; }
    // A typed or pasted text as a cell of `colonne` takes it: on one line without TAB, cut to
    // the column's length, full stops made commas where the column wants it. In an amount
    // column a number beyond what an amount holds stops with the conversion message; a text
    // that is no number at all is taken as typed and counts nothing.
    QString entree(int colonne, const QString& texte) const;
    void setEntete(int colonne, const QString& entete);
    QString cellule(int ligne, int colonne) const { return m_cellules[ligne][colonne]; }
    QStringList ligne(int ligne) const { return m_cellules[ligne]; }
    void setCellule(int ligne, int colonne, const QString& texte);
    // Empties the grid to `lignes` empty rows, never fewer than 63.
    void vide(qsizetype lignes = Lignes);
    bool figee() const { return m_figee; }
    void setFigee(bool figee);

signals:
    void saisieRefusee(const QString& message);

private:
    QList<TColonneGrille> m_colonnes;
    QList<QStringList> m_cellules;
    Saisie m_saisie;
    bool m_figee = false;
};
