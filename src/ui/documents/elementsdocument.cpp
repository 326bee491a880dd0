#include "ui/documents/elementsdocument.h"

#include "core/documents/tgrilledocument.h"
#include "ui/common/valeuraccessible.h"
#include "ui/documents/deleguegrille.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

QLabel* valeurAffichee(const QString& nom, Qt::Alignment alignement) {
    auto* label = new TValeurAffichee;
    label->setAlignment(alignement | Qt::AlignVCenter);
    label->setAccessibleName(nom);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QLabel* totalAffiche(const QString& nom) {
    QLabel* total = valeurAffichee(nom, Qt::AlignRight);
    total->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    total->setFixedWidth(total->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14 + 8);
    return total;
}

QTableView* vueGrille(TGrilleDocument& grille, DelegueGrille*& delegue) {
    auto* vue = new QTableView;
    vue->setModel(&grille);
    delegue = new DelegueGrille(vue, grille);
    vue->setItemDelegate(delegue);
    vue->setSelectionMode(QAbstractItemView::SingleSelection);
    vue->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    vue->verticalHeader()->setDefaultSectionSize(vue->fontMetrics().height() + 4);
    vue->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vue->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    vue->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vue->setAccessibleName(QStringLiteral("Lignes"));
    return vue;
}

QWidget* panneauMemo(const QString& libelle, QPlainTextEdit*& memo) {
    auto* panneau = new QWidget;
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    auto* label = new QLabel(libelle);
    memo = new QPlainTextEdit;
    label->setBuddy(memo);
    memo->setAccessibleName(libelle);
    memo->setFixedHeight(memo->fontMetrics().height() * 4 + 8);
    colonne->addWidget(label);
    colonne->addWidget(memo);
    return panneau;
}
