#include "core/printing/impdocument.h"

#include "core/printing/cadres.h"
#include "core/printing/pagesdocument.h"

namespace {

using S = SorteImprimee;

// The widths of the header's texts: left of the coordinates, and from them to the frame's edge.
constexpr int LargeurGauche = 94;
constexpr int LargeurDroite = 79;

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
        f.texteDans(116, 60 + 5 * i, LargeurDroite, d.coordonnees[i]);
    f.police(12, true);
    if (d.sorte != S::Recu) {
        f.texteDans(20, 69, LargeurGauche, QStringLiteral("Mois ") + d.mois);
        f.texteDans(20, 74, LargeurGauche,
                    QStringLiteral("Du ") + d.du + QStringLiteral(" au ") + d.au);
    }
    if (d.sorte != S::Avis)
        f.texteDans(20, 79, LargeurGauche, QStringLiteral("Règlement : ") + d.mode);
    f.texteDans(20, 84, LargeurGauche, numero(d));
    f.texteDans(116, 84, LargeurDroite, QStringLiteral("Date ") + d.date);
}

void ligne(TFeuille& f, const TLigneImprimee& l, int y) {
    f.police(10);
    f.texteDans(17, y, 136, l.designation);
    f.texteDroiteDans(191, y, 34, l.montant.trimmed());
}

void totaux(TFeuille& f, const TDocumentImprime& d) {
    f.police(12, true);
    // The amount in words stays left of the totals' box, on four lines at most.
    if (d.sorte == S::Recu)
        f.paragraphe(20, 248, 118, 5, 4, d.enLettres);
    else
        f.texte(124, 254, QStringLiteral("Total "));
    f.texteDroiteDans(189, 248, 47, d.totalEuros + QStringLiteral(" Euros"));
    f.texteDroiteDans(189, 261, 47, d.totalFrancs + QStringLiteral(" Francs"));
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
    pages.cadre = [&](TFeuille& f, int) { d.sorte == S::Recu ? Dessin7(f) : Dessin(f); };
    pages.entete = [&](TFeuille& f) { EnTete(f, proprietaire); };
    pages.enTeteDocument = [&](TFeuille& f) { enTete(f, d); };
    pages.ligne = [&](TFeuille& f, int k, int y) { ligne(f, d.lignes[k], y); };
    pages.totaux = [&](TFeuille& f) { totaux(f, d); };
    pages.nbLignes = lignesRemplies(d.lignes, [](const TLigneImprimee& l) {
        return l.designation.isEmpty() && l.montant.trimmed().isEmpty();
    });
    if (d.sorte != S::Recu)
        pages.memo = d.memo;
    pages.largeurMemo = 131;
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
