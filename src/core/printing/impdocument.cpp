#include "impdocument.h"

#include "cadres.h"
#include "pagesdocument.h"

namespace {

using S = SorteImprimee;

QString titre(S sorte) {
    switch (sorte) {
    case S::Quittance:
        return QStringLiteral("Quittance de loyer");
    case S::Avis:
        return QStringLiteral("Avis d'échéance");
    case S::Recu:
        break;
    }
    return QString();
}

QString numero(const TDocumentImprime& d) {
    switch (d.sorte) {
    case S::Quittance:
        return QStringLiteral("Quittance N° ") + d.numero;
    case S::Avis:
        return QStringLiteral("Avis N° ") + d.numero;
    case S::Recu:
        break;
    }
    return d.genre.trimmed() + QStringLiteral(" N° ") + d.numero;
}

// The two lines at the foot of receipts and notices.
std::array<QString, 2> mentions(S sorte) {
    if (sorte == S::Avis)
        return {QStringLiteral("Cet avis ne doit en aucun cas servir de quittance, cette dernière"),
                QStringLiteral("pourra vous être remise après règlement.")};
    return {QStringLiteral("La présente quittance ne libère l'occupant que pour la période"),
            QStringLiteral("indiquée. Elle n'est pas libératoire des loyers antérieurs impayés")};
}

void enTete(TFeuille& f, const TDocumentImprime& d) {
    if (d.sorte != S::Recu) {
        f.police(14, true);
        f.texte(116, 40, titre(d.sorte));
    }
    f.police(10, true);
    for (int i = 0; i < 4; ++i)
        f.texte(116, 60 + 5 * i, d.coordonnees[i]);
    f.police(12, true);
    if (d.sorte != S::Recu) {
        f.texte(20, 69, QStringLiteral("Mois ") + d.mois);
        f.texte(20, 74, QStringLiteral("Du ") + d.du + QStringLiteral(" au ") + d.au);
    }
    if (d.sorte != S::Avis)
        f.texte(20, 79, QStringLiteral("Règlement : ") + d.mode);
    f.texte(20, 84, numero(d));
    f.texte(116, 84, QStringLiteral("Date ") + d.date);
}

void ligne(TFeuille& f, const TLigneImprimee& l, int y) {
    f.police(10);
    f.texte(17, y, l.designation);
    f.texteDroite(191, y, l.montant.trimmed());
}

void totaux(TFeuille& f, const TDocumentImprime& d) {
    f.police(12, true);
    if (d.sorte == S::Recu)
        f.texte(20, 248, d.enLettres);
    else
        f.texte(124, 254, QStringLiteral("Total "));
    f.texteDroite(189, 248, d.totalEuros + QStringLiteral(" Euros"));
    f.texteDroite(189, 261, d.totalFrancs + QStringLiteral(" Francs"));
    if (d.sorte == S::Recu)
        return;
    const std::array<QString, 2> m = mentions(d.sorte);
    f.police(8);
    f.texte(17, 248, m[0]);
    f.texte(17, 252, m[1]);
}

} // namespace

void ImprimeDocument(TCanevas& canevas, const TDocumentImprime& d, int typePapier,
                     const TProprietaire& proprietaire) {
    TFeuille feuille(canevas);
    TDocumentPagine pages;
    pages.cadre = d.sorte == S::Recu ? Dessin7 : Dessin;
    pages.entete = [&](TFeuille& f) { EnTete(f, proprietaire); };
    pages.enTeteDocument = [&](TFeuille& f) { enTete(f, d); };
    pages.ligne = [&](TFeuille& f, int k, int y) { ligne(f, d.lignes[k], y); };
    pages.totaux = [&](TFeuille& f) { totaux(f, d); };
    pages.nbLignes = lignesRemplies(d.lignes, [](const TLigneImprimee& l) {
        return l.designation.isEmpty() && l.montant.trimmed().isEmpty();
    });
    if (d.sorte != S::Recu)
        pages.memo = d.memo;
    imprimePages(feuille, pages, typePapier);
}

TTravailImpression travailDocument(const TDocumentImprime& document, int typePapier,
                                   const TProprietaire& proprietaire) {
    const QString titreTravail = document.sorte == S::Recu
                                     ? numero(document)
                                     : titre(document.sorte) + u' ' + document.numero;
    return {titreTravail, TOrientation::Portrait, [=](TCanevas& canevas) {
                ImprimeDocument(canevas, document, typePapier, proprietaire);
            }};
}
