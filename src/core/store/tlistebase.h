#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A tagged line read from a block: "MEMO", "DATA", "QUIT"... and its value (cut to 255).
struct TLigneTag {
    QString tag;
    QString valeur;
};

// What Read gives back of one block.
struct TBlocLu {
    bool trouve = false;
    QStringList champs;    // field lines 1..n; empty past the block's end
    QList<TLigneTag> tags; // tagged lines of the walk, in order
};

// One base of the dossier: an ordered list of text lines holding blocks
// "<BLOCnnnn>" ... "</BLOCnnnn>", with its block count and the key shown on its page.
class TListeBase {
public:
    static constexpr int MaxBlocs = 9999;
    static constexpr int MaxTag = 255;

    // The line list.
    qsizetype lineCount() const { return m_lines.size(); }
    const QString& line(qsizetype i) const { return m_lines.at(i); }
    const QStringList& lines() const { return m_lines; }
    void setLine(qsizetype i, const QString& text);
    void append(const QString& text);
    void insert(qsizetype i, const QString& text);
    void removeAt(qsizetype i);
    void clear();
    void assign(const QStringList& lines);
    // Index of the first line equal to `text`, letter case not significant; -1 if none.
    qsizetype indexOf(const QString& text) const;
    void load(const QString& path);
    // Replaces the content by the lines of a file's bytes (TextFile::decodeLines), working out
    // where the blocks stand while the lines are decoded rather than in a pass of its own.
    void assignBytes(const QByteArray& bytes);

    // Keys and structural lines.
    static QString keyText(int key);
    static QString openingLine(int key);
    static QString closingLine(int key);
    static bool opensBlock(const QString& line) { return beginsWith(line, "<BLOC"); }
    static bool closesBlock(const QString& line) { return beginsWith(line, "</BLOC"); }
    // The key of an opening or closing line; -1 when its digits are not a number.
    static int openingKey(const QString& line);
    static int closingKey(const QString& line);

    // The three primitives.
    qsizetype find(int key) const;
    // Replaces block `key` by `body` (the lines between its opening and closing lines) in
    // place, or appends it when the base has no such block. Returns true when appended.
    bool store(int key, const QStringList& body);
    // Field lines 1..fieldCount, then the tagged lines at offsets walkFrom..walkTo.
    TBlocLu read(int key, int fieldCount, int walkFrom, int walkTo) const;

    // The "DATA" lines of a grid: each row's cells joined with TAB, up to the first row whose
    // joined text is shorter than 10 characters.
    static QStringList lignesGrille(const QList<QStringList>& rows);
    // The cells of a "DATA" value: the texts between the first cellCount - 1 TABs, then the rest.
    static QStringList cellules(const QString& valeur, int cellCount);

    int countBlocks() const;
    // One more than the largest number on the first field line of a block, from 10000.
    int nextNumber() const;

    // Block count and current key (NbLocataires / LocataireCourant and their kin).
    int nb = 0;
    int courant = 0;

    // Maintenance.
    void supprime(int key);
    void renum(int deletedKey);
    void supBloc(int key);
    void doublons();
    bool verif();
    void squize();

private:
    // Whether `line` begins with the ASCII `prefix`, letter case significant. Every pass over a
    // base asks this of each line, so it stays inline.
    template <qsizetype N> static bool beginsWith(const QString& line, const char (&prefix)[N]) {
        if (line.size() < N - 1)
            return false;
        const QChar* text = line.constData();
        for (qsizetype i = 0; i < N - 1; ++i)
            if (text[i] != QLatin1Char(prefix[i]))
                return false;
        return true;
    }
    // A line that opens or closes a block, with what the passes over a base ask of it.
    struct Marque {
        qsizetype ligne;
        int cle;     // its key (openingKey or closingKey), -1 when not four digits
        bool ouvre;  // an opening line, else a closing one
        bool exacte; // a closing line of exactly "</BLOC" + four characters + ">"
    };
    // Where the blocks stand: the lines that open or close a block, in list order, and the
    // first opening line of each key text "0000".."9999" (letter case not significant, -1 for
    // none). Worked out in one pass on the first need after a change, so that loading,
    // counting, numbering and finding neither walk every line again nor read the scattered
    // texts of the structural ones.
    struct Structure {
        QList<Marque> marques;
        QList<qsizetype> parCle;
    };
    const Structure& structure() const;
    void marque(qsizetype index, const QString& line) const;
    void invalidate() { m_structureValid = false; }
    void deleteBlockAt(qsizetype index, const QString& closing);

    QStringList m_lines;
    mutable Structure m_structure;
    mutable bool m_structureValid = false;
};
