#include "ui/tools/tregle.h"

#include "ui/tools/tmarqueur.h"

#include <QPainter>

namespace {

constexpr int Hauteur = 26;
// The bottom row of markers.
constexpr int Bas = Hauteur - 10;

} // namespace

TRegle::TRegle(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ruler"));
    setAccessibleName(QStringLiteral("Règle"));
    setFixedHeight(Hauteur);
    setAutoFillBackground(true);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(11);
    setFont(police);
    m_premiere = new TMarqueur(TMarqueur::Pointe::Bas, QStringLiteral("FirstInd"),
                               QStringLiteral("Retrait de première ligne"), this);
    m_gauche = new TMarqueur(TMarqueur::Pointe::Haut, QStringLiteral("LeftInd"),
                             QStringLiteral("Retrait gauche"), this);
    m_droite = new TMarqueur(TMarqueur::Pointe::Haut, QStringLiteral("RightInd"),
                             QStringLiteral("Retrait droit"), this);
    for (TMarqueur* m : {m_premiere, m_gauche, m_droite})
        connect(m, &TMarqueur::lache, this, [this, m] { lache(m); });
}

void TRegle::montre(const TRetraits& retraits) {
    m_retraits = retraits;
    m_premiere->move(RegleTexte::placePremiere(retraits), 1);
    m_gauche->move(RegleTexte::placeGauche(retraits), Bas);
    m_droite->move(RegleTexte::placeDroite(retraits, width()), Bas);
    m_premiere->setAccessibleDescription(QStringLiteral("%1 pt").arg(retraits.premiere));
    m_gauche->setAccessibleDescription(QStringLiteral("%1 pt").arg(retraits.gauche));
    m_droite->setAccessibleDescription(QStringLiteral("%1 pt").arg(retraits.droite));
}

void TRegle::setPasTabulation(double pixels) {
    m_pasTabulation = std::max(8.0, pixels);
    update();
}

void TRegle::lache(TMarqueur* marqueur) {
    TRetraits r = m_retraits;
    const int d = marqueur->decalage();
    if (marqueur == m_premiere) {
        r.premiere = RegleTexte::premiereDepuis(m_premiere->x(), d);
        r.gauche = RegleTexte::gaucheDepuis(m_gauche->x(), d, r.premiere);
    } else if (marqueur == m_gauche) {
        r.gauche = RegleTexte::gaucheDepuis(m_gauche->x(), d, r.premiere);
    } else {
        r.droite = RegleTexte::droiteDepuis(m_droite->x(), d, width());
    }
    emit retraitsChoisis(r);
}

void TRegle::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    montre(m_retraits);
}

void TRegle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The ruler line, in relief, between the two rows of markers.
    const int marge = 2;
    const int y = Hauteur / 2;
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(marge, y - 1, width() - 2 * marge, y - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(marge, y, width() - 2 * marge, y);
    // A tick at every tab stop, counted from the start of the text.
    p.setPen(palette().color(QPalette::WindowText));
    for (double x = RegleTexte::Gouttiere + m_pasTabulation; x < width(); x += m_pasTabulation)
        p.drawLine(QPointF(x, y - 4), QPointF(x, y + 3));
}
