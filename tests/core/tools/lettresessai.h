#pragma once

#include "core/rtf/documentrtf.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Letters to read back, and a text of a letter that shows every difference in a comparison.

inline QString decrit(const TCaractere& c) {
    return QStringLiteral("%1 %2%3%4%5")
        .arg(c.police)
        .arg(c.demiPoints)
        .arg(c.gras ? " gras" : "", c.italique ? " italique" : "", c.souligne ? " souligné" : "");
}

inline QString decrit(const TDocumentRtf& document) {
    QStringList lignes;
    for (const TParagraphe& p : document.paragraphes) {
        lignes << QStringLiteral("¶ align %1 premiere %2 gauche %3 droit %4%5 [%6]")
                      .arg(int(p.alignement))
                      .arg(p.retraitPremiere)
                      .arg(p.retraitGauche)
                      .arg(p.retraitDroit)
                      .arg(p.puce ? " puce" : "", decrit(p.marque));
        for (const TFragment& f : p.fragments)
            lignes << QStringLiteral("  «%1» %2").arg(f.texte, decrit(f.format));
    }
    return lignes.join(u'\n');
}

inline TCaractere car(const QString& police = TCaractere::PoliceParDefaut, int demiPoints = 24,
                      bool gras = false, bool italique = false, bool souligne = false) {
    return {police, demiPoints, gras, italique, souligne};
}

inline TParagraphe para(QList<TFragment> fragments, Alignement alignement = Alignement::Gauche,
                        int premiere = 0, int gauche = 0, int droit = 0, bool puce = false) {
    TParagraphe p;
    p.alignement = alignement;
    p.retraitPremiere = premiere;
    p.retraitGauche = gauche;
    p.retraitDroit = droit;
    p.puce = puce;
    p.fragments = fragments;
    p.marque = fragments.isEmpty() ? car() : fragments.last().format;
    return p;
}

inline TParagraphe para(const QString& texte, Alignement alignement = Alignement::Gauche) {
    return para(texte.isEmpty() ? QList<TFragment>() : QList<TFragment>{{texte, car()}},
                alignement);
}

// Each letter with what sets it apart.
inline QList<std::pair<const char*, TDocumentRtf>> lettresEssai() {
    const TCaractere gras = car(TCaractere::PoliceParDefaut, 24, true);
    const TCaractere italique = car(TCaractere::PoliceParDefaut, 24, false, true);
    const TCaractere souligne = car(TCaractere::PoliceParDefaut, 24, false, false, true);
    const TCaractere tout = car(QStringLiteral("Arial"), 28, true, true, true);
    return {
        {"bold, italic, underline",
         {{para({{"Normal ", car()},
                 {"gras", gras},
                 {" italique", italique},
                 {" souligné", souligne},
                 {" les trois", tout}})}}},
        {"alignments",
         {{para("à gauche"), para("centré", Alignement::Centre),
           para("à droite", Alignement::Droite), para("justifié", Alignement::Justifie)}}},
        {"indents",
         {{para({{"retrait de première ligne", car()}}, Alignement::Gauche, 709),
           para({{"paragraphe en retrait", car()}}, Alignement::Gauche, -360, 720, 1440)}}},
        {"bullets",
         {{para("Charges :"), para({{"eau", car()}}, Alignement::Gauche, 0, 0, 0, true),
           para({{"chauffage", car()}}, Alignement::Gauche, 0, 360, 0, true), para("Merci."),
           para({{"seule", car()}}, Alignement::Droite, 0, 0, 0, true)}}},
        {"accents and euro",
         {{para("Hélène Noël, œuvre, ça, « 1 200 € »"), para("ÀÉÈÊËÎÏÔÙÛÜŸÇ àéèêëîïôùûüÿç")}}},
        {"beyond Windows-1252", {{para("Ω ≠ ∞, 日本, 😀")}}},
        {"characters of RTF",
         {{para(QStringLiteral("a\\b{c}d\tt") + QChar(0x2028) + QStringLiteral("suite"))}}},
        {"fonts and sizes",
         {{para({{"Arial dix", car("Arial", 20)},
                 {"Courier dix-huit", car("Courier New", 36)},
                 {"demi", car("Liberation Sans", 21)},
                 {"accentuée", car("Police Épreuve", 24)}})}}},
        {"empty paragraphs",
         {{para(""), para({{"milieu", car("Arial", 32)}}), para(QString()),
           para(QList<TFragment>{}, Alignement::Centre)}}},
        {"empty letter", {{para("")}}},
    };
}
