#include "ui/banque/tdialoguereleve.h"

#include "ui/common/questions.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The month of a line, chosen among the months offered and the line's own.
class TDelegueMois : public QStyledItemDelegate {
public:
    TDelegueMois(const QStringList& mois, QObject* parent)
        : QStyledItemDelegate(parent), m_mois(mois) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* combo = new QComboBox(parent);
        combo->setAccessibleName(QStringLiteral("Mois"));
        return combo;
    }
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override {
        auto* combo = static_cast<QComboBox*>(editeur);
        const QString courant = index.data(Qt::EditRole).toString();
        QStringList mois = m_mois;
        if (!mois.contains(courant))
            mois.prepend(courant);
        combo->clear();
        combo->addItems(mois);
        combo->setCurrentText(courant);
    }
    void setModelData(QWidget* editeur, QAbstractItemModel* modele,
                      const QModelIndex& index) const override {
        modele->setData(index, static_cast<QComboBox*>(editeur)->currentText());
    }

private:
    QStringList m_mois;
};

} // namespace

TDialogueReleve::TDialogueReleve(TRapprochement& rapprochement, const QStringList& mois,
                                 const TListeBase& locataires, QWidget* parent)
    : QDialog(parent), m_modele(rapprochement), m_locataires(locataires),
      m_vue(new QTableView(this)), m_totaux(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Relevé bancaire"));
    m_tri.setSourceModel(&m_modele);
    m_tri.setSortRole(Qt::UserRole);
    m_vue->setModel(&m_tri);
    m_vue->setAccessibleName(QStringLiteral("Lignes du relevé"));
    m_vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_vue->setSelectionMode(QAbstractItemView::SingleSelection);
    m_vue->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_vue->setItemDelegateForColumn(TModeleReleve::Mois, new TDelegueMois(mois, this));
    m_vue->verticalHeader()->hide();
    m_vue->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_vue->setSortingEnabled(true);
    m_vue->resizeColumnsToContents();
    m_vue->setColumnWidth(TModeleReleve::Libelle,
                          qMin(m_vue->columnWidth(TModeleReleve::Libelle), 300));
    m_vue->setColumnWidth(TModeleReleve::Locataire,
                          qMax(m_vue->columnWidth(TModeleReleve::Locataire), 180));
    m_vue->horizontalHeader()->setStretchLastSection(true);
    connect(m_vue, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == TModeleReleve::Locataire)
            choisitLocataire(index.row());
    });

    auto* explication = new QLabel(
        QStringLiteral("Chaque crédit est proposé pour le locataire actuel qui doit ce montant "
                       "chaque mois.\nLes lignes cochées deviennent des quittances validées, "
                       "payées par virement, avec « Valider ».\nRien n'est écrit sur le disque "
                       "avant « Enregistrer »."),
        this);
    m_totaux->setAccessibleName(QStringLiteral("Totaux"));
    m_totaux->setText(m_modele.totaux());
    connect(&m_modele, &TModeleReleve::totauxChange, this,
            [this] { m_totaux->setText(m_modele.totaux()); });

    auto* locataire = new QPushButton(QStringLiteral("&Locataire..."), this);
    locataire->setAutoDefault(false);
    locataire->setToolTip(QStringLiteral("Choisir le locataire de la ligne"));
    connect(locataire, &QPushButton::clicked, this, [this] {
        if (m_vue->currentIndex().isValid())
            choisitLocataire(m_vue->currentIndex().row());
    });
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setAutoDefault(false);
    auto* valider = new QPushButton(QStringLiteral("&Valider"), this);
    valider->setDefault(true);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(valider, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(m_totaux);
    boutons->addStretch();
    boutons->addWidget(locataire);
    boutons->addWidget(annuler);
    boutons->addWidget(valider);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addWidget(m_vue);
    colonne->addLayout(boutons);
    resize(900, 420);
}

void TDialogueReleve::choisitLocataire(int ligne) {
    const QModelIndex index = m_tri.index(ligne, TModeleReleve::Locataire);
    if (!index.isValid() || !m_modele.revisable(m_tri.mapToSource(index).row()))
        return;
    const QString numero = Questions::instance().code(Base::Locataires, m_locataires);
    if (!numero.isEmpty())
        m_tri.setData(index, numero);
}
