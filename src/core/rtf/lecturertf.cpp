#include "core/rtf/lecturertf.h"

#include "core/common/usererror.h"
#include "core/rtf/codagertf.h"
#include "core/rtf/lexiquertf.h"
#include "core/rtf/motsrtf.h"

#include <QHash>

namespace {

using Jeton = LexiqueRtf::Jeton;
using Genre = LexiqueRtf::Genre;

// Groups nested deeper than this are read over without being kept.
constexpr int ProfondeurMax = 512;

enum class Destination { Texte, Ignoree, Polices };

struct Etat {
    Destination destination = Destination::Texte;
    int police = -1; // -1: the document's default font
    int demiPoints = 24;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    Alignement alignement = Alignement::Gauche;
    int retraitPremiere = 0;
    int retraitGauche = 0;
    int retraitDroit = 0;
    bool puce = false;
    int uc = 1;
    bool dansUpr = false;

    void plain() {
        police = -1;
        demiPoints = 24;
        gras = italique = souligne = false;
    }
    void pard() {
        alignement = Alignement::Gauche;
        retraitPremiere = retraitGauche = retraitDroit = 0;
        puce = false;
    }
};

struct Police {
    QString nom;
    int page = 0;
};

// Indents beyond the widest page (22 inches) are taken as that.
int retrait(int twips) {
    return std::clamp(twips, -31680, 31680);
}

// A lone half of a surrogate pair becomes the replacement character.
QString sansDemiCaractere(QString texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
            ++i;
        else if (texte[i].isSurrogate())
            texte[i] = QChar::ReplacementCharacter;
    }
    return texte;
}

// Tokens read between two reports of the reading's progress.
constexpr int JetonsParSuivi = 1 << 16;

class Lecteur {
public:
    explicit Lecteur(const QByteArray& octets, qsizetype debut)
        : m_lexique(octets, debut), m_taille(octets.size()) {}

    std::optional<TLettreLue> lis(const TSuiviLecture& suivi) {
        int avantSuivi = JetonsParSuivi;
        for (Jeton jeton = m_lexique.suivant(); jeton.genre != Genre::Fin && !m_fini;
             jeton = m_lexique.suivant()) {
            traite(jeton);
            if (suivi && --avantSuivi == 0) {
                avantSuivi = JetonsParSuivi;
                if (!suivi(m_lexique.position(), m_taille))
                    return std::nullopt;
            }
        }
        videAttente();
        if (!m_courant.fragments.isEmpty() || m_document.paragraphes.isEmpty())
            finitParagraphe();
        if (suivi)
            suivi(m_taille, m_taille);
        return TLettreLue{m_document, m_omis};
    }

private:
    Etat& etat() { return m_pile.last(); }

    void traite(const Jeton& jeton) {
        if (jeton.genre == Genre::Ouvre) {
            ouvre();
            return;
        }
        if (jeton.genre == Genre::Ferme) {
            ferme();
            return;
        }
        if (m_pile.isEmpty())
            return;
        if (m_exces > 0) {
            if (jeton.genre == Genre::Mot && jeton.mot == "bin")
                m_lexique.saute(jeton.parametre);
            return;
        }
        // Bytes waiting to be decoded take the format in force before any change.
        if (jeton.genre == Genre::Mot || jeton.genre == Genre::Symbole)
            videAttente();
        const bool etoile = m_etoile;
        m_etoile = false;
        if (m_aSauter > 0) {
            // The stand-in of a \u character.
            --m_aSauter;
            if (jeton.genre == Genre::Mot && jeton.mot == "bin")
                m_lexique.saute(jeton.parametre);
            return;
        }
        switch (jeton.genre) {
        case Genre::Mot:
            mot(jeton, etoile);
            break;
        case Genre::Symbole:
            symbole(jeton.octet);
            break;
        case Genre::Hexa:
            // In a font's name, an escaped ";" is part of the name, not its end.
            if (etat().destination == Destination::Polices)
                m_nomPolice.append(jeton.octet);
            else
                octet(jeton.octet);
            break;
        case Genre::Texte:
            if (jeton.octet == '\t')
                caractere(QStringLiteral("\t"));
            else if (static_cast<unsigned char>(jeton.octet) >= 0x20)
                octet(jeton.octet);
            break;
        case Genre::Ouvre:
        case Genre::Ferme:
        case Genre::Fin:
            break;
        }
    }

    void ouvre() {
        videAttente();
        m_aSauter = 0;
        m_etoile = false;
        if (m_pile.isEmpty() && m_fini)
            return;
        if (m_exces > 0 || m_pile.size() >= ProfondeurMax) {
            ++m_exces;
            return;
        }
        m_pile.append(m_pile.isEmpty() ? Etat() : etat());
    }

