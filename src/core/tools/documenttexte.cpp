#include "core/tools/documenttexte.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace DocumentTexte {

namespace {

// Twips in a pixel of the document, at 96 pixels to the inch.
constexpr double TwipsParPixel = 15.0;
// The gutter each side of the text.
constexpr int Gouttiere = 6;

double enPixels(int twips) {
    return twips / TwipsParPixel;
}

int enTwips(double pixels) {
    return int(std::lround(pixels * TwipsParPixel));
}

// Paragraphs put in the document between two reports of the filling's progress.
constexpr qsizetype ParagraphesParSuivi = 1024;

// The window resolves each font family of a document at a cost that grows with their number: a
// letter of many fonts shows its first ones as they are, and the text of the others in the
// default font, the name of its own font kept beside it for the file.
constexpr int PolicesAffichees = 256;
constexpr int PoliceDuFichier = QTextFormat::UserProperty + 1;

// The fonts of a letter, in the order met, as the document shows them.
class Polices {
public:
    bool affichee(const QString& police) {
        if (m_affichees.contains(police))
            return true;
        if (m_affichees.size() >= PolicesAffichees)
            return false;
        m_affichees.insert(police);
        return true;
    }

private:
    QSet<QString> m_affichees;
};

QTextCharFormat formatCaractere(const TCaractere& c, Polices& polices) {
    QTextCharFormat f;
    if (polices.affichee(c.police)) {
        f.setFontFamilies({c.police});
    } else {
        f.setFontFamilies({TCaractere::PoliceParDefaut});
        f.setProperty(PoliceDuFichier, c.police);
    }
    f.setFontPointSize(c.demiPoints / 2.0);
    f.setFontWeight(c.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italique);
    f.setFontUnderline(c.souligne);
    return f;
}

TCaractere caractere(const QTextCharFormat& format, const QFont& parDefaut) {
    const QFont police = format.font().resolve(parDefaut);
    TCaractere c;
    const QStringList familles = police.families();
    c.police = familles.isEmpty() ? police.family() : familles.first();
    if (format.hasProperty(PoliceDuFichier) && c.police == TCaractere::PoliceParDefaut)
        c.police = format.stringProperty(PoliceDuFichier);
    if (police.pointSizeF() > 0)
        c.demiPoints = int(std::lround(police.pointSizeF() * 2));
    else if (police.pixelSize() > 0)
        c.demiPoints = int(std::lround(police.pixelSize() * 1.5));
    c.gras = police.weight() > QFont::Medium;
    c.italique = police.italic();
    c.souligne = police.underline();
    return c;
}

QTextBlockFormat formatParagraphe(const TParagraphe& p) {
    QTextBlockFormat f;
    static const Qt::Alignment alignements[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                Qt::AlignJustify};
    f.setAlignment(alignements[int(p.alignement)]);
    const int gauche = std::max(0, p.retraitGauche);
    f.setLeftMargin(enPixels(gauche));
    f.setTextIndent(enPixels(std::max(p.retraitPremiere, -gauche)));
    f.setRightMargin(enPixels(std::max(0, p.retraitDroit)));
    return f;
}

Alignement alignement(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return Alignement::Centre;
    if (a & (Qt::AlignRight | Qt::AlignTrailing))
        return Alignement::Droite;
    if (a & Qt::AlignJustify)
        return Alignement::Justifie;
    return Alignement::Gauche;
}

QTextListFormat formatPuces() {
    QTextListFormat f;
    f.setStyle(QTextListFormat::ListDisc);
    f.setIndent(1);
    return f;
}

double retraitListe(const QTextBlock& bloc) {
    const QTextList* liste = bloc.textList();
    return liste ? bloc.document()->indentWidth() * liste->format().indent() : 0;
}

QList<QTextBlock> blocsSelectionnes(const QTextCursor& curseur) {
    const QTextDocument* document = curseur.document();
    QList<QTextBlock> blocs;
    const QTextBlock fin = document->findBlock(curseur.selectionEnd());
    for (QTextBlock b = document->findBlock(curseur.selectionStart()); b.isValid(); b = b.next()) {
        blocs.append(b);
        if (b == fin)
            break;
    }
    return blocs;
}

int enPoints(double pixels) {
    return int(std::lround(pixels * 0.75));
}

} // namespace

