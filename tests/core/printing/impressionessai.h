#pragma once

#include "core/printing/impdocument.h"
#include "core/printing/tcanevasenregistre.h"

#include <QList>
#include <QString>
#include <QTest>

#include <cmath>
#include <utility>

// On the 600-dpi printer of the recording canvas, 23 pixels a millimetre both ways; Mv places
// every line 3 mm lower.
inline int mh(int x) {
    return 23 * x;
}
inline int mv(int y) {
    return 23 * (y + 3);
}

// The texts of a page that begin at x, y mm.
inline QStringList textesA(const TCanevasEnregistre& c, int x, int y, int page = 1) {
    QStringList t;
    for (const TTrace& trace : c.textes(page))
        if (trace.de() == QPoint(mh(x), mv(y)))
            t << trace.texte;
    return t;
}

// The owner of the examples.
inline TProprietaire proprietaireEssai(const QString& siret = "123 456 789 00012",
                                       const QString& rc = "Paris B 123") {
    return {"Martin Immobilier",
            "3 place du Marché",
            "Bâtiment B",
            "69001 Lyon",
            "04 78 00 00 00",
            siret,
            rc};
}

// A receipt of three rows and an empty fourth, with a memo of two lines.
inline TDocumentImprime quittanceEssai() {
    TDocumentImprime d;
    d.sorte = SorteImprimee::Quittance;
    d.numero = "202612001";
    d.date = "10/12/2026";
    d.coordonnees = {"Dupré", "12 rue des Lilas", "", "75005 Paris"};
    d.mois = "Décembre 2026";
    d.du = "01/12/2026";
    d.au = "31/12/2026";
    d.mode = "Chèque";
    d.lignes = {{"Loyer mensuel", "      450,00"},
                {"Provision pour charges", "       50,00"},
                {"APL", "     -100,00"},
                {"", ""}};
    d.totalEuros = "400,00";
    d.totalFrancs = "2623,83";
    d.memo = {"Merci", "Bonne année"};
    return d;
}

// Fails when two texts of a page overlap.
inline void verifieSansChevauchement(const TCanevasEnregistre& c) {
    for (int page = 1; page <= c.pages(); ++page) {
        const QList<TTrace> textes = c.textes(page);
        for (int i = 0; i < textes.size(); ++i)
            for (int j = i + 1; j < textes.size(); ++j)
                if (!textes[i].texte.isEmpty() && !textes[j].texte.isEmpty() &&
                    textes[i].boite.intersects(textes[j].boite))
                    QFAIL(qPrintable(QString("page %1: \"%2\" overlaps \"%3\"")
                                         .arg(page)
                                         .arg(textes[i].texte, textes[j].texte)));
    }
}

// The part of a text's box its characters cover, without its leading and trailing blanks: on
// the recording canvas every character of a text has the same width.
inline QRect encre(const TTrace& t) {
    const QString& s = t.texte;
    qsizetype debut = 0;
    while (debut < s.size() && s[debut] == u' ')
        ++debut;
    qsizetype fin = s.size();
    while (fin > debut && s[fin - 1] == u' ')
        --fin;
    if (fin <= debut)
        return QRect();
    const double parCaractere = double(t.boite.width()) / double(s.size());
    const int gauche = t.boite.x() + int(std::lround(double(debut) * parCaractere));
    const int droite = t.boite.x() + int(std::lround(double(fin) * parCaractere));
    return QRect(gauche, t.boite.y(), droite - gauche, t.boite.height());
}

// Whether the segment from `de` to `a`, upright or level, runs through the inside of `boite`.
inline bool traverse(QPoint de, QPoint a, const QRect& boite) {
    const int gauche = boite.x();
    const int droite = boite.x() + boite.width();
    const int haut = boite.y();
    const int bas = boite.y() + boite.height();
    if (de.x() == a.x())
        return gauche < de.x() && de.x() < droite && std::min(de.y(), a.y()) < bas &&
               std::max(de.y(), a.y()) > haut;
    if (de.y() == a.y())
        return haut < de.y() && de.y() < bas && std::min(de.x(), a.x()) < droite &&
               std::max(de.x(), a.x()) > gauche;
    return false;
}

// Every fault of a recorded layout: two texts of a page that overlap, a text that a column
// rule or the outline of a box runs through, a text beyond the page's edges. Blank texts are
// not looked at.
inline QStringList defautsMiseEnPage(const TCanevasEnregistre& c) {
    QStringList defauts;
    const QRect pageEntiere(QPoint(0, 0), c.taillePixels());
    for (int page = 1; page <= c.pages(); ++page) {
        QList<TTrace> textes;
        for (const TTrace& t : c.textes(page))
            if (!encre(t).isEmpty())
                textes.append(t);
        QList<std::pair<QPoint, QPoint>> traits;
        for (const TTrace& t : c.traces()) {
            if (t.page != page)
                continue;
            if (t.genre == TTrace::Genre::Ligne) {
                traits.append({t.de(), t.a()});
            } else if (t.genre == TTrace::Genre::Rectangle) {
                const QPoint hg = t.de();
                const QPoint bd = t.a();
                const QPoint hd(bd.x(), hg.y());
                const QPoint bg(hg.x(), bd.y());
                traits.append({{hg, hd}, {hd, bd}, {bg, bd}, {hg, bg}});
            }
        }
        const QString ici = QStringLiteral("page %1: \"%2\" ").arg(page);
        for (int i = 0; i < textes.size(); ++i) {
            const QRect boite = encre(textes[i]);
            if (!pageEntiere.contains(boite))
                defauts << ici.arg(textes[i].texte) + "goes beyond the page";
            for (int j = i + 1; j < textes.size(); ++j)
                if (boite.intersects(encre(textes[j])))
                    defauts << ici.arg(textes[i].texte) + "overlaps \"" + textes[j].texte + "\"";
            for (const auto& [de, a] : traits)
                if (traverse(de, a, boite))
                    defauts << ici.arg(textes[i].texte) +
                                   QStringLiteral("crosses the rule %1,%2 %3,%4")
                                       .arg(de.x())
                                       .arg(de.y())
                                       .arg(a.x())
                                       .arg(a.y());
        }
    }
    return defauts;
}
