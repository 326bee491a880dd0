#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
// A base read from a file keeps that file's bytes and where each line lies in them: a line is
// decoded when it is read, and a line left unchanged is written back as the bytes it was read
// from.
class TListeBase {
public:
    static constexpr int MaxBlocs = 9999;
    static constexpr int MaxTag = 255;
    // The largest file a base can be: its blocks at most, each read over at most 200 lines
    // after its opening line and closed by the next, every line a tag and its longest value
    // ended by CR LF. A larger file is no base and is refused before it is read.
    static constexpr qint64 MaxLignesBloc = 202;
    static constexpr qint64 MaxOctetsLigne = 4 + MaxTag + 2;
    static constexpr qint64 MaxOctetsFichier = MaxBlocs * MaxLignesBloc * MaxOctetsLigne;
    // The bytes of a base's file, refused past MaxOctetsFichier.
    static QByteArray octetsFichier(const QString& path);

    // The line list.
    qsizetype lineCount() const { return m_lignes.size(); }
    QString line(qsizetype i) const { return texte(m_lignes.at(i)); }
    QStringList lines() const;
    // A base changes only through whole blocks (store and the maintenance below) or as a
    // whole: emptied, or its lines replaced, as reading a file does.
    void clear();
    void assign(const QStringList& lines);
    void load(const QString& path);
    // Replaces the content by the lines of a file's bytes (cut as TextFile reads them), working
    // out where the blocks stand in the same pass, without decoding a line.
    void assignBytes(const QByteArray& bytes);
    // The file of the base: every line in the code page, ended by CR LF. The message naming
    // `pathForMessages` when a line has no bytes in the code page.
    QByteArray bytes(const QString& pathForMessages) const;

    // Keys and structural lines.
    static QString keyText(int key);
    static QString openingLine(int key);
    static QString closingLine(int key);
    // The block grammar, the one every pass over a base follows. A line that begins with
    // "<BLOC" or "</BLOC", exactly so, in capitals, is structural: it opens or closes a block.
    // Any other line is content, "<Blocage SA>" included. A structural line is sound when it
    // is its word, four digits and ">"; any other is damaged, and loading rebuilds the base
    // around it.
    enum class Sorte { Contenu, Ouverture, Fermeture };
    struct Analyse {
        Sorte sorte = Sorte::Contenu;
        int cle = -1;       // the key of its four digits, -1 when they are not four digits
        bool saine = false; // exactly the line that the key gives
    };
    static Analyse analyse(const QString& line);
    // Refuses, with its message, a text that cannot be a line of a block: one that holds a
    // line break or would be read as a structural line.
    static void verifieLigne(const QString& line);
    // A typed or pasted text made one line: each line break becomes a blank. In a grid cell a
    // TAB becomes a blank too, since TAB separates the cells of a stored row.
    static QString surUneLigne(QString texte);
    static QString celluleGrille(QString texte);

    // The three primitives.
    qsizetype find(int key) const;
    // Replaces block `key` by `body` (the lines between its opening and closing lines) in
    // place, or appends it when the base has no such block; the document bases always append,
    // so that a rewritten document moves to the end. Returns true when appended. A body line
    // that verifieLigne refuses stops it before anything changes.
    enum class Place { SurPlace, EnFin };
    bool store(int key, const QStringList& body, Place place = Place::SurPlace);
    // Field lines 1..fieldCount, then the tagged lines from offset walkFrom to the block's end.
    TBlocLu read(int key, int fieldCount, int walkFrom) const;

    // The blocks of the base by their sound opening lines, in list order.
    struct Position {
        int cle;
        qsizetype ligne;
    };
    QList<Position> blocs() const;
    // The field and tagged lines of the block opening at `ouverture` run from the next line up
    // to this index (excluded).
    qsizetype finContenu(qsizetype ouverture) const { return etendue(ouverture).finContenu; }
    // Line `ligne` (from 1) of the block opening at `ouverture`; empty past its content.
    QString champ(qsizetype ouverture, int ligne) const;

    // The "DATA" lines of a grid: each row's cells joined with TAB, up to the first row whose
    // joined text is shorter than 10 characters.
    static QStringList lignesGrille(const QList<QStringList>& rows);
    // The "MEMO" lines of a memo: a line longer than a tag can hold goes over several lines, so
    // that nothing typed is cut when the block is read back.
    static QStringList lignesMemo(const QStringList& memo);
    // The cells of a "DATA" value: the texts between the first cellCount - 1 TABs, then the rest.
    static QStringList cellules(const QString& valeur, int cellCount);

