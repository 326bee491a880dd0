// The word processor's toolbar: its buttons, and how they follow the text at the caret.
#include "ui/tools/ttexte.h"

#include "core/tools/documenttexte.h"
#include "ui/common/icones.h"
#include "ui/common/questions.h"
#include "ui/tools/iconestexte.h"
#include "ui/tools/tregle.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

#include <cmath>

QToolButton* TTexte::bouton(QHBoxLayout* barre, const QString& nom, const QString& bulle,
                            const QIcon& icone, bool bascule) {
    auto* b = new QToolButton(this);
    b->setObjectName(nom);
    b->setAccessibleName(bulle);
    b->setIcon(icone);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setCheckable(bascule);
    b->setFocusPolicy(Qt::NoFocus);
    barre->addWidget(b);
    return b;
}

void TTexte::creeBarre(QHBoxLayout* barre) {
    // New and open show no hint; their names are for screen readers.
    connect(bouton(barre, "SpeedButton1", "Nouveau", iconeBouton(Action::BoutonNouveau)),
            &QToolButton::clicked, this, &TTexte::Nouveau);
    connect(bouton(barre, "SpeedButton13", "Ouvrir", iconeBouton(Action::BoutonOuvrir)),
            &QToolButton::clicked, this, &TTexte::Ouvrir);
    QToolButton* enregistrer =
        bouton(barre, "SpeedButton2", "Enregistrer", iconeBouton(Action::BoutonEnregistrer));
    enregistrer->setToolTip(QStringLiteral("Enregistrer"));
    connect(enregistrer, &QToolButton::clicked, this, [this] { Enregistrer(); });
    QToolButton* imprimer =
        bouton(barre, "SpeedButton3", "Imprimer", iconeBouton(Action::BoutonImprimer));
    imprimer->setToolTip(QStringLiteral("Imprimer"));
    connect(imprimer, &QToolButton::clicked, this, &TTexte::Imprimer);
    QToolButton* copier =
        bouton(barre, "SpeedButton4", "Copier", iconeBouton(Action::BoutonCopier));
    copier->setToolTip(QStringLiteral("Copier"));
    connect(copier, &QToolButton::clicked, m_edit, &QTextEdit::copy);
    QToolButton* coller =
        bouton(barre, "SpeedButton5", "Coller", iconeBouton(Action::BoutonColler));
    coller->setToolTip(QStringLiteral("Coller"));
    connect(coller, &QToolButton::clicked, m_edit, &QTextEdit::paste);
    barre->addSpacing(8);

    m_police = new QComboBox(this);
    m_police->setObjectName(QStringLiteral("ComboBox1"));
    m_police->setAccessibleName(QStringLiteral("Police"));
    m_police->setToolTip(QStringLiteral("Police"));
    m_police->setEditable(true);
    m_police->setInsertPolicy(QComboBox::NoInsert);
    QStringList familles = QFontDatabase::families();
    familles.removeIf([](const QString& f) { return f.size() > 32; });
    familles.sort(Qt::CaseInsensitive);
    m_police->addItems(familles);
    m_police->setEditText(TCaractere::PoliceParDefaut);
    m_police->setMinimumWidth(180);
    barre->addWidget(m_police);
    connect(m_police, &QComboBox::textActivated, this, [this](const QString& famille) {
        QTextCharFormat f;
        f.setFontFamilies({famille});
        appliqueCaractere(f);
    });

    m_taille = new QSpinBox(this);
    m_taille->setObjectName(QStringLiteral("SpinEdit1"));
    m_taille->setAccessibleName(QStringLiteral("Taille"));
    m_taille->setToolTip(QStringLiteral("Taille"));
    m_taille->setRange(4, 72);
    m_taille->setValue(10);
    m_taille->setKeyboardTracking(false);
    barre->addWidget(m_taille);
    connect(m_taille, &QSpinBox::valueChanged, this, [this](int taille) {
        QTextCharFormat f;
        f.setFontPointSize(taille);
        appliqueCaractere(f);
    });

    QToolButton* police = bouton(barre, "SpeedButton18", "Police", iconeTexte(IconeTexte::Police));
    police->setToolTip(QStringLiteral("Police"));
    connect(police, &QToolButton::clicked, this, &TTexte::choisitPolice);
    barre->addSpacing(8);

    m_gras = bouton(barre, "Gras", "Gras", iconeTexte(IconeTexte::Gras), true);
    m_italique = bouton(barre, "Italique", "Italique", iconeTexte(IconeTexte::Italique), true);
    m_souligne = bouton(barre, "Souligne", "Souligné", iconeTexte(IconeTexte::Souligne), true);
    connect(m_gras, &QToolButton::toggled, this, [this](bool gras) {
        QTextCharFormat f;
        f.setFontWeight(gras ? QFont::Bold : QFont::Normal);
        appliqueCaractere(f);
    });
    connect(m_italique, &QToolButton::toggled, this, [this](bool italique) {
        QTextCharFormat f;
        f.setFontItalic(italique);
        appliqueCaractere(f);
    });
    connect(m_souligne, &QToolButton::toggled, this, [this](bool souligne) {
        QTextCharFormat f;
        f.setFontUnderline(souligne);
        appliqueCaractere(f);
    });
    barre->addSpacing(8);

    auto* groupe = new QButtonGroup(this);
    const struct {
        const char* nom;
        const char* bulle;
        IconeTexte icone;
        Qt::Alignment alignement;
    } alignements[] = {{"Gauche", "Gauche", IconeTexte::Gauche, Qt::AlignLeft},
                       {"Centre", "Centré", IconeTexte::Centre, Qt::AlignHCenter},
                       {"Droite", "Droite", IconeTexte::Droite, Qt::AlignRight}};
    for (std::size_t i = 0; i < std::size(alignements); ++i) {
        const auto& a = alignements[i];
        QToolButton* b = bouton(barre, a.nom, a.bulle, iconeTexte(a.icone), true);
        groupe->addButton(b);
        m_alignements[i] = b;
        connect(b, &QToolButton::clicked, this,
                [this, alignement = a.alignement] { appliqueAlignement(alignement); });
    }
    m_puces = bouton(barre, "Puces", "Puces", iconeTexte(IconeTexte::Puces), true);
    connect(m_puces, &QToolButton::toggled, this, &TTexte::appliquePuces);
    for (QToolButton* b : {m_gras, m_italique, m_souligne, m_alignements[0], m_alignements[1],
                           m_alignements[2], m_puces})
        b->setToolTip(b->accessibleName());

    // "Fermer" keeps near the right edge, whatever the width of the window.
    barre->addStretch(1);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setObjectName(QStringLiteral("Button1"));
    fermer->setAutoDefault(false);
    fermer->setFocusPolicy(Qt::NoFocus);
    connect(fermer, &QPushButton::clicked, this, &TTexte::close);
    barre->addWidget(fermer);
    barre->addSpacing(15);
}

