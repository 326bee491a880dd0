#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QKeyEvent;
class TGrilleDocument;

// The keys of a document's line grid, as its columns declare them: a cell takes its column's
// length at most, a full stop typed becomes a comma where the column wants it, and the keys
// that end a row's input in a column (Enter, and Tab for the amounts of rent documents),
// editing or not, give finSaisie instead of moving on as the grid would.
class DelegueGrille : public QStyledItemDelegate {
    Q_OBJECT

public:
    DelegueGrille(QAbstractItemView* vue, const TGrilleDocument& grille);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

signals:
    void finSaisie(int ligne);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool finit(int colonne, const QKeyEvent* touche) const;

    QAbstractItemView* m_vue;
    const TGrilleDocument& m_grille;
};
