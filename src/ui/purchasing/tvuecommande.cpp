#include "ui/purchasing/tvuecommande.h"

#include "core/app/tfiche.h"
#include "ui/common/questions.h"
#include "ui/documents/elementsdocument.h"
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
#include <QTableView>
#include <QVBoxLayout>

namespace {

using C = ChampCommande;
using namespace ColonneCommande;

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

int largeurTexte(const QWidget* widget, const QString& modele) {
    return widget->fontMetrics().horizontalAdvance(modele);
}

QStringList elements(const QComboBox* combo) {
    QStringList textes;
    for (int i = 0; i < combo->count(); ++i)
        textes << combo->itemText(i);
    return textes;
}

QPushButton* bouton(const QString& texte) {
    auto* b = new QPushButton(texte);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TVueCommande::TVueCommande(TFiche& fiche, QWidget* parent)
    : TVueLignes(*fiche.pageCommande(), parent), m_fiche(fiche), m_page(*fiche.pageCommande()) {
    auto* haut = new QHBoxLayout;
    haut->addWidget(creeEntete());
    haut->addWidget(creeCoordonnees());
    haut->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(haut);
    layout->addWidget(creeGrilleCommande(), 1);
    auto* bas = new QHBoxLayout;
    bas->addWidget(creeMemo(QStringLiteral("Remarques")), 1);
    bas->addWidget(creeTotaux());
    layout->addLayout(bas);

    connect(&m_page, &TPageCommande::relue, this, &TVueCommande::afficheTout);
    connect(&m_page, &TPageCommande::totauxChange, this, &TVueCommande::afficheTotaux);
    connect(&m_page, &TPageCommande::validationChange, this, &TVueCommande::afficheValidation);
    afficheTout();
}

QWidget* TVueCommande::creeChamp(ChampCommande c) {
    QWidget* widget = nullptr;
    switch (c) {
    case C::Date: {
        auto* date = new QDateEdit;
        date->setDisplayFormat(FormatDate);
        date->setCalendarPopup(true);
        connect(date, &QDateEdit::dateChanged, this, [this](QDate jour) {
            if (!m_miseAJour)
                m_page.saisitDate(jour);
        });
        widget = date;
        break;
    }
    case C::Reglement: {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(24);
        connect(combo, &QComboBox::activated, this,
                [this, c, combo] { saisit(c, combo->currentText()); });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, c](const QString& texte) { saisit(c, texte); });
        widget = combo;
        break;
    }
    default: {
        auto* edit = new QLineEdit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, c](const QString& texte) { saisit(c, texte); });
        if (c == C::Numero) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,9}")), edit));
            edit->setFixedWidth(largeurTexte(edit, QStringLiteral("000000000")) + 16);
        } else if (c == C::Fournisseur) {
            edit->setMaxLength(5);
            edit->setFixedWidth(largeurTexte(edit, QStringLiteral("WWWWW")) + 8);
        } else {
            edit->setMinimumWidth(largeurTexte(edit, QString(36, u'x')));
        }
        widget = edit;
        break;
    }
    }
    widget->setAccessibleName(TPageCommande::libelle(c));
    m_widgets[int(c)] = widget;
    return widget;
}

QWidget* TVueCommande::creeEntete() {
    auto* panneau = new QWidget;
    auto* entete = new QFormLayout(panneau);
    entete->setContentsMargins(0, 0, 0, 0);
    entete->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    entete->setVerticalSpacing(3);
    for (ChampCommande c : {C::Numero, C::Date, C::Fournisseur, C::Reglement}) {
        QWidget* widget = creeChamp(c);
        QWidget* place = widget;
        if (c == C::Fournisseur) {
            auto* choix = bouton(QStringLiteral("..."));
            choix->setToolTip(QStringLiteral("Choisir le fournisseur"));
            choix->setAccessibleName(choix->toolTip());
            choix->setFixedWidth(largeurTexte(choix, QStringLiteral("...")) + 16);
            connect(choix, &QPushButton::clicked, this, &TVueCommande::choisitFournisseur);
            place = new QWidget;
            auto* ligne = new QHBoxLayout(place);
            ligne->setContentsMargins(0, 0, 0, 0);
            ligne->addWidget(widget);
            ligne->addWidget(choix);
        }
        auto* label = new QLabel(TPageCommande::libelle(c));
        label->setBuddy(widget);
        entete->addRow(label, place);
    }
    m_ht = new QRadioButton(QStringLiteral("Commande H.T."));
    m_ttc = new QRadioButton(QStringLiteral("Commande TTC"));
    auto* mode = new QButtonGroup(panneau);
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
    entete->addRow(modes);
    return panneau;
}

QWidget* TVueCommande::creeCoordonnees() {
    auto* coordonnees = new QGroupBox(TPageCommande::libelle(C::Adresse1));
    auto* lignes = new QVBoxLayout(coordonnees);
    lignes->setSpacing(3);
    for (ChampCommande c : {C::Adresse1, C::Adresse2, C::Adresse3, C::Adresse4})
        lignes->addWidget(creeChamp(c));
    lignes->addStretch();
    return coordonnees;
}

