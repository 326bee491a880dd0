#include "ui/documents/deleguegrille.h"

#include "core/documents/tgrilledocument.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

DelegueGrille::DelegueGrille(QAbstractItemView* vue, const TGrilleDocument& grille)
    : QStyledItemDelegate(vue), m_vue(vue), m_grille(grille) {
    vue->installEventFilter(this);
}

QWidget* DelegueGrille::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editeur)) {
        const TColonneGrille& colonne = m_grille.colonne(index.column());
        if (colonne.longueurMax > 0)
            edit->setMaxLength(colonne.longueurMax);
        if (colonne.aDroite)
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setProperty("ligne", index.row());
        edit->setProperty("colonne", index.column());
    }
    return editeur;
}

bool DelegueGrille::finit(int colonne, const QKeyEvent* touche) const {
    if (touche->modifiers() != Qt::NoModifier)
        return false;
    const TColonneGrille::Fin fin = m_grille.colonne(colonne).fin;
    switch (touche->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return fin != TColonneGrille::Fin::Aucune;
    case Qt::Key_Tab:
        return fin == TColonneGrille::Fin::EntreeOuTab;
    default:
        return false;
    }
}

bool DelegueGrille::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    // The grid itself has the keys only while no cell is being edited.
    if (objet == m_vue) {
        const QModelIndex courant = m_vue->currentIndex();
        if (!courant.isValid() || !finit(courant.column(), touche))
            return false;
        emit finSaisie(courant.row());
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(objet);
    const QVariant colonne = edit ? edit->property("colonne") : QVariant();
    if (!colonne.isValid())
        return QStyledItemDelegate::eventFilter(objet, evenement);
    if (touche->text() == QLatin1String(".") && m_grille.colonne(colonne.toInt()).virgule) {
        edit->insert(QStringLiteral(","));
        return true;
    }
    if (!finit(colonne.toInt(), touche))
        return QStyledItemDelegate::eventFilter(objet, evenement);
    emit commitData(edit);
    emit closeEditor(edit, QAbstractItemDelegate::NoHint);
    emit finSaisie(edit->property("ligne").toInt());
    return true;
}
