#include "core/printing/tcanevasenregistre.h"

#include <QStringList>

#include <cmath>

TCanevasEnregistre::TCanevasEnregistre(QSize pixels, QSize millimetres)
    : m_pixels(pixels), m_millimetres(millimetres) {}

TCanevasEnregistre TCanevasEnregistre::imprimante600(TOrientation orientation) {
    const QSize pixels(4800, 6600);
    const QSize millimetres(203, 279);
    if (orientation == TOrientation::Paysage)
        return TCanevasEnregistre(pixels.transposed(), millimetres.transposed());
    return TCanevasEnregistre(pixels, millimetres);
}

void TCanevasEnregistre::setPolice(const QString& nom, int taille, bool gras) {
    m_police = nom;
    m_taille = taille;
    m_gras = gras;
}

TTrace TCanevasEnregistre::trace(TTrace::Genre genre, const QRect& boite) const {
    TTrace t;
    t.genre = genre;
    t.page = m_page;
    t.boite = boite;
    t.police = m_police;
    t.taille = m_taille;
    t.gras = m_gras;
    t.epaisseur = m_epaisseur;
    return t;
}

void TCanevasEnregistre::ligne(QPoint de, QPoint a) {
    m_traces.append(trace(TTrace::Genre::Ligne, QRect(de, a)));
}

void TCanevasEnregistre::rectangle(const QRect& rectangle) {
    m_traces.append(trace(TTrace::Genre::Rectangle, rectangle));
}

void TCanevasEnregistre::remplit(const QRect& rectangle, const QColor& couleur) {
    TTrace t = trace(TTrace::Genre::Remplissage, rectangle);
    t.couleur = couleur;
    m_traces.append(t);
}

void TCanevasEnregistre::texte(QPoint coin, const QString& texte) {
    TTrace t =
        trace(TTrace::Genre::Texte, QRect(coin, QSize(largeurTexte(texte), hauteurTexte(texte))));
    t.texte = texte;
    m_traces.append(t);
}

double TCanevasEnregistre::pixelsParPoint() const {
    const double parMm = double(m_pixels.width()) / std::max(m_millimetres.width(), 1);
    return parMm * 25.4 / 72.0;
}

int TCanevasEnregistre::largeurTexte(const QString& texte) const {
    return int(std::lround(texte.size() * m_taille * pixelsParPoint() * 0.5));
}

int TCanevasEnregistre::hauteurTexte(const QString&) const {
    return int(std::lround(m_taille * pixelsParPoint() * 1.15));
}

QList<TTrace> TCanevasEnregistre::textes(int page) const {
    QList<TTrace> t;
    for (const TTrace& trace : m_traces)
        if (trace.genre == TTrace::Genre::Texte && (page == 0 || trace.page == page))
            t.append(trace);
    return t;
}

const TTrace* TCanevasEnregistre::trouve(const QString& texte) const {
    for (const TTrace& trace : m_traces)
        if (trace.genre == TTrace::Genre::Texte && trace.texte == texte)
            return &trace;
    return nullptr;
}

namespace {

// A trace between two points: its kind, its two corners and what it is drawn with.
QString segment(const QString& genre, const TTrace& t, const QString& trait) {
    return QStringLiteral("%1 %2,%3 %4,%5 %6")
        .arg(genre)
        .arg(t.de().x())
        .arg(t.de().y())
        .arg(t.a().x())
        .arg(t.a().y())
        .arg(trait);
}

} // namespace

QString TCanevasEnregistre::releve() const {
    QStringList lignes;
    for (const TTrace& t : m_traces) {
        const QString page = QStringLiteral("p%1 ").arg(t.page);
        switch (t.genre) {
        case TTrace::Genre::Texte:
            lignes << page + QStringLiteral("texte %1,%2 %3 %4%5 \"%6\"")
                                 .arg(t.de().x())
                                 .arg(t.de().y())
                                 .arg(t.police)
                                 .arg(t.taille)
                                 .arg(t.gras ? QStringLiteral(" gras") : QString(), t.texte);
            break;
        case TTrace::Genre::Ligne:
            lignes << page + segment(QStringLiteral("ligne"), t,
                                     QStringLiteral("trait %1").arg(t.epaisseur));
            break;
        case TTrace::Genre::Rectangle:
            lignes << page + segment(QStringLiteral("rectangle"), t,
                                     QStringLiteral("trait %1").arg(t.epaisseur));
            break;
        case TTrace::Genre::Remplissage:
            lignes << page + segment(QStringLiteral("fond"), t, t.couleur.name());
            break;
        }
    }
    return lignes.join(u'\n') + u'\n';
}
