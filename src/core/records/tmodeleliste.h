#pragma once

#include "core/records/lignesliste.h"

#include <QAbstractTableModel>
#include <optional>

class TListeBase;
struct TDescriptionListe;

// The record a list dialog hands back: the key of its block and the text of its item (its
// first cell).
struct TChoix {
    int cle;
    QString texte;
};

// What a record table answers: the key chosen, -1 when nothing was.
int cleChoisie(const std::optional<TChoix>& choix);
// What a code list answers: the chosen item's text before its first blank, empty when
// nothing was chosen.
QString codeChoisi(const std::optional<TChoix>& choix);

// The rows of a list dialog, read from its base and never written back: nine columns under
// a header row for a grid, one for a list box. The rows of a list box can be moved up and down.
class TModeleListe : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeleListe(const TDescriptionListe& description, QObject* parent = nullptr);

    void charge(const TListeBase& base);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    enum class Sens { Haut = -1, Bas = 1 };
    // Exchanges row `ligne` with the one above or below it; false, and nothing moved, when
    // there is none.
    bool deplace(int ligne, Sens sens);
    // The record of a row, none for a row that does not exist.
    std::optional<TChoix> choix(int ligne) const;

private:
    const TDescriptionListe& m_description;
    QList<TLigneListe> m_lignes;
};
