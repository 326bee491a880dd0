#include "ui/tools/tcalendrier.h"

#include "core/common/clock.h"
#include "core/tools/calendrier.h"
#include "ui/common/valeuraccessible.h"
#include "ui/tools/apparence.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TCalendrier::TCalendrier(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calendrier"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Apparence::policeSysteme());

    auto* panneau = new QWidget(this);
    panneau->setAutoFillBackground(true);
    Apparence::colore(panneau, QPalette::Window, Apparence::Teal);
    m_entete = new TValeurAffichee(panneau);
    m_entete->setObjectName(QStringLiteral("Label1"));
    m_entete->setAccessibleName(QStringLiteral("Mois affiché"));
    m_entete->setAlignment(Qt::AlignCenter);
    m_entete->setFixedWidth(372);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(22);
    police.setBold(true);
    m_entete->setFont(police);
    Apparence::colore(m_entete, QPalette::WindowText, Qt::white);

    const auto bouton = [&](const QString& nom, const QString& accessible, Qt::ArrowType fleche) {
        auto* b = new QPushButton(QStringLiteral("Mois"), panneau);
        b->setObjectName(nom);
        b->setAccessibleName(accessible);
        b->setToolTip(accessible);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(style()->standardIcon(fleche == Qt::LeftArrow ? QStyle::SP_ArrowLeft
                                                                 : QStyle::SP_ArrowRight));
        return b;
    };
    QPushButton* precedent =
        bouton(QStringLiteral("BitBtn1"), QStringLiteral("Mois précédent"), Qt::LeftArrow);
    QPushButton* suivant =
        bouton(QStringLiteral("BitBtn2"), QStringLiteral("Mois suivant"), Qt::RightArrow);
    suivant->setLayoutDirection(Qt::RightToLeft);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), panneau);
    fermer->setObjectName(QStringLiteral("Button1"));
    fermer->setAutoDefault(false);
    fermer->setFocusPolicy(Qt::NoFocus);
    connect(precedent, &QPushButton::clicked, this, &TCalendrier::moisPrecedent);
    connect(suivant, &QPushButton::clicked, this, &TCalendrier::moisSuivant);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(suivant);
    boutons->addStretch(1);
    boutons->addWidget(fermer);
    auto* panneauLayout = new QVBoxLayout(panneau);
    panneauLayout->setContentsMargins(8, 8, 8, 8);
    panneauLayout->addWidget(m_entete, 0, Qt::AlignHCenter);
    panneauLayout->addLayout(boutons);

    m_calendrier = new QCalendarWidget(this);
    m_calendrier->setObjectName(QStringLiteral("Calendar1"));
    m_calendrier->setAccessibleName(QStringLiteral("Calendrier"));
    m_calendrier->setLocale(QLocale(QLocale::French, QLocale::France));
    m_calendrier->setFirstDayOfWeek(Qt::Sunday);
    m_calendrier->setNavigationBarVisible(false);
    m_calendrier->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendrier->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_calendrier->setGridVisible(true);
    m_calendrier->setFont(font());
    m_calendrier->setMinimumSize(388, 230);
    QPalette couleurs = m_calendrier->palette();
    couleurs.setColor(QPalette::Base, QColor(0, 255, 0));
    couleurs.setColor(QPalette::AlternateBase, QColor(0, 255, 0));
    // The days of the months around, in dark green, readable on the lime.
    couleurs.setColor(QPalette::Disabled, QPalette::Text, QColor(0, 110, 0));
    m_calendrier->setPalette(couleurs);
    m_calendrier->setSelectedDate(Clock::today());
    connect(m_calendrier, &QCalendarWidget::selectionChanged, this, &TCalendrier::montreEntete);
    // Page Up and Page Down are taken wherever the keyboard is in the month.
    for (QWidget* enfant : m_calendrier->findChildren<QWidget*>())
        enfant->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panneau);
    layout->addWidget(m_calendrier, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    montreEntete();
    m_calendrier->setFocus();
}

void TCalendrier::montreEntete() {
    m_entete->setText(enteteCalendrier(m_calendrier->selectedDate()));
}

void TCalendrier::moisPrecedent() {
    m_calendrier->setSelectedDate(m_calendrier->selectedDate().addMonths(-1));
}

void TCalendrier::moisSuivant() {
    m_calendrier->setSelectedDate(m_calendrier->selectedDate().addMonths(1));
}

bool TCalendrier::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_PageUp) {
            moisPrecedent();
            return true;
        }
        if (touche == Qt::Key_PageDown) {
            moisSuivant();
            return true;
        }
    }
    return QDialog::eventFilter(objet, event);
}
