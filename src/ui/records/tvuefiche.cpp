#include "ui/records/tvuefiche.h"

#include "core/records/tpageenregistrement.h"
#include "ui/common/questions.h"
#include "ui/common/textememo.h"
#include "ui/records/champmontant.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The date mask's picture as the model holds it: blanks where nothing was typed.
QString texteMasque(const QLineEdit* edit) {
    QString texte = edit->displayText();
    texte.replace(u'_', u' ');
    return texte;
}

} // namespace

TVueFiche::TVueFiche(TPageEnregistrement& page, QWidget* parent) : TPageVue(parent), m_page(page) {
    const TDescriptionFiche& d = page.description();

    // The groups stand in columns, side by side, each group's fields in a form.
    auto* groupes = new QHBoxLayout;
    QHash<QString, QFormLayout*> formulaires;
    for (const QStringList& colonne : d.colonnes) {
        auto* pile = new QVBoxLayout;
        for (const QString& groupe : colonne) {
            auto* boite = new QGroupBox(groupe);
            auto* formulaire = new QFormLayout(boite);
            formulaire->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
            formulaire->setLabelAlignment(Qt::AlignLeft);
            formulaire->setVerticalSpacing(3);
            formulaires.insert(groupe, formulaire);
            pile->addWidget(boite);
        }
        pile->addStretch();
        groupes->addLayout(pile);
    }
    groupes->addStretch();
    QHash<QString, QList<QLabel*>> labels;
    for (const TChamp& champ : d.champs) {
        QWidget* widget = creeChamp(champ.ligne);
        auto* label = new QLabel(champ.libelle);
        label->setBuddy(widget);
        formulaires.value(champ.groupe)->addRow(label, widget);
        labels[champ.groupe].append(label);
        if (champ.type == TypeChamp::Choix)
            afficheListe(champ.ligne);
    }
    for (const QStringList& colonne : d.colonnes) {
        QList<QLabel*> colonneLabels;
        for (const QString& groupe : colonne)
            colonneLabels += labels.value(groupe);
        m_labelsParColonne.append(colonneLabels);
    }

    auto* bas = new QHBoxLayout;
    if (d.lignesHistorique > 0) {
        auto* historique = new QVBoxLayout;
        historique->addWidget(creePanneauHistorique());
        m_grille = new QTableView;
        m_grille->setModel(&page.grille());
        m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_grille->verticalHeader()->hide();
        m_grille->verticalHeader()->setDefaultSectionSize(m_grille->fontMetrics().height() + 4);
        m_grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_grille->setColumnWidth(0, 94);
        m_grille->setColumnWidth(1, 178);
        m_grille->setColumnWidth(2, 97);
        m_grille->setFixedWidth(94 + 178 + 97 + m_grille->verticalScrollBar()->sizeHint().width() +
                                2 * m_grille->frameWidth());
        m_grille->setAccessibleName(QStringLiteral("Historique"));
        historique->addWidget(m_grille);
        bas->addLayout(historique);
    }
    auto* observations = new QVBoxLayout;
    auto* labelMemo = new QLabel(QStringLiteral("Observations"));
    m_memo = new QPlainTextEdit;
    m_memo->setFixedWidth(321);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    labelMemo->setBuddy(m_memo);
    m_memo->setAccessibleName(QStringLiteral("Observations"));
    observations->addWidget(labelMemo);
    observations->addWidget(m_memo);
    bas->addLayout(observations);
    bas->addStretch();
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_miseAJour && !execute([this] { m_page.saisitMemo(texteMemo(*m_memo)); })) {
            m_miseAJour = true;
            m_memo->setPlainText(m_page.memo());
            m_miseAJour = false;
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupes);
    layout->addLayout(bas, 1);

    connect(&page, &TPageEnregistrement::relue, this, &TVueFiche::afficheTout);
    connect(&page, &TPageEnregistrement::champChange, this, &TVueFiche::affiche);
    connect(&page, &TPageEnregistrement::listeChange, this, &TVueFiche::afficheListe);
    connect(&page, &TPageEnregistrement::historiqueSaisieChange, this,
            &TVueFiche::afficheSaisieHistorique);
    afficheTout();
}

QWidget* TVueFiche::creeChamp(int ligne) {
    const TChamp& champ = m_page.description().champ(ligne);
    QWidget* widget = nullptr;
    switch (champ.type) {
    case TypeChamp::Drapeau: {
        auto* boite = new QCheckBox;
        connect(boite, &QCheckBox::clicked, this, [this, ligne](bool coche) {
            saisit(ligne, coche ? QStringLiteral("Y") : QStringLiteral("N"));
        });
        widget = boite;
        break;
    }
    case TypeChamp::Choix: {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, ligne](const QString& texte) { saisit(ligne, texte); });
        connect(combo, &QComboBox::activated, this,
                [this, ligne, combo] { saisit(ligne, combo->currentText()); });
        // The combo passes its focus events to its edit directly, past any filter: both are
        // watched.
        for (QWidget* w :
             {static_cast<QWidget*>(combo), static_cast<QWidget*>(combo->lineEdit())}) {
            w->installEventFilter(this);
            m_lignes.insert(w, ligne);
        }
        widget = combo;
        break;
    }
    default: {
        auto* edit = new QLineEdit;
        if (champ.type == TypeChamp::DateMasque) {
            edit->setInputMask(QStringLiteral("00/00/0000; "));
            connect(edit, &QLineEdit::textEdited, this,
                    [this, ligne, edit] { saisit(ligne, texteMasque(edit)); });
        } else {
            connect(edit, &QLineEdit::textEdited, this,
                    [this, ligne](const QString& texte) { saisit(ligne, texte); });
        }
        if (champ.type == TypeChamp::Montant) {
            edit->setAlignment(Qt::AlignRight);
            if (champ.filtre)
                FiltreMontant::installe(edit);
        }
        edit->installEventFilter(this);
        m_lignes.insert(edit, ligne);
        widget = edit;
        break;
    }
    }
    widget->setFixedWidth(champ.largeur);
    widget->setAccessibleName(champ.libelle);
    m_widgets.insert(ligne, widget);
    return widget;
}

