#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// The keys of a document's line grid: a designation takes 41 characters at most, a full stop
// typed in an amount becomes a comma, and Enter or Tab in the amount column, editing or not,
// ends the amount (finMontant) instead of moving on as the grid would.
class DelegueGrille : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit DelegueGrille(QAbstractItemView* vue);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

signals:
    void finMontant(int ligne);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QAbstractItemView* m_vue;
};
