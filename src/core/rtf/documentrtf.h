#pragma once

#include <QList>
#include <QString>

// A letter as the word processor holds it, in the units of its RTF files: indents in twips
// (1/20 point), font sizes in half points.

struct TCaractere {
    static inline const QString PoliceParDefaut = QStringLiteral("Times New Roman");

    QString police = PoliceParDefaut;
    int demiPoints = 24;
    bool gras = false;
    bool italique = false;
    bool souligne = false;

    bool operator==(const TCaractere&) const = default;
};

// A run of text in one format.
struct TFragment {
    QString texte;
    TCaractere format;

    bool operator==(const TFragment&) const = default;
};

enum class Alignement { Gauche, Centre, Droite, Justifie };

// The room of a list paragraph's bullet, in twips.
constexpr int RetraitPuce = 360;

struct TParagraphe {
    Alignement alignement = Alignement::Gauche;
    // The first line starts at retraitGauche + retraitPremiere; the other lines at
    // retraitGauche. The bullet of a list paragraph hangs before its text: in the file its
    // \li is RetraitPuce more and its \fi RetraitPuce less.
    int retraitPremiere = 0;
    int retraitGauche = 0;
    int retraitDroit = 0;
    bool puce = false;
    // Neighbouring fragments never share a format; a tab is '\t', a line break inside the
    // paragraph U+2028.
    QList<TFragment> fragments;
    // The format of the paragraph's end, which an empty paragraph is written in.
    TCaractere marque;

    QString texte() const;
    // Appends text, joined to the last fragment when it has the same format.
    void ajoute(const QString& texte, const TCaractere& format);

    bool operator==(const TParagraphe&) const = default;
};

// Never empty once read: a letter has at least one paragraph.
struct TDocumentRtf {
    QList<TParagraphe> paragraphes;

    QString texte() const; // the paragraphs' texts, one per line

    bool operator==(const TDocumentRtf&) const = default;
};