    void ferme() {
        videAttente();
        m_aSauter = 0;
        m_etoile = false;
        if (m_exces > 0) {
            --m_exces;
            return;
        }
        if (m_pile.isEmpty())
            return;
        if (etat().destination == Destination::Polices)
            finitPolice();
        m_pile.removeLast();
        // The group of the whole document is closed: what follows is not part of it.
        if (m_pile.isEmpty())
            m_fini = true;
    }

    void symbole(char c) {
        switch (c) {
        case '*':
            m_etoile = true;
            break;
        case '\\':
        case '{':
        case '}':
            octet(c);
            break;
        case '~':
            caractere(QString(QChar(0x00A0)));
            break;
        case '_':
            caractere(QStringLiteral("-"));
            break;
        case '\r':
        case '\n':
            if (etat().destination == Destination::Texte)
                finitParagraphe();
            break;
        default:
            break;
        }
    }

    void mot(const Jeton& jeton, bool etoile) {
        const QByteArray& m = jeton.mot;
        const int p = jeton.parametre;
        Etat& e = etat();
        if (m == "bin") {
            m_lexique.saute(p);
            return;
        }
        if (e.destination == Destination::Ignoree) {
            // The Unicode text of an \upr group stands in place of its plain text.
            if (m == "ud" && e.dansUpr)
                e.destination = Destination::Texte;
            return;
        }
        if (m == "pn") {
            // An old-style list paragraph: the bullet belongs to the paragraph around.
            if (m_pile.size() >= 2)
                m_pile[m_pile.size() - 2].puce = true;
            e.destination = Destination::Ignoree;
            return;
        }
        if (m == "ud")
            return;
        note(MotsRtf::omission(m));
        if (etoile || MotsRtf::destinationIgnoree(m)) {
            e.destination = Destination::Ignoree;
            return;
        }
        if (m == "upr") {
            e.dansUpr = true;
            e.destination = Destination::Ignoree;
            return;
        }
        if (m == "fonttbl") {
            e.destination = Destination::Polices;
            m_policeEnCours = -1;
            return;
        }
        if (m == "u") {
            if (e.destination == Destination::Polices)
                ajouteNomPolice(QString(QChar(char16_t(p))));
            else
                caractere(QString(QChar(char16_t(p))));
            m_aSauter = e.uc;
            return;
        }
        if (e.destination == Destination::Polices) {
            motPolice(m, p);
            return;
        }
        if (m == "par" || m == "row") {
            finitParagraphe();
        } else if (const QChar c = MotsRtf::caractere(m); !c.isNull()) {
            caractere(QString(c));
        } else if (!proprieteCaractere(jeton)) {
            proprieteParagraphe(jeton);
        }
    }

    bool proprieteCaractere(const Jeton& jeton) {
        const QByteArray& m = jeton.mot;
        const int p = jeton.parametre;
        const bool actif = !jeton.aParametre || p != 0;
        Etat& e = etat();
        if (m == "plain")
            e.plain();
        else if (m == "f")
            e.police = p;
        else if (m == "fs" && p > 0)
            e.demiPoints = std::min(p, 3276);
        else if (m == "b")
            e.gras = actif;
        else if (m == "i")
            e.italique = actif;
        else if (m == "ulnone")
            e.souligne = false;
        else if (MotsRtf::soulignement(m))
            e.souligne = actif;
        else
            return false;
        return true;
    }

    void proprieteParagraphe(const Jeton& jeton) {
        const QByteArray& m = jeton.mot;
        const int p = jeton.parametre;
        Etat& e = etat();
        if (m == "pard")
            e.pard();
        else if (m == "ql")
            e.alignement = Alignement::Gauche;
        else if (m == "qc")
            e.alignement = Alignement::Centre;
        else if (m == "qr")
            e.alignement = Alignement::Droite;
        else if (m == "qj" || m == "qd")
            e.alignement = Alignement::Justifie;
        else if (m == "fi")
            e.retraitPremiere = retrait(p);
        else if (m == "li" || m == "lin")
            e.retraitGauche = retrait(p);
        else if (m == "ri" || m == "rin")
            e.retraitDroit = retrait(p);
        else if (m == "ls")
            e.puce = p > 0;
        else if (m == "uc" && p >= 0)
            e.uc = p;
        else if (m == "deff")
            m_deff = p;
        else if (m == "ansicpg")
            m_page = p;
        else if (m == "mac")
            m_page = 10000;
        else if (m == "pc")
            m_page = 437;
        else if (m == "pca")
            m_page = 850;
    }

