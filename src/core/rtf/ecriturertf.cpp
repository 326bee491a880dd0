#include "core/rtf/ecriturertf.h"

#include "core/common/cp1252.h"

#include <QHash>
#include <QStringList>

namespace {

class Ecrivain {
public:
    explicit Ecrivain(const TDocumentRtf& document) {
        for (const TParagraphe& paragraphe : document.paragraphes) {
            indexPolice(paragraphe.marque.police);
            for (const TFragment& fragment : paragraphe.fragments)
                indexPolice(fragment.format.police);
        }
        m_symbole = int(m_polices.size());
    }

    QByteArray ecrit(const TDocumentRtf& document) {
        m_sortie = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
        for (int i = 0; i < m_polices.size(); ++i) {
            m_sortie += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            // A ";" ends a font's name: one inside the name is written escaped.
            texte(m_polices[i], true);
            m_sortie += ";}";
        }
        m_sortie += "{\\f" + QByteArray::number(m_symbole) + "\\fnil\\fcharset2 Symbol;}}\r\n";
        m_sortie += "{\\*\\generator Tarvinel 1.0;}\\viewkind4\r\n";
        for (const TParagraphe& paragraphe : document.paragraphes)
            ecritParagraphe(paragraphe);
        m_sortie += "}\r\n";
        return m_sortie;
    }

private:
    int indexPolice(const QString& police) {
        const auto trouvee = m_index.constFind(police);
        if (trouvee != m_index.cend())
            return *trouvee;
        const int index = int(m_polices.size());
        m_polices.append(police);
        m_index.insert(police, index);
        return index;
    }

    void mot(const char* nom, int valeur) {
        m_sortie += '\\';
        m_sortie += nom;
        m_sortie += QByteArray::number(valeur);
    }

    void format(const TCaractere& c) {
        m_sortie += "\\plain";
        mot("f", indexPolice(c.police));
        mot("fs", c.demiPoints);
        if (c.gras)
            m_sortie += "\\b";
        if (c.italique)
            m_sortie += "\\i";
        if (c.souligne)
            m_sortie += "\\ul";
        m_sortie += ' ';
    }

    void ecritParagraphe(const TParagraphe& p) {
        static const char* const alignements[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
        m_sortie += "\\pard";
        m_sortie += alignements[int(p.alignement)];
        int premiere = p.retraitPremiere;
        int gauche = p.retraitGauche;
        if (p.puce) {
            // The Symbol font's dot.
            premiere -= RetraitPuce;
            gauche += RetraitPuce;
            const QByteArray symbole = QByteArray::number(m_symbole);
            m_sortie += "{\\pntext\\f" + symbole + "\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + symbole +
                        "\\pnindent" + QByteArray::number(RetraitPuce) + "{\\pntxtb\\'B7}}";
        }
        mot("fi", premiere);
        mot("li", gauche);
        mot("ri", p.retraitDroit);
        for (const TFragment& fragment : p.fragments) {
            m_sortie += '{';
            format(fragment.format);
            texte(fragment.texte);
            m_sortie += '}';
        }
        format(p.marque);
        m_sortie += "\\par\r\n";
    }

    void texte(const QString& s, bool nomPolice = false) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            if (nomPolice && c == u';') {
                m_sortie += "\\'3b";
            } else if (c == u'\\' || c == u'{' || c == u'}') {
                m_sortie += '\\';
                m_sortie += char(c);
            } else if (c == u'\t') {
                m_sortie += "\\tab ";
            } else if (c == 0x2028 || c == u'\n' || c == 0x000B) {
                m_sortie += "\\line ";
            } else if (c >= 0x20 && c < 0x80) {
                m_sortie += char(c);
            } else if (c < 0x20) {
                continue;
            } else {
                caractere(c);
            }
        }
    }

    void caractere(char16_t c) {
        QByteArray octet;
        if (Cp1252::encode(QString(QChar(c)), octet)) {
            m_sortie += "\\'" + octet.toHex();
            return;
        }
        // RTF numbers are signed 16-bit values; a character beyond the first plane comes as
        // its two halves.
        mot("u", int(static_cast<short>(c)));
        m_sortie += '?';
    }

    QStringList m_polices;
    QHash<QString, int> m_index;
    int m_symbole = 0;
    QByteArray m_sortie;
};

} // namespace

QByteArray ecritRtf(const TDocumentRtf& document) {
    return Ecrivain(document).ecrit(document);
}
