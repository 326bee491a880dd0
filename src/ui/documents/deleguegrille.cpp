#include "deleguegrille.h"

#include "documents/tgrilledocument.h"
#include "documents/tpagedocument.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool finDeSaisie(const QKeyEvent* touche) {
    return touche->modifiers() == Qt::NoModifier &&
           (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter ||
            touche->key() == Qt::Key_Tab);
}

} // namespace

DelegueGrille::DelegueGrille(QAbstractItemView* vue) : QStyledItemDelegate(vue), m_vue(vue) {
    vue->installEventFilter(this);
}

QWidget* DelegueGrille::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editeur)) {
        if (index.column() == TGrilleDocument::Designation) {
            edit->setMaxLength(TPageDocument::LongueurDesignation);
        } else {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setProperty("ligne", index.row());
        }
    }
    return editeur;
}

bool DelegueGrille::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    // The grid itself has the keys only while no cell is being edited.
    if (objet == m_vue) {
        const QModelIndex courant = m_vue->currentIndex();
        if (!courant.isValid() || courant.column() != TGrilleDocument::Montant ||
            !finDeSaisie(touche))
            return false;
        emit finMontant(courant.row());
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(objet);
    const QVariant ligne = edit ? edit->property("ligne") : QVariant();
    if (!ligne.isValid())
        return QStyledItemDelegate::eventFilter(objet, evenement);
    if (touche->text() == QLatin1String(".")) {
        edit->insert(QStringLiteral(","));
        return true;
    }
    if (!finDeSaisie(touche))
        return QStyledItemDelegate::eventFilter(objet, evenement);
    emit commitData(edit);
    emit closeEditor(edit, QAbstractItemDelegate::NoHint);
    emit finMontant(ligne.toInt());
    return true;
}
