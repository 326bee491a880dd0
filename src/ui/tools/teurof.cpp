#include "ui/tools/teurof.h"

#include "ui/common/valeuraccessible.h"
#include "ui/tools/apparence.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Apparence::colore;
using Apparence::policeSysteme;
const QColor& teal = Apparence::Teal;
const QColor& navy = Apparence::Navy;

QLabel* creeAfficheur(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* label = new TValeurAffichee(parent);
    label->setObjectName(nom);
    label->setAccessibleName(accessible);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setMinimumHeight(28);
    label->setContentsMargins(6, 0, 6, 0);
    colore(label, QPalette::Window, teal);
    colore(label, QPalette::WindowText, Qt::white);
    return label;
}

// Enter always goes to "=", whichever button has the focus.
QPushButton* creeBouton(QWidget* parent, const QString& legende, const QString& nom) {
    auto* bouton = new QPushButton(legende, parent);
    bouton->setObjectName(nom);
    bouton->setAutoDefault(false);
    bouton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    bouton->setMinimumSize(24, 24);
    return bouton;
}

} // namespace

TEurof::TEurof(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Euro convertisseur"));
    setFixedSize(260, 273);
    setFont(policeSysteme());
    setAutoFillBackground(true);
    colore(this, QPalette::Window, navy);
    colore(this, QPalette::WindowText, Qt::white);

    m_entree = creeAfficheur(this, QStringLiteral("Label1"), QStringLiteral("Montant"));
    m_resultat = creeAfficheur(this, QStringLiteral("Label2"), QStringLiteral("Résultat"));

    // Digits on the left, three to a row; direction, rate and "Fermer" on the right.
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(4);
    grille->setVerticalSpacing(4);
    const QStringList legendes = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ","};
    for (int i = 0; i < legendes.size(); ++i) {
        const QString nom = legendes[i] == u"," ? QStringLiteral("Button12")
                                                : QStringLiteral("Button") + legendes[i];
        auto* bouton = creeBouton(this, legendes[i], nom);
        const QChar touche = legendes[i][0];
        connect(bouton, &QPushButton::clicked, this, [this, touche] {
            m_calc.saisit(touche);
            montre();
        });
        grille->addWidget(bouton, i / 3, i % 3);
    }
    auto* egal = creeBouton(this, QStringLiteral("="), QStringLiteral("Button11"));
    egal->setDefault(true);
    connect(egal, &QPushButton::clicked, this, [this] {
        m_calc.convertit();
        montre();
    });
    grille->addWidget(egal, 3, 2);

    auto* sens = new QGroupBox(this);
    auto* versEuros = new QRadioButton(QStringLiteral("Fr>Euro"), sens);
    versEuros->setObjectName(QStringLiteral("RadioButton1"));
    versEuros->setChecked(true);
    auto* versFrancs = new QRadioButton(QStringLiteral("Euro>Fr"), sens);
    versFrancs->setObjectName(QStringLiteral("RadioButton2"));
    connect(versFrancs, &QRadioButton::toggled, this, [this](bool checked) {
        m_calc.setSens(checked ? TEuroCalc::Sens::EurosVersFrancs
                               : TEuroCalc::Sens::FrancsVersEuros);
    });
    auto* sensLayout = new QVBoxLayout(sens);
    sensLayout->setContentsMargins(8, 4, 4, 4);
    sensLayout->addWidget(versEuros);
    sensLayout->addWidget(versFrancs);

    m_taux = new QLineEdit(this);
    m_taux->setObjectName(QStringLiteral("Edit3"));
    m_taux->setAccessibleName(QStringLiteral("Taux"));
    m_taux->setReadOnly(true);
    m_taux->setFocusPolicy(Qt::NoFocus);
    m_taux->setFixedWidth(90);
    auto* tauxLayout = new QHBoxLayout;
    tauxLayout->setSpacing(0);
    tauxLayout->addWidget(m_taux);
    tauxLayout->addWidget(creeBoutonTaux());

    auto* fermer = creeBouton(this, QStringLiteral("Fermer"), QStringLiteral("Button10"));
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    grille->addItem(new QSpacerItem(8, 0), 0, 3);
    grille->addWidget(sens, 0, 4, 2, 1);
    grille->addLayout(tauxLayout, 2, 4);
    grille->addWidget(fermer, 3, 4);
    for (int colonne : {0, 1, 2})
        grille->setColumnStretch(colonne, 1);
    grille->setColumnMinimumWidth(4, 112);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(m_entree);
    layout->addWidget(m_resultat);
    layout->addLayout(grille, 1);

    montre();
    egal->setFocus();
}

// The spin button beside the rate: one step of 0,00001 franc per click, repeated while held.
QWidget* TEurof::creeBoutonTaux() {
    auto* spin = new QWidget(this);
    spin->setObjectName(QStringLiteral("SpinButton1"));
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Dark arrows on light buttons, whatever the window's own text colour.
    colore(spin, QPalette::WindowText, Qt::black);
    colore(spin, QPalette::ButtonText, Qt::black);
    const auto ajoute = [&](Qt::ArrowType fleche, const QString& nom, const QString& bulle,
                            void (TEuroCalc::*pas)()) {
        auto* bouton = new QToolButton(spin);
        bouton->setObjectName(nom);
        bouton->setArrowType(fleche);
        bouton->setToolTip(bulle);
        bouton->setAccessibleName(bulle);
        bouton->setAutoRepeat(true);
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setFixedSize(18, 13);
        connect(bouton, &QToolButton::clicked, this, [this, pas] {
            (m_calc.*pas)();
            montre();
        });
        layout->addWidget(bouton);
    };
    ajoute(Qt::UpArrow, QStringLiteral("SpinButton1Haut"), QStringLiteral("Augmenter le taux"),
           &TEuroCalc::monteTaux);
    ajoute(Qt::DownArrow, QStringLiteral("SpinButton1Bas"), QStringLiteral("Diminuer le taux"),
           &TEuroCalc::descendTaux);
    return spin;
}

void TEurof::montre() {
    m_entree->setText(m_calc.entree());
    m_resultat->setText(m_calc.resultat());
    m_taux->setText(m_calc.texteTaux());
}

void TEurof::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && m_calc.saisit(text[0]))
        montre();
    else
        QDialog::keyPressEvent(event);
}