    void motPolice(const QByteArray& m, int p) {
        if (m == "f") {
            finitPolice();
            m_policeEnCours = p;
        } else if (m == "fcharset" && m_policeEnCours >= 0) {
            m_polices[m_policeEnCours].page = CodageRtf::pageDeJeu(p);
        }
    }

    // The name of a font comes in bytes of its own code page and in \u characters.
    void ajouteNomPolice(const QString& texte) {
        if (!m_nomPolice.isEmpty()) {
            const int page = m_policeEnCours >= 0 ? m_polices.value(m_policeEnCours).page : 0;
            m_nomPoliceDecode += CodageRtf::decode(m_nomPolice, page ? page : m_page);
            m_nomPolice.clear();
        }
        m_nomPoliceDecode += texte;
    }

    void finitPolice() {
        ajouteNomPolice(QString());
        if (m_policeEnCours >= 0 && !m_nomPoliceDecode.isEmpty()) {
            Police& police = m_polices[m_policeEnCours];
            if (police.nom.isEmpty()) {
                QString nom = sansDemiCaractere(m_nomPoliceDecode);
                nom.removeIf([](QChar c) { return c.unicode() < 0x20; });
                police.nom = nom.simplified();
            }
        }
        m_nomPoliceDecode.clear();
    }

    int pageCourante() const {
        const int page =
            m_polices.value(m_pile.last().police < 0 ? m_deff : m_pile.last().police).page;
        return page ? page : m_page;
    }

    void octet(char c) {
        switch (etat().destination) {
        case Destination::Texte:
            m_attente.append(c);
            break;
        case Destination::Polices:
            if (c == ';')
                finitPolice();
            else
                m_nomPolice.append(c);
            break;
        case Destination::Ignoree:
            break;
        }
    }

    void videAttente() {
        if (m_attente.isEmpty() || m_pile.isEmpty())
            return;
        const QString texte = CodageRtf::decode(m_attente, pageCourante());
        m_attente.clear();
        caractere(texte);
    }

    // Control characters other than the tab are not part of a letter.
    void caractere(QString texte) {
        if (etat().destination != Destination::Texte)
            return;
        videAttente();
        texte.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
        m_courant.ajoute(texte, format(etat()));
    }

    TCaractere format(const Etat& e) const {
        TCaractere c;
        const QString nom = m_polices.value(e.police < 0 ? m_deff : e.police).nom;
        if (!nom.isEmpty())
            c.police = nom;
        c.demiPoints = e.demiPoints;
        c.gras = e.gras;
        c.italique = e.italique;
        c.souligne = e.souligne;
        return c;
    }

    void finitParagraphe() {
        videAttente();
        const Etat e = m_pile.isEmpty() ? Etat() : etat();
        m_courant.alignement = e.alignement;
        m_courant.retraitPremiere = e.retraitPremiere;
        m_courant.retraitGauche = e.retraitGauche;
        m_courant.retraitDroit = e.retraitDroit;
        m_courant.puce = e.puce;
        if (e.puce) {
            m_courant.retraitGauche -= RetraitPuce;
            m_courant.retraitPremiere += RetraitPuce;
        }
        m_courant.marque = format(e);
        for (TFragment& fragment : m_courant.fragments)
            fragment.texte = sansDemiCaractere(fragment.texte);
        m_document.paragraphes.append(m_courant);
        m_courant = TParagraphe();
    }

    void note(const QString& omission) {
        if (!omission.isEmpty() && !m_omis.contains(omission))
            m_omis.append(omission);
    }

    LexiqueRtf m_lexique;
    qsizetype m_taille;
    QStringList m_omis;
    QList<Etat> m_pile;
    int m_exces = 0;
    bool m_etoile = false;
    bool m_fini = false;
    int m_aSauter = 0;
    int m_deff = 0;
    int m_page = 1252;
    QHash<int, Police> m_polices;
    int m_policeEnCours = -1;
    QByteArray m_nomPolice;
    QString m_nomPoliceDecode;
    QByteArray m_attente;
    TParagraphe m_courant;
    TDocumentRtf m_document;
};

} // namespace

std::optional<TLettreLue> lisLettre(const QByteArray& octets, const TSuiviLecture& suivi) {
    qsizetype debut = octets.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (debut < octets.size() && QChar::isSpace(uchar(octets[debut])))
        ++debut;
    if (octets.mid(debut, 5) != "{\\rtf")
        throw UserError(QStringLiteral("Ce fichier n'est pas un document RTF"));
    return Lecteur(octets, debut).lis(suivi);
}

TDocumentRtf lisRtf(const QByteArray& octets) {
    return lisLettre(octets)->lettre;
}
