#include "ui/tools/thorloge.h"

#include "core/common/clock.h"
#include "core/tools/horloge.h"
#include "core/tools/reglagehorloge.h"
#include "ui/common/questions.h"
#include "ui/common/valeuraccessible.h"
#include "ui/tools/apparence.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeZone>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor Cadran(0, 230, 0);

QLabel* creeAfficheur(QWidget* parent, const QString& nom, const QString& accessible, int hauteur) {
    auto* label = new TValeurAffichee(parent);
    label->setObjectName(nom);
    label->setAccessibleName(accessible);
    label->setAlignment(Qt::AlignCenter);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(hauteur);
    police.setBold(true);
    label->setFont(police);
    Apparence::colore(label, QPalette::WindowText, Cadran);
    return label;
}

} // namespace

THorloge::THorloge(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Horloge"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Apparence::policeSysteme());
    setAutoFillBackground(true);
    Apparence::colore(this, QPalette::Window, Qt::black);
    Apparence::colore(this, QPalette::WindowText, Qt::white);

    m_heure = creeAfficheur(this, QStringLiteral("Label1"), QStringLiteral("Heure"), 48);
    m_date = creeAfficheur(this, QStringLiteral("Label2"), QStringLiteral("Date"), 24);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &THorloge::tic);

    auto* groupe = new QGroupBox(this);
    groupe->setObjectName(QStringLiteral("RadioGroup1"));
    groupe->setAccessibleName(QStringLiteral("Champ à régler"));
    auto* groupeLayout = new QHBoxLayout(groupe);
    groupeLayout->setContentsMargins(8, 2, 8, 2);
    m_champs = new QButtonGroup(this);
    const QStringList items = {"Hr", "Mn", "Jo", "Mo", "An"};
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], groupe);
        m_champs->addButton(item, i);
        groupeLayout->addWidget(item);
    }

    m_set = new QPushButton(QStringLiteral("Set"), this);
    m_set->setObjectName(QStringLiteral("Button2"));
    m_set->setToolTip(QStringLiteral("Régler l'horloge de l'ordinateur"));
    m_set->setCheckable(true);
    m_set->setAutoDefault(false);
    connect(m_set, &QPushButton::clicked, this, &THorloge::regle);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setObjectName(QStringLiteral("Button1"));
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget* w : {static_cast<QWidget*>(groupe), static_cast<QWidget*>(m_set),
                       static_cast<QWidget*>(fermer)})
        Apparence::colore(w, QPalette::ButtonText, Qt::black);

    auto* reglage = new QHBoxLayout;
    reglage->addWidget(groupe);
    reglage->addWidget(creeBoutonFleches());
    reglage->addSpacing(8);
    reglage->addWidget(m_set);
    reglage->addStretch(1);
    reglage->addWidget(fermer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_heure);
    layout->addWidget(m_date);
    layout->addSpacing(6);
    layout->addLayout(reglage);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    tic();
}

QWidget* THorloge::creeBoutonFleches() {
    auto* spin = new QWidget(this);
    spin->setObjectName(QStringLiteral("SpinButton1"));
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Dark arrows on light buttons, on the black face.
    Apparence::colore(spin, QPalette::WindowText, Qt::black);
    Apparence::colore(spin, QPalette::ButtonText, Qt::black);
    const auto ajoute = [&](Qt::ArrowType fleche, const QString& nom, const QString& bulle,
                            int pas) {
        auto* bouton = new QToolButton(spin);
        bouton->setObjectName(nom);
        bouton->setArrowType(fleche);
        bouton->setToolTip(bulle);
        bouton->setAccessibleName(bulle);
        bouton->setAutoRepeat(true);
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setFixedSize(20, 15);
        connect(bouton, &QToolButton::clicked, this, [this, pas] { tourne(pas); });
        layout->addWidget(bouton);
    };
    ajoute(Qt::UpArrow, QStringLiteral("SpinButton1Haut"), QStringLiteral("Augmenter"), 1);
    ajoute(Qt::DownArrow, QStringLiteral("SpinButton1Bas"), QStringLiteral("Diminuer"), -1);
    return spin;
}

void THorloge::tic() {
    const QDateTime maintenant = Clock::now();
    m_heure->setText(Horloge::texteHeure(maintenant.time()));
    m_date->setText(Horloge::texteDate(maintenant.date()));
}

void THorloge::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // The time held while the clock is being set stays until "Set" is pressed again.
    if (!isActiveWindow())
        m_timer->stop();
    else if (!m_reglageEnCours) {
        tic();
        m_timer->start();
    }
}

void THorloge::tourne(int pas) {
    const int champ = m_champs->checkedId();
    if (champ < 0)
        return;
    QString heure = m_heure->text();
    QString date = m_date->text();
    Horloge::ajuste(Horloge::Champ(champ), pas, heure, date);
    m_heure->setText(heure);
    m_date->setText(date);
}

void THorloge::regle() {
    if (!m_reglageEnCours) {
        m_reglageEnCours = true;
        m_timer->stop();
        m_set->setChecked(true);
        return;
    }
    // A day the month does not have keeps the clock being set, to be mended.
    QDateTime instant;
    if (!execute([&] {
            instant =
                Horloge::instant(m_heure->text(), m_date->text(), QTimeZone::systemTimeZone());
        })) {
        m_set->setChecked(true);
        return;
    }
    const QString refus = ReglageHorloge::instance().regle(instant);
    if (!refus.isEmpty())
        Questions::instance().message(refus);
    m_reglageEnCours = false;
    m_set->setChecked(false);
    tic();
    if (isActiveWindow())
        m_timer->start();
}
