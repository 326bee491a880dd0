#include "ui/shell/tcombo.h"

#include "core/app/fichiersreglages.h"
#include "ui/common/questions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TCombo::TCombo(const QString& titre, const QString& libelle, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit), m_liste(new QListWidget) {
    setWindowTitle(titre);

    auto* etiquette = new QLabel(libelle);
    etiquette->setBuddy(m_edit);
    m_edit->setAccessibleName(libelle);
    auto* valider = new QToolButton;
    valider->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    valider->setToolTip(QStringLiteral("Valider"));
    valider->setAccessibleName(QStringLiteral("Valider"));
    auto* saisie = new QHBoxLayout;
    saisie->addWidget(m_edit);
    saisie->addWidget(valider);

    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setAccessibleName(libelle);
    m_liste->setMinimumSize(280, 200);

    // Enter belongs to the edit: no button of this dialog is pressed by it.
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setAutoDefault(false);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(fermer);

    auto* page = new QVBoxLayout(this);
    page->addWidget(etiquette);
    page->addLayout(saisie);
    page->addWidget(m_liste);
    page->addLayout(boutons);

    connect(m_edit, &QLineEdit::returnPressed, this, &TCombo::valide);
    connect(valider, &QToolButton::clicked, this, &TCombo::valide);
    connect(m_liste, &QListWidget::itemClicked, this, &TCombo::copieSelection);
    connect(m_liste, &QListWidget::itemSelectionChanged, this, &TCombo::copieSelection);
    auto* suppression =
        new QShortcut(QKeySequence::Delete, m_liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(suppression, &QShortcut::activated, this, &TCombo::supprime);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
}

void TCombo::Init(const QStringList& valeurs) {
    m_liste->clear();
    m_liste->addItems(valeurs);
    m_edit->clear();
}

QStringList TCombo::Result() const {
    QStringList valeurs;
    for (int ligne = 0; ligne < m_liste->count(); ++ligne)
        valeurs.append(m_liste->item(ligne)->text());
    return valeurs;
}

void TCombo::valide() {
    const QString texte = m_edit->text();
    if (const QString refus = FichiersReglages::refusValeurListe(texte); !refus.isEmpty()) {
        Questions::instance().message(refus);
        return;
    }
    const QList<QListWidgetItem*> selection = m_liste->selectedItems();
    if (selection.isEmpty())
        m_liste->addItem(texte);
    else
        selection.constFirst()->setText(texte);
    deselectionne();
    m_edit->setFocus();
}

void TCombo::supprime() {
    const QList<QListWidgetItem*> selection = m_liste->selectedItems();
    if (selection.isEmpty())
        return;
    delete m_liste->takeItem(m_liste->row(selection.constFirst()));
    deselectionne();
}

void TCombo::copieSelection() {
    const QList<QListWidgetItem*> selection = m_liste->selectedItems();
    if (!selection.isEmpty())
        m_edit->setText(selection.constFirst()->text());
}

void TCombo::deselectionne() {
    m_liste->clearSelection();
    m_liste->setCurrentItem(nullptr);
    m_edit->clear();
}
