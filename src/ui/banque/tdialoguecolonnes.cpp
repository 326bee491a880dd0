#include "ui/banque/tdialoguecolonnes.h"

#include "ui/common/boutonsdialogue.h"
#include "ui/common/questions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The lines shown: enough to see the header and a few operations.
constexpr int LignesMontrees = 12;

const QList<std::pair<QString, QChar>> Separateurs{{QStringLiteral("Point-virgule ( ; )"), u';'},
                                                   {QStringLiteral("Virgule ( , )"), u','},
                                                   {QStringLiteral("Tabulation"), u'\t'}};

const QList<std::pair<QString, QString>> FormatsDate{
    {QStringLiteral("jj/mm/aaaa"), QStringLiteral("dd/MM/yyyy")},
    {QStringLiteral("aaaa-mm-jj"), QStringLiteral("yyyy-MM-dd")},
    {QStringLiteral("jj/mm/aa"), QStringLiteral("dd/MM/yy")},
    {QStringLiteral("jj.mm.aaaa"), QStringLiteral("dd.MM.yyyy")},
    {QStringLiteral("jj-mm-aaaa"), QStringLiteral("dd-MM-yyyy")}};

const QStringList Roles{QStringLiteral("Date"),    QStringLiteral("Date de valeur"),
                        QStringLiteral("Libellé"), QStringLiteral("Montant (signé)"),
                        QStringLiteral("Débit"),   QStringLiteral("Crédit")};

// The label of a field, buddy of its widget, whose accessible name it gives.
QLabel* libelle(const QString& texte, QWidget* champ) {
    auto* l = new QLabel(texte, champ->parentWidget());
    l->setBuddy(champ);
    champ->setAccessibleName(QString(texte).remove(u'&'));
    return l;
}

} // namespace

TDialogueColonnes::TDialogueColonnes(const QStringList& lignes, const TFormatCsv& format,
                                     QWidget* parent)
    : QDialog(parent), m_lignes(lignes.mid(0, LignesMontrees)), m_separateur(new QComboBox(this)),
      m_entete(new QSpinBox(this)), m_date(new QComboBox(this)),
      m_virgule(new QCheckBox(QStringLiteral("Virgule &décimale"), this)),
      m_apercu(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Colonnes du relevé"));
    for (const auto& [nom, s] : Separateurs) {
        m_separateur->addItem(nom);
        if (s == format.separateur)
            m_separateur->setCurrentIndex(m_separateur->count() - 1);
    }
    m_entete->setRange(0, 63);
    m_entete->setValue(format.lignesEntete);
    for (const auto& [nom, f] : FormatsDate) {
        m_date->addItem(nom);
        if (f == format.formatDate)
            m_date->setCurrentIndex(m_date->count() - 1);
    }
    m_virgule->setChecked(format.virguleDecimale);
    const QList<int> choisies{format.colonneDate,    format.colonneValeur, format.colonneLibelle,
                              format.colonneMontant, format.colonneDebit,  format.colonneCredit};

    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelle(QStringLiteral("&Séparateur"), m_separateur), m_separateur);
    formulaire->addRow(libelle(QStringLiteral("Lignes d'&en-tête"), m_entete), m_entete);
    formulaire->addRow(libelle(QStringLiteral("&Format des dates"), m_date), m_date);
    formulaire->addRow(QString(), m_virgule);
    for (int r = 0; r < NbRoles; ++r) {
        auto* combo = new QComboBox(this);
        m_colonnes.append(combo);
        formulaire->addRow(libelle(Roles[r], combo), combo);
    }
    m_apercu->setAccessibleName(QStringLiteral("Premières lignes du fichier"));
    m_apercu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_apercu->horizontalHeader()->setStretchLastSection(true);
    montreLignes();
    for (int r = 0; r < NbRoles; ++r)
        m_colonnes[r]->setCurrentIndex(qBound(0, choisies[r] + 1, m_colonnes[r]->count() - 1));
    connect(m_separateur, &QComboBox::currentIndexChanged, this, &TDialogueColonnes::montreLignes);
    connect(m_entete, &QSpinBox::valueChanged, this, &TDialogueColonnes::montreLignes);

    auto* apercu = new QLabel(QStringLiteral("&Premières lignes du fichier"), this);
    apercu->setBuddy(m_apercu);
    auto* colonne = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    haut->addLayout(formulaire);
    auto* droite = new QVBoxLayout;
    droite->addWidget(apercu);
    droite->addWidget(m_apercu);
    haut->addLayout(droite, 1);
    colonne->addLayout(haut);
    colonne->addLayout(boutonsAnnulerOk(this));
    resize(940, 400);
}

void TDialogueColonnes::montreLignes() {
    const QChar separateur = Separateurs.value(m_separateur->currentIndex()).second;
    QList<QStringList> cellules;
    int colonnes = 0;
    for (const QString& ligne : m_lignes) {
        cellules.append(CellulesCsv(ligne, separateur));
        colonnes = qMax(colonnes, int(cellules.constLast().size()));
    }
    m_apercu->clear();
    m_apercu->setRowCount(int(cellules.size()));
    m_apercu->setColumnCount(colonnes);
    QStringList titres;
    for (int c = 0; c < colonnes; ++c)
        titres.append(QString::number(c + 1));
    m_apercu->setHorizontalHeaderLabels(titres);
    for (int l = 0; l < cellules.size(); ++l)
        for (int c = 0; c < cellules[l].size(); ++c) {
            auto* item = new QTableWidgetItem(cellules[l][c]);
            // The header lines are shown greyed.
            if (l < m_entete->value())
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_apercu->setItem(l, c, item);
        }
    m_apercu->resizeColumnsToContents();
    // Each column is offered by its number and its title on the last header line.
    const QStringList titresFichier =
        m_entete->value() > 0 ? cellules.value(m_entete->value() - 1) : QStringList();
    for (QComboBox* combo : std::as_const(m_colonnes)) {
        const int courant = combo->currentIndex();
        combo->clear();
        combo->addItem(QStringLiteral("(aucune)"));
        for (int c = 0; c < colonnes; ++c) {
            const QString titre = titresFichier.value(c);
            combo->addItem(titre.isEmpty() ? QString::number(c + 1)
                                           : QStringLiteral("%1 : %2").arg(c + 1).arg(titre));
        }
        combo->setCurrentIndex(qBound(0, courant, combo->count() - 1));
    }
}

TFormatCsv TDialogueColonnes::Result() const {
    TFormatCsv f;
    f.separateur = Separateurs.value(m_separateur->currentIndex()).second;
    f.lignesEntete = m_entete->value();
    f.formatDate = FormatsDate.value(m_date->currentIndex()).second;
    f.virguleDecimale = m_virgule->isChecked();
    f.colonneDate = m_colonnes[Date]->currentIndex() - 1;
    f.colonneValeur = m_colonnes[Valeur]->currentIndex() - 1;
    f.colonneLibelle = m_colonnes[Libelle]->currentIndex() - 1;
    f.colonneMontant = m_colonnes[Montant]->currentIndex() - 1;
    f.colonneDebit = m_colonnes[Debit]->currentIndex() - 1;
    f.colonneCredit = m_colonnes[Credit]->currentIndex() - 1;
    return f;
}

void TDialogueColonnes::accept() {
    if (const QString manque = Result().incomplet(); !manque.isEmpty()) {
        Questions::instance().message(manque);
        return;
    }
    QDialog::accept();
}