void TTexte::SelectionChange() {
    if (!m_police)
        return;
    m_majEnCours = true;
    const QTextCursor curseur = m_edit->textCursor();
    m_regle->montre(DocumentTexte::retraits(curseur.block()));
    const QFont police =
        m_edit->currentCharFormat().font().resolve(m_edit->document()->defaultFont());
    m_gras->setChecked(police.weight() > QFont::Medium);
    m_italique->setChecked(police.italic());
    m_souligne->setChecked(police.underline());
    m_puces->setChecked(curseur.currentList() != nullptr);
    const double points = police.pointSizeF() > 0 ? police.pointSizeF() : police.pixelSize() * 0.75;
    m_taille->setValue(int(std::lround(points)));
    const QStringList familles = police.families();
    m_police->setEditText(familles.isEmpty() ? police.family() : familles.first());
    const Qt::Alignment alignement = curseur.blockFormat().alignment();
    QToolButton* enfonce = m_alignements[0];
    if (alignement & Qt::AlignHCenter)
        enfonce = m_alignements[1];
    else if (alignement & Qt::AlignRight)
        enfonce = m_alignements[2];
    enfonce->setChecked(true);
    if (alignement & Qt::AlignJustify) {
        // A justified paragraph, as other word processors write them, has no button down.
        enfonce->group()->setExclusive(false);
        enfonce->setChecked(false);
        enfonce->group()->setExclusive(true);
    }
    m_majEnCours = false;
}

void TTexte::appliqueCaractere(const QTextCharFormat& format) {
    if (m_majEnCours)
        return;
    // With a selection the selection changes; without, the text typed next.
    m_edit->mergeCurrentCharFormat(format);
    m_edit->setFocus();
}

void TTexte::appliqueAlignement(Qt::Alignment alignement) {
    if (m_majEnCours)
        return;
    m_edit->setAlignment(alignement);
    m_edit->setFocus();
}

void TTexte::appliquePuces(bool puces) {
    if (m_majEnCours)
        return;
    QTextCursor curseur = m_edit->textCursor();
    DocumentTexte::metPuces(curseur, puces);
    SelectionChange();
    m_edit->setFocus();
}

void TTexte::choisitPolice() {
    const QFont actuelle =
        m_edit->currentCharFormat().font().resolve(m_edit->document()->defaultFont());
    const std::optional<QFont> choisie = Questions::instance().police(actuelle);
    if (!choisie)
        return;
    QTextCharFormat f;
    f.setFont(*choisie);
    appliqueCaractere(f);
}