QWidget* TVueCommande::creeGrilleCommande() {
    QTableView* vue = creeGrille();
    const int largeurs[NbColonnes] = {80, 0, 100, 120, 40, 120, 24};
    for (int c = 0; c < NbColonnes; ++c)
        if (largeurs[c] > 0)
            vue->setColumnWidth(c, largeurs[c]);
    vue->horizontalHeader()->setSectionResizeMode(Designation, QHeaderView::Stretch);
    vue->setMinimumWidth(720);
    return vue;
}

QWidget* TVueCommande::creeTotaux() {
    auto* panneau = new QWidget;
    auto* grille = new QGridLayout(panneau);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setVerticalSpacing(3);
    m_totalHT = totalAffiche(QStringLiteral("Total H.T."));
    m_totalTVA = totalAffiche(QStringLiteral("Total TVA"));
    m_euros = totalAffiche(QStringLiteral("TOTAL TTC Euros"));
    m_francs = totalAffiche(QStringLiteral("TOTAL TTC Francs"));
    grille->addWidget(new QLabel(QStringLiteral("Total H.T.")), 0, 0);
    grille->addWidget(m_totalHT, 0, 1);
    grille->addWidget(new QLabel(QStringLiteral("Total TVA")), 1, 0);
    grille->addWidget(m_totalTVA, 1, 1);
    auto* ttc = new QLabel(QStringLiteral("TOTAL TTC"));
    QFont gras = ttc->font();
    gras.setBold(true);
    ttc->setFont(gras);
    grille->addWidget(ttc, 0, 2, Qt::AlignRight);
    grille->addWidget(new QLabel(QStringLiteral("Euros")), 1, 2, Qt::AlignRight);
    grille->addWidget(m_euros, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Francs")), 2, 2, Qt::AlignRight);
    grille->addWidget(m_francs, 2, 3);

    m_statut = valeurAffichee(QStringLiteral("Statut"), Qt::AlignLeft);
    m_statut->setFont(gras);
    grille->addWidget(m_statut, 3, 0, 1, 4);

    auto* boutons = new QHBoxLayout;
    auto* creer = bouton(QStringLiteral("Créer"));
    connect(creer, &QPushButton::clicked, this, [this] {
        if (execute([this] { m_page.Cree(); }))
            focusChamp();
    });
    m_valider = bouton(QStringLiteral("Valider"));
    connect(m_valider, &QPushButton::clicked, this,
            [this] { execute([this] { m_fiche.ValideCommande(); }); });
    auto* imprimer = bouton(QStringLiteral("Imprimer"));
    connect(imprimer, &QPushButton::clicked, this,
            [this] { ImprimeDocument(m_fiche, Base::Commandes); });
    boutons->addWidget(creer);
    boutons->addWidget(m_valider);
    boutons->addWidget(imprimer);
    boutons->addStretch();
    grille->addLayout(boutons, 4, 0, 1, 4);
    grille->setRowStretch(5, 1);
    return panneau;
}

void TVueCommande::focusChamp() {
    widgetChamp(C::Adresse1)->setFocus();
}

void TVueCommande::saisit(ChampCommande champ, const QString& texte) {
    // The field shows what the page holds: a refused text goes back, a pasted line break
    // shows as the blank that is stored.
    if (m_miseAJour)
        return;
    if (!execute([&] { m_page.saisitChamp(champ, texte); }) || m_page.champ(champ) != texte)
        affiche(champ);
}

void TVueCommande::choisitFournisseur() {
    execute([this] {
        const QString code =
            Questions::instance().code(Base::Fournisseurs, m_fiche.base(Base::Fournisseurs));
        if (code.isEmpty())
            return;
        m_fiche.ChoisitFournisseur(code);
        focusChamp();
    });
}

void TVueCommande::affiche(ChampCommande champ) {
    QWidget* widget = widgetChamp(champ);
    m_miseAJour = true;
    if (auto* date = qobject_cast<QDateEdit*>(widget))
        date->setDate(m_page.date());
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(m_page.champ(champ));
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(m_page.champ(champ));
    m_miseAJour = false;
}

void TVueCommande::afficheTout() {
    m_miseAJour = true;
    auto* reglement = static_cast<QComboBox*>(widgetChamp(C::Reglement));
    if (elements(reglement) != m_page.reglements()) {
        reglement->clear();
        reglement->addItems(m_page.reglements());
    }
    (m_page.ttc() ? m_ttc : m_ht)->setChecked(true);
    m_miseAJour = false;
    afficheMemo();
    for (int c = 0; c < NbChampsCommande; ++c)
        if (widgetChamp(ChampCommande(c)))
            affiche(ChampCommande(c));
    afficheTotaux();
    afficheValidation();
}

void TVueCommande::afficheTotaux() {
    const TTotauxCommande& t = m_page.totaux();
    m_totalHT->setText(t.texteHT);
    m_totalTVA->setText(t.texteTVA);
    m_euros->setText(t.texteTTC);
    m_francs->setText(t.texteFrancs);
}

void TVueCommande::afficheValidation() {
    m_statut->setText(m_page.statut());
    m_valider->setEnabled(!m_page.validee());
    grille()->setEnabled(!m_page.grille().figee());
    m_ht->setEnabled(!m_page.validee());
    m_ttc->setEnabled(!m_page.validee());
}
