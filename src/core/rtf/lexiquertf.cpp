#include "core/rtf/lexiquertf.h"

#include <limits>

namespace {

bool lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void LexiqueRtf::saute(qsizetype nombre) {
    if (nombre > 0)
        m_position += std::min(nombre, m_octets.size() - m_position);
}

int LexiqueRtf::chiffreHexa(qsizetype position) const {
    if (position >= m_octets.size())
        return -1;
    const char c = m_octets[position];
    if (chiffre(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

LexiqueRtf::Jeton LexiqueRtf::suivant() {
    Jeton jeton;
    if (m_position >= m_octets.size())
        return jeton;
    const char c = m_octets[m_position++];
    if (c == '{') {
        jeton.genre = Genre::Ouvre;
    } else if (c == '}') {
        jeton.genre = Genre::Ferme;
    } else if (c != '\\') {
        jeton.genre = Genre::Texte;
        jeton.octet = c;
    } else if (m_position >= m_octets.size()) {
        return jeton;
    } else if (lettre(m_octets[m_position])) {
        return motDeControle();
    } else {
        jeton.genre = Genre::Symbole;
        jeton.octet = m_octets[m_position++];
        if (jeton.octet == '\'') {
            // Two hexadecimal digits give one byte; a broken escape, with its digit, gives
            // nothing.
            const int fort = chiffreHexa(m_position);
            const int faible = fort < 0 ? -1 : chiffreHexa(m_position + 1);
            if (faible >= 0) {
                jeton.genre = Genre::Hexa;
                jeton.octet = char(fort * 16 + faible);
                m_position += 2;
            } else if (fort >= 0) {
                ++m_position;
            }
        }
    }
    return jeton;
}

LexiqueRtf::Jeton LexiqueRtf::motDeControle() {
    Jeton jeton;
    jeton.genre = Genre::Mot;
    const qsizetype taille = m_octets.size();
    const qsizetype debut = m_position;
    while (m_position < taille && lettre(m_octets[m_position]))
        ++m_position;
    jeton.mot = m_octets.mid(debut, std::min<qsizetype>(m_position - debut, LongueurMotMax));

    bool negatif = false;
    if (m_position + 1 < taille && m_octets[m_position] == '-' &&
        chiffre(m_octets[m_position + 1])) {
        negatif = true;
        ++m_position;
    }
    if (m_position < taille && chiffre(m_octets[m_position])) {
        constexpr qint64 limite = std::numeric_limits<int>::max();
        qint64 valeur = 0;
        while (m_position < taille && chiffre(m_octets[m_position])) {
            valeur = std::min(limite, valeur * 10 + (m_octets[m_position] - '0'));
            ++m_position;
        }
        jeton.aParametre = true;
        jeton.parametre = int(negatif ? -valeur : valeur);
    }
    if (m_position < taille && m_octets[m_position] == ' ')
        ++m_position;
    return jeton;
}