void prepare(QTextDocument& document) {
    document.setDefaultFont(
        QFont(TCaractere::PoliceParDefaut, TaillePoliceParDefaut, QFont::Normal));
    document.setIndentWidth(enPixels(RetraitPuce));
    document.setDocumentMargin(Gouttiere);
}

void remplit(QTextDocument& document, const TDocumentRtf& lettre,
             const std::function<bool(qsizetype, qsizetype)>& suivi) {
    // Filling the document is not a step that undo takes back.
    const bool annulation = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor curseur(&document);
    curseur.beginEditBlock();
    Polices polices;
    QTextList* liste = nullptr;
    for (qsizetype i = 0; i < lettre.paragraphes.size(); ++i) {
        const TParagraphe& p = lettre.paragraphes[i];
        if (i == 0) {
            curseur.setBlockFormat(formatParagraphe(p));
            curseur.setBlockCharFormat(formatCaractere(p.marque, polices));
        } else {
            curseur.insertBlock(formatParagraphe(p), formatCaractere(p.marque, polices));
        }
        if (!p.puce)
            liste = nullptr;
        else if (liste)
            liste->add(curseur.block());
        else
            liste = curseur.createList(formatPuces());
        for (const TFragment& fragment : p.fragments)
            curseur.insertText(fragment.texte, formatCaractere(fragment.format, polices));
        if (suivi && i % ParagraphesParSuivi == 0 && !suivi(i, lettre.paragraphes.size())) {
            curseur.endEditBlock();
            document.clear();
            document.setUndoRedoEnabled(annulation);
            return;
        }
    }
    curseur.endEditBlock();
    document.setUndoRedoEnabled(annulation);
}

TDocumentRtf lettre(const QTextDocument& document) {
    TDocumentRtf resultat;
    const QFont parDefaut = document.defaultFont();
    for (QTextBlock bloc = document.begin(); bloc != document.end(); bloc = bloc.next()) {
        const QTextBlockFormat f = bloc.blockFormat();
        TParagraphe p;
        p.alignement = alignement(f.alignment());
        p.retraitPremiere = enTwips(f.textIndent());
        // An indent level, as pasted text may have, counts in the left indent.
        p.retraitGauche = enTwips(f.leftMargin() + f.indent() * document.indentWidth());
        p.retraitDroit = enTwips(f.rightMargin());
        p.puce = bloc.textList() != nullptr;
        p.marque = caractere(bloc.charFormat(), parDefaut);
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            // Pictures and other objects stand in the text as U+FFFC; a letter holds none.
            QString texte = it.fragment().text();
            texte.remove(QChar::ObjectReplacementCharacter);
            p.ajoute(texte, caractere(it.fragment().charFormat(), parDefaut));
        }
        resultat.paragraphes.append(p);
    }
    return resultat;
}

void metPuces(QTextCursor& curseur, bool puces) {
    const QList<QTextBlock> blocs = blocsSelectionnes(curseur);
    if (!puces) {
        for (const QTextBlock& bloc : blocs) {
            QTextBlockFormat f = bloc.blockFormat();
            f.setObjectIndex(-1);
            f.setIndent(0);
            QTextCursor(bloc).setBlockFormat(f);
        }
        return;
    }
    QTextList* liste = nullptr;
    for (const QTextBlock& bloc : blocs)
        if (!liste)
            liste = bloc.textList();
    if (!liste) {
        curseur.createList(formatPuces());
        return;
    }
    for (const QTextBlock& bloc : blocs)
        if (!bloc.textList())
            liste->add(bloc);
}

TRetraits retraits(const QTextBlock& bloc) {
    const QTextBlockFormat f = bloc.blockFormat();
    const double gauche = f.leftMargin() + retraitListe(bloc);
    TRetraits r;
    r.premiere = enPoints(gauche + f.textIndent());
    r.gauche = -enPoints(f.textIndent());
    r.droite = enPoints(f.rightMargin());
    return r;
}

void appliqueRetraits(QTextCursor& curseur, const TRetraits& r) {
    const double gauche = (r.premiere + r.gauche) * 4.0 / 3.0 - retraitListe(curseur.block());
    QTextBlockFormat f;
    f.setLeftMargin(std::max(0.0, gauche));
    f.setTextIndent(-r.gauche * 4.0 / 3.0);
    f.setRightMargin(std::max(0, r.droite) * 4.0 / 3.0);
    curseur.mergeBlockFormat(f);
}

} // namespace DocumentTexte
