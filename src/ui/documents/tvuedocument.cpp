#include "ui/documents/tvuedocument.h"

#include "core/app/tfiche.h"
#include "core/documents/tpagedocument.h"
#include "core/purchasing/calculcommande.h"
#include "ui/common/questions.h"
#include "ui/documents/elementsdocument.h"
#include "ui/documents/panneautotaux.h"
#include "ui/printing/actionsimpression.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using C = ChampDocument;

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

bool estAdresse(ChampDocument champ) {
    return champ >= C::Adresse1 && champ <= C::Adresse4;
}

bool estPeriode(ChampDocument champ) {
    return champ == C::Mois || champ == C::Du || champ == C::Au;
}

bool estTiers(ChampDocument champ) {
    return champ == C::Locataire || champ == C::Fournisseur;
}

QStringList elements(const QComboBox* combo) {
    QStringList textes;
    for (int i = 0; i < combo->count(); ++i)
        textes << combo->itemText(i);
    return textes;
}

} // namespace

TVueDocument::TVueDocument(TFiche& fiche, Base base, QWidget* parent)
    : TVueLignes(*fiche.pageDocument(base), parent), m_fiche(fiche), m_base(base),
      m_page(*fiche.pageDocument(base)) {
    const TDescriptionDocument& d = m_page.description();

    // The number, date, tenant and choices; the month and its period; the coordinates.
    auto* entete = new QFormLayout;
    auto* periode = new QFormLayout;
    QGroupBox* coordonnees = nullptr;
    QVBoxLayout* lignesCoordonnees = nullptr;
    for (QFormLayout* f : {entete, periode}) {
        f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        f->setVerticalSpacing(3);
    }
    for (const TChampDocument& champ : d.champs) {
        if (champ.champ == C::Valide || champ.champ == C::PrixTTC)
            continue;
        QWidget* widget = creeChamp(champ);
        if (estAdresse(champ.champ)) {
            if (!coordonnees) {
                coordonnees = new QGroupBox(champ.libelle);
                lignesCoordonnees = new QVBoxLayout(coordonnees);
                lignesCoordonnees->setSpacing(3);
            }
            lignesCoordonnees->addWidget(widget);
            continue;
        }
        auto* label = new QLabel(champ.libelle);
        label->setBuddy(m_widgets[int(champ.champ)]);
        (estPeriode(champ.champ) ? periode : entete)->addRow(label, widget);
    }
    if (d.a(C::PrixTTC))
        entete->addRow(creeModesPrix());
    auto* haut = new QHBoxLayout;
    haut->addLayout(entete);
    // A kind without a period leaves its form empty, and out of the page.
    if (periode->rowCount() > 0)
        haut->addLayout(periode);
    else
        delete periode;
    if (coordonnees) {
        lignesCoordonnees->addStretch();
        haut->addWidget(coordonnees);
    }
    haut->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(haut);
    auto* bas = new QHBoxLayout;
    if (d.tva) {
        // An order's seven columns take the page's width; the remarks and totals go below.
        layout->addWidget(creeGrilleDocument(), 1);
        bas->addWidget(creeMemo(QStringLiteral("Remarques")), 1);
        bas->addWidget(creeTotaux());
        layout->addLayout(bas);
    } else {
        bas->addWidget(creeGrilleDocument());
        bas->addWidget(creeTotaux(), 1);
        layout->addLayout(bas, 1);
        if (d.memo)
            layout->addWidget(creeMemo(QStringLiteral("Mémo")));
    }

    connect(&m_page, &TPageDocument::relue, this, &TVueDocument::afficheTout);
    connect(&m_page, &TPageDocument::champChange, this, &TVueDocument::affiche);
    connect(&m_page, &TPageDocument::totauxChange, this,
            [this] { m_totaux->afficheTotaux(m_page); });
    connect(&m_page, &TPageDocument::validationChange, this, &TVueDocument::afficheValidation);
    afficheTout();
}

QWidget* TVueDocument::creeChamp(const TChampDocument& champ) {
    const ChampDocument c = champ.champ;
    QWidget* widget = nullptr;
    QWidget* place = nullptr;
    switch (c) {
    case C::Date:
    case C::Du:
    case C::Au: {
        auto* date = new QDateEdit;
        date->setDisplayFormat(FormatDate);
        date->setCalendarPopup(true);
        connect(date, &QDateEdit::dateChanged, this, [this, c](QDate jour) {
            if (!m_miseAJour)
                m_page.saisitDate(c, jour);
        });
        widget = date;
        break;
    }
    case C::Mode:
    case C::Sorte:
    case C::Mois:
    case C::Reglement: {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(m_page.liste(c));
        combo->setMinimumContentsLength(c == C::Mois ? 14 : c == C::Reglement ? 24 : 12);
        connect(combo, &QComboBox::activated, this,
                [this, c, combo] { saisit(c, combo->currentText()); });
        // The month sets the period once typed; the other choices take every key.
        if (c == C::Mois) {
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, c, combo] {
                if (combo->currentText() != m_page.champ(c))
                    saisit(c, combo->currentText());
            });
        } else {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, c](const QString& texte) { saisit(c, texte); });
        }
        widget = combo;
        break;
    }
    case C::Numero:
    case C::Locataire:
    case C::Fournisseur:
    case C::Adresse1:
    case C::Adresse2:
    case C::Adresse3:
    case C::Adresse4:
    case C::PrixTTC:
    case C::Valide: {
        auto* edit = new QLineEdit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, c](const QString& texte) { saisit(c, texte); });
        if (c == C::Numero) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,9}")), edit));
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9 +
                                16);
        } else if (estTiers(c)) {
            edit->setMaxLength(5);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("W")) * 5 + 8);
            place = new QWidget;
            auto* ligne = new QHBoxLayout(place);
            ligne->setContentsMargins(0, 0, 0, 0);
            ligne->addWidget(edit);
            ligne->addWidget(creeChoixTiers());
        } else {
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
        }
        widget = edit;
        break;
    }
    }
    widget->setAccessibleName(champ.libelle);
    m_widgets[int(c)] = widget;
    return place ? place : widget;
}