QWidget* TVueFiche::creePanneauHistorique() {
    auto* panneau = new QWidget;
    auto* layout = new QHBoxLayout(panneau);
    layout->setContentsMargins(0, 0, 0, 0);
    m_dateHistorique = new QDateEdit;
    m_dateHistorique->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dateHistorique->setCalendarPopup(true);
    m_dateHistorique->setAccessibleName(QStringLiteral("Date"));
    m_libelleHistorique = new QLineEdit;
    m_libelleHistorique->setFixedWidth(173);
    m_libelleHistorique->setAccessibleName(QStringLiteral("Libellé"));
    m_montantHistorique = new QLineEdit;
    m_montantHistorique->setFixedWidth(93);
    m_montantHistorique->setAlignment(Qt::AlignRight);
    m_montantHistorique->setAccessibleName(QStringLiteral("Montant"));
    if (m_page.description().filtreHistorique)
        FiltreMontant::installe(m_montantHistorique);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setAutoDefault(false);
    layout->addWidget(m_dateHistorique);
    layout->addWidget(m_libelleHistorique);
    layout->addWidget(m_montantHistorique);
    layout->addWidget(ok);
    layout->addStretch();

    connect(m_dateHistorique, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!m_miseAJour)
            m_page.dateHistorique = date;
    });
    connect(m_libelleHistorique, &QLineEdit::textEdited, this,
            [this](const QString& texte) { m_page.libelleHistorique = texte; });
    connect(m_montantHistorique, &QLineEdit::textEdited, this,
            [this](const QString& texte) { m_page.montantHistorique = texte; });
    connect(ok, &QPushButton::clicked, this,
            [this] { execute([this] { m_page.ajouteHistorique(); }); });
    return panneau;
}

QComboBox* TVueFiche::choix(int ligne) const {
    return qobject_cast<QComboBox*>(widgetChamp(ligne));
}

void TVueFiche::showEvent(QShowEvent* event) {
    // The fields of the groups of one column start at the same left edge, measured in the
    // font the page is shown in.
    for (const QList<QLabel*>& colonne : std::as_const(m_labelsParColonne)) {
        int largeur = 0;
        for (QLabel* label : colonne)
            largeur = std::max(largeur, label->sizeHint().width());
        for (QLabel* label : colonne)
            label->setMinimumWidth(largeur);
    }
    TPageVue::showEvent(event);
}

void TVueFiche::focusChamp() {
    if (QWidget* widget = widgetChamp(m_page.description().ligneFocus))
        widget->setFocus();
}

bool TVueFiche::eventFilter(QObject* watched, QEvent* event) {
    const int ligne = m_lignes.value(watched);
    if (ligne && event->type() == QEvent::FocusIn)
        m_page.entreChamp(ligne);
    else if (ligne && event->type() == QEvent::FocusOut)
        execute([this, ligne] { m_page.quitteChamp(ligne); });
    return QWidget::eventFilter(watched, event);
}

void TVueFiche::saisit(int ligne, const QString& texte) {
    // The field shows what the page holds: a refused text goes back, a pasted line break
    // shows as the blank that is stored.
    if (!execute([&] { m_page.saisitChamp(ligne, texte); }) || m_page.champ(ligne) != texte)
        affiche(ligne);
}

void TVueFiche::affiche(int ligne) {
    const QString texte = m_page.champ(ligne);
    m_miseAJour = true;
    QWidget* widget = m_widgets.value(ligne);
    if (auto* boite = qobject_cast<QCheckBox*>(widget))
        boite->setChecked(texte == QLatin1String("Y"));
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(texte);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(edit->inputMask().isEmpty() ? texte : QString(texte).remove(u' '));
    m_miseAJour = false;
}

void TVueFiche::afficheListe(int ligne) {
    QComboBox* combo = choix(ligne);
    if (!combo)
        return;
    m_miseAJour = true;
    combo->clear();
    combo->addItems(m_page.liste(ligne));
    combo->setEditText(m_page.champ(ligne));
    m_miseAJour = false;
}

void TVueFiche::afficheTout() {
    for (const TChamp& champ : m_page.description().champs)
        affiche(champ.ligne);
    m_miseAJour = true;
    m_memo->setPlainText(m_page.memo());
    m_miseAJour = false;
    afficheSaisieHistorique();
}

void TVueFiche::afficheSaisieHistorique() {
    if (!m_dateHistorique)
        return;
    m_miseAJour = true;
    m_dateHistorique->setDate(m_page.dateHistorique);
    m_libelleHistorique->setText(m_page.libelleHistorique);
    m_montantHistorique->setText(m_page.montantHistorique);
    m_miseAJour = false;
}
