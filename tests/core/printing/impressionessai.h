#pragma once

#include "printing/impdocument.h"
#include "printing/tcanevasenregistre.h"

#include <QList>
#include <QString>
#include <QTest>

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