    int countBlocks() const;
    // One more than the largest number on the first field line of a block, from 10000. The
    // conversion message when a first field is not a whole number, or is the largest one.
    int nextNumber() const;

    // The largest number written after `tag` on the line that follows a block's sound opening
    // line; none when no such line has one. The conversion message when one is not a whole
    // number. Kept from one call to the next while blocks are only added at the end, so that
    // numbering a run of new documents does not walk the base for each.
    std::optional<int> plusGrandNumero(const QString& tag) const;

    // One more than the largest key of the base's blocks (NbLocataires and its kin): the keys
    // of a sound base run from 0 below it, and a new block takes it. The base keeps it itself.
    int nb() const { return structure().finCles; }
    // The key of the record the base's page shows (LocataireCourant and its kin), past the
    // last block while a new one is typed, and the move to another.
    int courant() const { return m_courant; }
    void allerA(int cle) { m_courant = cle; }

    // Maintenance.
    void supprime(int key);
    void renum(int deletedKey);
    void supBloc(int key);
    // Keeps the last copy of every key found more than once; true when a copy went.
    bool doublons();
    // Rebuilds a base whose structure is not sound; true when it did.
    bool verif();
    void squize();

private:
    // A structural line, with what the passes over a base ask of it.
    struct Marque {
        qsizetype ligne;
        int cle;
        bool ouvre; // an opening line, else a closing one
        bool saine;
    };
    // Where the blocks stand: the structural lines in list order, and the first sound opening
    // line of each key 0..9999 (-1 for none). Worked out in one pass on the first need after a
    // change, so that loading, counting, numbering and finding neither walk every line again
    // nor read the scattered texts of the structural ones.
    struct Structure {
        QList<Marque> marques;
        QList<qsizetype> parCle = QList<qsizetype>(10000, -1);
        int finCles = 0;
    };
    const Structure& structure() const;
    // A line of the base: `longueur` bytes of the file from `valeur`; or, with a negative
    // `longueur`, the text m_textes[valeur] or the opening or closing line of key `valeur`.
    struct Ligne {
        quint32 valeur;
        qint32 longueur;
    };
    static constexpr qint32 Texte = -1;
    static constexpr qint32 Ouvrante = -2;
    static constexpr qint32 Fermante = -3;
    Ligne nouvelle(const QString& text);
    static Ligne structurale(int key, bool ouvre);
    QString texte(const Ligne& l) const;
    // Whether line `l` is bytes of the file read, ended there by CR LF; whether every line is,
    // each where the one before ends: the base is then its file's bytes themselves.
    bool finieParCrLf(const Ligne& l) const;
    bool telQueLu() const;
    qsizetype taille(const Ligne& l) const;
    Analyse analyse(const Ligne& l) const;
    // Takes lines out, counting the texts they leave unused; the texts are gathered again once
    // unused ones are the most, so that a base edited for long does not keep every old text.
    void retire(qsizetype index, qsizetype count);
    void oublie(const Ligne& l);
    void ramasse();
    void marque(qsizetype index, const Analyse& a) const;
    // Takes out the block opening at `at`, and puts one of `taille` lines there, keeping the
    // structure up to date when it is known: editing a record of a full base does not walk
    // every line again.
    void retireBloc(qsizetype at);
    // The place in the structure of the first structural line at or after `ligne`.
    qsizetype rangMarque(qsizetype ligne) const;
    void inscritBloc(qsizetype at, qsizetype taille, int key) const;
    void invalidate() {
        m_structureValid = false;
        m_numeros.valide = false;
    }
    // What plusGrandNumero found, for its tag.
    struct Numeros {
        bool valide = false;
        QString tag;
        std::optional<int> plusGrand;
    };
    void noteNumero(qsizetype ouverture) const;
    // Where the block opening at `index` ends: its field and tagged lines run up to the next
    // structural line (or the list's end); the block takes that line too when it is the
    // closing line of its key.
    struct Etendue {
        qsizetype finContenu;
        qsizetype fin;
    };
    Etendue etendue(qsizetype index) const;

    QByteArray m_octets;
    QList<Ligne> m_lignes;
    QStringList m_textes;
    qsizetype m_textesOublies = 0;
    int m_courant = 0;
    mutable Structure m_structure;
    mutable bool m_structureValid = false;
    mutable Numeros m_numeros;
};
