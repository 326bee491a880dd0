#include "ui/documents/tvuedocument.h"

#include "core/app/tfiche.h"
#include "core/documents/tpagedocument.h"
#include "ui/common/questions.h"
#include "ui/documents/elementsdocument.h"
#include "ui/printing/actionsimpression.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
        if (champ.champ == C::Valide)
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

    auto* bas = new QHBoxLayout;
    bas->addWidget(creeGrilleDocument());
    bas->addWidget(creeTotaux(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(haut);
    layout->addLayout(bas, 1);
    if (d.memo)
        layout->addWidget(creeMemo(QStringLiteral("Mémo")));

    connect(&m_page, &TPageDocument::relue, this, &TVueDocument::afficheTout);
    connect(&m_page, &TPageDocument::champChange, this, &TVueDocument::affiche);
    connect(&m_page, &TPageDocument::totauxChange, this, &TVueDocument::afficheTotaux);
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
    case C::Mois: {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(m_page.liste(c));
        combo->setMinimumContentsLength(c == C::Mois ? 14 : 12);
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
    case C::Adresse1:
    case C::Adresse2:
    case C::Adresse3:
    case C::Adresse4:
    case C::Valide: {
        auto* edit = new QLineEdit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, c](const QString& texte) { saisit(c, texte); });
        if (c == C::Numero) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,9}")), edit));
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9 +
                                16);
        } else if (c == C::Locataire) {
            edit->setMaxLength(5);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("W")) * 5 + 8);
            auto* choix = new QPushButton(QStringLiteral("..."));
            choix->setAutoDefault(false);
            choix->setToolTip(QStringLiteral("Choisir le locataire"));
            choix->setAccessibleName(choix->toolTip());
            choix->setFixedWidth(choix->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                                 16);
            connect(choix, &QPushButton::clicked, this, &TVueDocument::choisitLocataire);
            place = new QWidget;
            auto* ligne = new QHBoxLayout(place);
            ligne->setContentsMargins(0, 0, 0, 0);
            ligne->addWidget(edit);
            ligne->addWidget(choix);
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

QWidget* TVueDocument::creeGrilleDocument() {
    QTableView* vue = creeGrille();
    const int designation = vue->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40 + 8;
    const int montant = vue->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14 + 8;
    vue->setColumnWidth(TGrilleDocument::Designation, designation);
    vue->setColumnWidth(TGrilleDocument::Montant, montant);
    vue->setFixedWidth(vue->verticalHeader()->sizeHint().width() + designation + montant +
                       vue->verticalScrollBar()->sizeHint().width() + 2 * vue->frameWidth());
    return vue;
}

QWidget* TVueDocument::creeTotaux() {
    const TDescriptionDocument& d = m_page.description();
    auto* panneau = new QWidget;
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(0, 0, 0, 0);
    auto* totaux = new QFormLayout;
    totaux->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_euros = totalAffiche(QStringLiteral("TOTAL Euros"));
    m_francs = totalAffiche(QStringLiteral("Francs"));
    for (QLabel* total : {m_euros, m_francs})
        totaux->addRow(total->accessibleName(), total);
    colonne->addLayout(totaux);
    if (d.enLettres) {
        m_enLettres = valeurAffichee(QStringLiteral("Somme en lettres"), Qt::AlignLeft);
        m_enLettres->setWordWrap(true);
        colonne->addWidget(m_enLettres);
    }
    if (d.validation()) {
        m_statut = valeurAffichee(QStringLiteral("Statut"), Qt::AlignLeft);
        QFont gras = m_statut->font();
        gras.setBold(true);
        m_statut->setFont(gras);
        colonne->addWidget(m_statut);
    }
    colonne->addStretch();
    auto* creer = new QPushButton(QStringLiteral("Créer"));
    creer->setAutoDefault(false);
    connect(creer, &QPushButton::clicked, this, [this] {
        if (execute([this] { m_page.Cree(); }))
            focusChamp();
    });
    colonne->addWidget(creer, 0, Qt::AlignLeft);
    if (d.validation()) {
        m_valider = new QPushButton(QStringLiteral("Valider"));
        m_valider->setAutoDefault(false);
        connect(m_valider, &QPushButton::clicked, this,
                [this] { execute([this] { m_fiche.ValideQuittance(); }); });
        colonne->addWidget(m_valider, 0, Qt::AlignLeft);
    }
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"));
    imprimer->setAutoDefault(false);
    connect(imprimer, &QPushButton::clicked, this, [this] { ImprimeDocument(m_fiche, m_base); });
    colonne->addWidget(imprimer, 0, Qt::AlignLeft);
    return panneau;
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

void TVueDocument::choisitLocataire() {
    execute([this] {
        const QString numero =
            Questions::instance().code(Base::Locataires, m_fiche.base(Base::Locataires));
        if (numero.isEmpty())
            return;
        m_fiche.ChoisitLocataire(m_base, numero);
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
    for (const TChampDocument& champ : m_page.description().champs)
        affiche(champ.champ);
    afficheMemo();
    afficheTotaux();
    afficheValidation();
}

void TVueDocument::afficheTotaux() {
    m_euros->setText(m_page.totalEuros());
    m_francs->setText(m_page.totalFrancs());
    if (m_enLettres)
        m_enLettres->setText(m_page.enLettres());
}

void TVueDocument::afficheValidation() {
    if (m_statut)
        m_statut->setText(m_page.statut());
    if (m_valider)
        m_valider->setEnabled(!m_page.validee());
    grille()->setEnabled(!m_page.grille().figee());
}
