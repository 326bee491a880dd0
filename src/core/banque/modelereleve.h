#pragma once

#include "core/banque/rapprochement.h"

#include <QAbstractTableModel>

// The review grid of a statement: one row a line, "Date", "Libellé", "Montant", "Locataire",
// "Mois", "État"; the tick on the date. The tenant takes a tenant number (set, not typed: the
// windows offer the code list), the month a month text. Qt::UserRole gives each cell's sort key:
// dates and months in their order, amounts by value.
class TModeleReleve : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Colonne { Date, Libelle, Montant, Locataire, Mois, Etat, NbColonnes };

    explicit TModeleReleve(TRapprochement& rapprochement, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_rapprochement(rapprochement) {}

    const TRapprochement& rapprochement() const { return m_rapprochement; }
    // "À quittancer : 4 ligne(s), 1 734,00": the ticked lines and their total.
    QString totaux() const;
    // A credit not receipted yet: its tenant and month may change.
    bool revisable(int ligne) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void totauxChange();

private:
    TRapprochement& m_rapprochement;
};
