#include "ui/tools/tpocket.h"

#include "core/common/usererror.h"
#include "ui/common/valeuraccessible.h"
#include "ui/tools/apparence.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Apparence::colore;
using Apparence::policeSysteme;
const QColor& teal = Apparence::Teal;
const QColor& navy = Apparence::Navy;

} // namespace

TPocket::TPocket(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calculatrice"));
    setFixedSize(342, 219);
    setFont(policeSysteme());
    setAutoFillBackground(true);
    colore(this, QPalette::Window, teal);

    auto* cadre = new QFrame(this);
    cadre->setAutoFillBackground(true);
    colore(cadre, QPalette::Window, navy);
    m_affichage = new TValeurAffichee(cadre);
    m_affichage->setObjectName(QStringLiteral("Label1"));
    m_affichage->setAccessibleName(QStringLiteral("Affichage"));
    m_affichage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_affichage->setAutoFillBackground(true);
    m_affichage->setMinimumHeight(30);
    m_affichage->setContentsMargins(6, 0, 6, 0);
    colore(m_affichage, QPalette::Window, Qt::white);
    colore(m_affichage, QPalette::WindowText, Qt::black);
    auto* cadreLayout = new QVBoxLayout(cadre);
    cadreLayout->setContentsMargins(3, 3, 3, 3);
    cadreLayout->addWidget(m_affichage);

    // The keypad, five buttons to a row. Digit d is Button<d>; the others are Button10 to
    // Button19 in the order of `fonctions`.
    const QStringList legendes = {"7", "8", "9", "/", "C",   "4", "5", "6", "*", "1/x",
                                  "1", "2", "3", "-", "sqr", "0", ",", "=", "+", "Fermer"};
    const QStringList fonctions = {",", "=", "+", "-", "*", "/", "1/x", "sqr", "C", "Fermer"};
    auto* grille = new QGridLayout;
    grille->setSpacing(5);
    for (int i = 0; i < legendes.size(); ++i) {
        const qsizetype fonction = fonctions.indexOf(legendes[i]);
        const QString nom = QStringLiteral("Button") +
                            (fonction < 0 ? legendes[i] : QString::number(10 + fonction));
        grille->addWidget(ajouteBouton(legendes[i], nom), i / 5, i % 5);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(cadre);
    layout->addLayout(grille, 1);

    m_boutons.value(QStringLiteral("="))->setFocus();
}

QPushButton* TPocket::ajouteBouton(const QString& legende, const QString& nom) {
    auto* bouton = new QPushButton(legende, this);
    bouton->setObjectName(nom);
    bouton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (legende == u"Fermer")
        connect(bouton, &QPushButton::clicked, this, &QDialog::accept);
    else
        connect(bouton, &QPushButton::clicked, this, [this, legende] { presse(legende); });
    m_boutons.insert(legende, bouton);
    return bouton;
}

void TPocket::presse(const QString& bouton) {
    try {
        m_calc.presse(bouton);
    } catch (const UserError& e) {
        QMessageBox::critical(this, QCoreApplication::applicationName(), e.message());
    }
    m_affichage->setText(m_calc.affichage());
    if (bouton == u"C")
        m_boutons.value(QStringLiteral("="))->setFocus();
}

void TPocket::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const QString bouton = text.size() == 1 ? TPocketCalc::boutonDeTouche(text[0]) : QString();
    if (bouton.isEmpty())
        QDialog::keyPressEvent(event);
    else
        m_boutons.value(bouton)->click();
}