QWidget* TVueDocument::creeChoixTiers() {
    auto* choix = new QPushButton(QStringLiteral("..."));
    choix->setAutoDefault(false);
    choix->setToolTip(QStringLiteral("Choisir le ") + m_page.description().nomTiers);
    choix->setAccessibleName(choix->toolTip());
    choix->setFixedWidth(choix->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    connect(choix, &QPushButton::clicked, this, &TVueDocument::choisitTiers);
    return choix;
}

QLayout* TVueDocument::creeModesPrix() {
    m_ht = new QRadioButton(QStringLiteral("Commande H.T."));
    m_ttc = new QRadioButton(QStringLiteral("Commande TTC"));
    auto* mode = new QButtonGroup(this);
    mode->addButton(m_ht);
    mode->addButton(m_ttc);
    connect(m_ttc, &QRadioButton::toggled, this, [this](bool ttc) {
        if (!m_miseAJour)
            m_page.saisitTTC(ttc);
    });
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_ht);
    modes->addWidget(m_ttc);
    modes->addStretch();
    return modes;
}

QWidget* TVueDocument::creeGrilleDocument() {
    QTableView* vue = creeGrille();
    if (m_page.description().tva) {
        using namespace ColonneCommande;
        const int largeurs[NbColonnes] = {80, 0, 100, 120, 40, 120, 24};
        for (int c = 0; c < NbColonnes; ++c)
            if (largeurs[c] > 0)
                vue->setColumnWidth(c, largeurs[c]);
        vue->horizontalHeader()->setSectionResizeMode(Designation, QHeaderView::Stretch);
        vue->setMinimumWidth(720);
        return vue;
    }
    const int designation = vue->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40 + 8;
    const int montant = vue->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14 + 8;
    vue->setColumnWidth(TGrilleDocument::Designation, designation);
    vue->setColumnWidth(TGrilleDocument::Montant, montant);
    vue->setFixedWidth(vue->verticalHeader()->sizeHint().width() + designation + montant +
                       vue->verticalScrollBar()->sizeHint().width() + 2 * vue->frameWidth());
    return vue;
}

TPanneauTotaux* TVueDocument::creeTotaux() {
    m_totaux = new TPanneauTotaux(m_page.description());
    auto* creer = new QPushButton(QStringLiteral("Créer"));
    connect(creer, &QPushButton::clicked, this, [this] {
        if (execute([this] { m_page.Cree(); }))
            focusChamp();
    });
    m_totaux->ajouteBouton(creer);
    if (m_page.description().validation()) {
        m_valider = new QPushButton(QStringLiteral("Valider"));
        connect(m_valider, &QPushButton::clicked, this,
                [this] { execute([this] { m_fiche.ValideDocument(m_base); }); });
        m_totaux->ajouteBouton(m_valider);
    }
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"));
    connect(imprimer, &QPushButton::clicked, this, [this] { ImprimeDocument(m_fiche, m_base); });
    m_totaux->ajouteBouton(imprimer);
    return m_totaux;
}

void TVueDocument::focusChamp() {
    if (QWidget* widget = widgetChamp(C::Adresse1))
        widget->setFocus();
}

void TVueDocument::saisit(ChampDocument champ, const QString& texte) {
    // The field shows what the page holds: a refused text goes back, a pasted line break
    // shows as the blank that is stored.
    if (m_miseAJour)
        return;
    if (!execute([&] { m_page.saisitChamp(champ, texte); }) || m_page.champ(champ) != texte)
        affiche(champ);
}

void TVueDocument::choisitTiers() {
    execute([this] {
        const Base tiers = m_page.description().baseTiers;
        const QString numero = Questions::instance().code(tiers, m_fiche.base(tiers));
        if (numero.isEmpty())
            return;
        m_fiche.ChoisitTiers(m_base, numero);
        focusChamp();
    });
}

void TVueDocument::affiche(ChampDocument champ) {
    QWidget* widget = widgetChamp(champ);
    m_miseAJour = true;
    if (auto* date = qobject_cast<QDateEdit*>(widget))
        date->setDate(m_page.date(champ));
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(m_page.champ(champ));
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(m_page.champ(champ));
    m_miseAJour = false;
}

void TVueDocument::afficheTout() {
    // The payment conditions come from the settings, which may have changed them.
    m_miseAJour = true;
    for (const TChampDocument& champ : m_page.description().champs)
        if (auto* combo = qobject_cast<QComboBox*>(widgetChamp(champ.champ));
            combo && elements(combo) != m_page.liste(champ.champ)) {
            combo->clear();
            combo->addItems(m_page.liste(champ.champ));
        }
    if (m_ttc)
        (m_page.ttc() ? m_ttc : m_ht)->setChecked(true);
    m_miseAJour = false;
    for (const TChampDocument& champ : m_page.description().champs)
        affiche(champ.champ);
    afficheMemo();
    m_totaux->afficheTotaux(m_page);
    afficheValidation();
}

void TVueDocument::afficheValidation() {
    m_totaux->afficheStatut(m_page.statut());
    if (m_valider)
        m_valider->setEnabled(!m_page.validee());
    grille()->setEnabled(!m_page.grille().figee());
    for (QRadioButton* mode : {m_ht, m_ttc})
        if (mode)
            mode->setEnabled(!m_page.validee());
}
