#pragma once

#include <QByteArray>

// Cuts RTF bytes into groups, control words, control symbols and text bytes. It never fails:
// whatever the bytes, every call gives the next token, then Fin for ever.
class LexiqueRtf {
public:
    enum class Genre { Ouvre, Ferme, Mot, Symbole, Hexa, Texte, Fin };

    struct Jeton {
        Genre genre = Genre::Fin;
        QByteArray mot;          // Mot: the control word's letters
        bool aParametre = false; // Mot: a number followed the letters
        int parametre = 0;       // Mot: the number, kept within 32 bits
        char octet = 0;          // Symbole: the character after '\'; Hexa, Texte: the byte
    };

    explicit LexiqueRtf(const QByteArray& octets, qsizetype debut = 0)
        : m_octets(octets), m_position(debut) {}

    Jeton suivant();
    // Passes over the raw bytes of \binN.
    void saute(qsizetype nombre);
    // How many bytes are read.
    qsizetype position() const { return m_position; }

    // Longest control word kept; the letters beyond are read and dropped.
    static constexpr int LongueurMotMax = 32;

private:
    Jeton motDeControle();
    int chiffreHexa(qsizetype position) const;

    const QByteArray& m_octets;
    qsizetype m_position;
};
