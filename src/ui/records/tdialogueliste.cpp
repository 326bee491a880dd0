#include "ui/records/tdialogueliste.h"

#include "core/records/tdescriptionliste.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <tuple>

namespace {

// "Fermer" stands this far from the window's right edge.
constexpr int DepuisLaDroite = 100;
constexpr int LargeurBouton = 75;
constexpr int HauteurGrille = 420;

// The panel above a list, "Fermer" at its right.
QWidget* panneauHaut(const QList<QWidget*>& gauche, QPushButton* fermer) {
    auto* haut = new QFrame;
    haut->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* rangee = new QHBoxLayout(haut);
    fermer->setFixedWidth(std::max(LargeurBouton, fermer->sizeHint().width()));
    const QMargins marges = rangee->contentsMargins();
    rangee->setContentsMargins(marges.left(), marges.top(),
                               std::max(0, DepuisLaDroite - fermer->width() - haut->frameWidth()),
                               marges.bottom());
    for (QWidget* w : gauche)
        rangee->addWidget(w);
    rangee->addStretch();
    rangee->addWidget(fermer);
    return haut;
}

// The buttons below a list, at its right.
QWidget* panneauBas(const QList<QPushButton*>& boutons) {
    auto* bas = new QWidget;
    auto* rangee = new QHBoxLayout(bas);
    rangee->addStretch();
    for (QPushButton* b : boutons)
        rangee->addWidget(b);
    return bas;
}

} // namespace

TDialogueListe::TDialogueListe(const TDescriptionListe& description, QWidget* parent)
    : QDialog(parent), m_description(description), m_modele(new TModeleListe(description, this)) {
    setWindowTitle(description.titre);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    switch (description.sorte) {
    case SorteListe::Fiches:
        page->addWidget(panneauHaut({}, bouton(QStringLiteral("Fermer"), false)));
        page->addWidget(grille());
        break;
    case SorteListe::Codes: {
        page->addWidget(liste());
        QPushButton* ok = bouton(QStringLiteral("OK"), true);
        page->addWidget(panneauBas({bouton(QStringLiteral("Annuler"), false), ok}));
        // Default once it belongs to the dialog: Enter away from the list presses it.
        ok->setDefault(true);
        resize(360, 320);
        break;
    }
    case SorteListe::Documents:
        page->addWidget(panneauHaut(fleches(), bouton(QStringLiteral("Fermer"), true)));
        page->addWidget(liste());
        resize(560, 380);
        break;
    }
    m_vue->setAccessibleName(description.titre);
    m_vue->installEventFilter(this);
    connect(m_vue, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { choisit(index.row()); });
}

QAbstractItemView* TDialogueListe::grille() {
    auto* table = new QTableView;
    table->setModel(m_modele);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setHighlightSections(false);
    const QList<int> largeurs = largeursColonnes(m_description);
    for (int colonne = 0; colonne < largeurs.size(); ++colonne)
        table->setColumnWidth(colonne, largeurs[colonne]);
    table->setColumnHidden(0, true);

    const int cadre = 2 * table->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int largeur = std::accumulate(largeurs.begin(), largeurs.end(), cadre);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        largeur = std::min(largeur, ecran->availableGeometry().width());
    resize(largeur, HauteurGrille);
    return m_vue = table;
}

QAbstractItemView* TDialogueListe::liste() {
    auto* liste = new QListView;
    liste->setModel(m_modele);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setUniformItemSizes(true);
    return m_vue = liste;
}

QList<QWidget*> TDialogueListe::fleches() {
    QList<QWidget*> boutons;
    for (const auto& [fleche, nom, sens] :
         {std::tuple(Qt::UpArrow, QStringLiteral("Monter"), TModeleListe::Sens::Haut),
          std::tuple(Qt::DownArrow, QStringLiteral("Descendre"), TModeleListe::Sens::Bas)}) {
        auto* b = new QToolButton;
        b->setArrowType(fleche);
        b->setToolTip(nom);
        b->setAccessibleName(nom);
        connect(b, &QToolButton::clicked, this, [this, s = sens] { deplace(s); });
        boutons.append(b);
    }
    return boutons;
}

QPushButton* TDialogueListe::bouton(const QString& texte, bool choisitSelection) {
    auto* b = new QPushButton(texte);
    connect(b, &QPushButton::clicked, this, [this, choisitSelection] {
        if (choisitSelection)
            choisit(ligneSelectionnee());
        else
            reject();
    });
    return b;
}

void TDialogueListe::Init(const TListeBase& base) {
    m_modele->charge(base);
    m_choisie = -1;
    if (m_description.sorte == SorteListe::Fiches && m_modele->rowCount() > 0)
        m_vue->setCurrentIndex(m_modele->index(0, 1));
}

std::optional<TChoix> TDialogueListe::Result() const {
    return m_modele->choix(m_choisie);
}

void TDialogueListe::reject() {
    m_choisie = -1;
    m_vue->clearSelection();
    QDialog::reject();
}

void TDialogueListe::showEvent(QShowEvent* event) {
    m_vue->setFocus();
    QDialog::showEvent(event);
}

bool TDialogueListe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_vue && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            choisit(ligneSelectionnee());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int TDialogueListe::ligneSelectionnee() const {
    const QModelIndexList selection = m_vue->selectionModel()->selectedIndexes();
    return selection.isEmpty() ? -1 : selection.constFirst().row();
}

void TDialogueListe::choisit(int ligne) {
    m_choisie = ligne;
    accept();
}

void TDialogueListe::deplace(TModeleListe::Sens sens) {
    if (const int ligne = ligneSelectionnee(); ligne >= 0 && m_modele->deplace(ligne, sens))
        m_vue->scrollTo(m_vue->currentIndex());
}
