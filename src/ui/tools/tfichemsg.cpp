#include "ui/tools/tfichemsg.h"

#include "core/common/clock.h"
#include "core/tools/horloge.h"
#include "ui/common/questions.h"
#include "ui/tools/apparence.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QColor Jaune(255, 255, 160);

// A desk telephone, for the strip beside the card.
QPixmap telephone(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 32.0, cote / 32.0);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(60, 60, 60));
    QPainterPath combine;
    combine.moveTo(3, 11);
    combine.cubicTo(6, 3, 26, 3, 29, 11);
    combine.lineTo(29, 13);
    combine.lineTo(23, 13);
    combine.lineTo(22, 10);
    combine.lineTo(10, 10);
    combine.lineTo(9, 13);
    combine.lineTo(3, 13);
    combine.closeSubpath();
    p.drawPath(combine);
    QPainterPath socle;
    socle.moveTo(10, 13);
    socle.lineTo(22, 13);
    socle.lineTo(28, 27);
    socle.lineTo(4, 27);
    socle.closeSubpath();
    p.drawPath(socle);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QPointF(16, 20), 4.5, 4.5);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(16, 20), 1.5, 1.5);
    return image;
}

} // namespace

TFicheMsg::TFicheMsg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Messages"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Apparence::policeSysteme());

    auto* haut = new QHBoxLayout;
    haut->setSpacing(8);
    haut->addWidget(creeBandeau());
    haut->addWidget(creePanneau(), 1);

    auto* boutons = new QHBoxLayout;
    const struct {
        const char* legende;
        const char* nom;
        void (TListeMessages::*mouvement)();
    } commandes[] = {{"<", "Message précédent", &TListeMessages::Precedent},
                     {">", "Message suivant", &TListeMessages::Suivant},
                     {"+", "Nouveau message", &TListeMessages::Ajout},
                     {"-", "Supprimer le message", &TListeMessages::Supprime}};
    for (const auto& c : commandes) {
        auto* b = new QPushButton(QString::fromUtf8(c.legende), this);
        b->setAccessibleName(QString::fromUtf8(c.nom));
        b->setToolTip(QString::fromUtf8(c.nom));
        b->setAutoDefault(false);
        b->setFixedWidth(44);
        connect(b, &QPushButton::clicked, this, [this, m = c.mouvement] { deplace(m); });
        boutons->addWidget(b);
    }
    boutons->addStretch(1);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    boutons->addWidget(fermer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(haut);
    layout->addLayout(boutons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFicheMsg::creeBandeau() {
    auto* bandeau = new QWidget(this);
    auto* layout = new QVBoxLayout(bandeau);
    layout->setContentsMargins(4, 4, 4, 4);
    m_numero = new QLabel(bandeau);
    m_numero->setObjectName(QStringLiteral("Label8"));
    m_numero->setAccessibleName(QStringLiteral("Numéro du message"));
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(28);
    police.setBold(true);
    m_numero->setFont(police);
    m_numero->setAlignment(Qt::AlignCenter);
    auto* image = new QLabel(bandeau);
    image->setPixmap(telephone(56));
    image->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_numero);
    layout->addWidget(image);
    layout->addStretch(1);
    return bandeau;
}

QWidget* TFicheMsg::creePanneau() {
    auto* panneau = new QWidget(this);
    panneau->setAutoFillBackground(true);
    Apparence::colore(panneau, QPalette::Window, Jaune);
    Apparence::colore(panneau, QPalette::WindowText, Qt::black);
    auto* grille = new QGridLayout(panneau);
    grille->setContentsMargins(10, 10, 10, 10);
    grille->setVerticalSpacing(6);
    // A field holds no tab nor line break, which would break the line of its message.
    const QRegularExpression uneLigne(QStringLiteral("[^\\t\\r\\n]*"));
    for (int i = 0; i < TMessage::NbChamps; ++i) {
        auto* libelle = new QLabel(Messages::Libelles[i], panneau);
        auto* champ = new QLineEdit(panneau);
        champ->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        champ->setAccessibleName(Messages::Libelles[i]);
        champ->setMaxLength(Messages::LongueursMax[i]);
        champ->setValidator(new QRegularExpressionValidator(uneLigne, champ));
        const int largeur = fontMetrics().averageCharWidth() * (Messages::LongueursMax[i] + 2);
        champ->setFixedWidth(std::min(largeur, 420));
        libelle->setBuddy(champ);
        grille->addWidget(libelle, i, 0);
        grille->addWidget(champ, i, 1, Qt::AlignLeft);
        m_champs[i] = champ;
    }
    for (int i : {Messages::Date, Messages::Heure})
        m_champs[i]->installEventFilter(this);
    auto* cases = new QGridLayout;
    for (int i = 0; i < TMessage::NbCases; ++i) {
        m_cases[i] = new QCheckBox(Messages::Cases[i], panneau);
        m_cases[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        cases->addWidget(m_cases[i], i / 3, i % 3);
    }
    grille->addLayout(cases, TMessage::NbChamps, 0, 1, 2);
    return panneau;
}

bool TFicheMsg::Charge(const QString& dossier) {
    m_dossier = dossier;
    return execute([&] { m_liste.Charge(dossier); });
}

TMessage TFicheMsg::carte() const {
    TMessage m;
    for (int i = 0; i < TMessage::NbChamps; ++i)
        m.champs[i] = m_champs[i]->text();
    for (int i = 0; i < TMessage::NbCases; ++i)
        m.cases[i] = m_cases[i]->isChecked();
    return m;
}

void TFicheMsg::LitFiche() {
    const TMessage m = m_liste.LitFiche();
    m_numero->setText(QString::number(m_liste.courant() + 1));
    for (int i = 0; i < TMessage::NbChamps; ++i) {
        // A longer text read from the file is shown whole, never cut.
        m_champs[i]->setMaxLength(std::max<int>(Messages::LongueursMax[i], m.champs[i].size()));
        m_champs[i]->setText(m.champs[i]);
        m_champs[i]->setCursorPosition(0);
    }
    for (int i = 0; i < TMessage::NbCases; ++i)
        m_cases[i]->setChecked(m.cases[i]);
    m_champs[0]->setFocus();
}

void TFicheMsg::deplace(void (TListeMessages::*mouvement)()) {
    // The field left takes its value before the card is stored.
    m_champs[0]->setFocus();
    if (!execute([&] { m_liste.EcritFiche(carte()); }))
        return;
    (m_liste.*mouvement)();
    LitFiche();
}

void TFicheMsg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    LitFiche();
}

void TFicheMsg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp)
        deplace(&TListeMessages::Precedent);
    else if (event->key() == Qt::Key_PageDown)
        deplace(&TListeMessages::Suivant);
    else
        QDialog::keyPressEvent(event);
}

bool TFicheMsg::eventFilter(QObject* objet, QEvent* event) {
    // "Date" and "Heure" left empty take today's date and the time.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
        auto* champ = static_cast<QLineEdit*>(objet);
        if (champ->text().isEmpty()) {
            const QDateTime maintenant = Clock::now();
            champ->setText(champ == m_champs[Messages::Date]
                               ? Horloge::texteDate(maintenant.date())
                               : Horloge::texteHeure(maintenant.time()));
        }
    }
    return QDialog::eventFilter(objet, event);
}

void TFicheMsg::done(int resultat) {
    if (!execute([&] { m_liste.EcritFiche(carte()); }))
        return;
    try {
        m_liste.Sauve(m_dossier);
    } catch (const UserError& erreur) {
        if (!Questions::instance().okAnnuler(erreur.message() +
                                             QStringLiteral("\nFermer sans enregistrer ?")))
            return;
    }
    QDialog::done(resultat);
}
