#include "core/store/tlistebase.h"

#include "core/common/conversions.h"
#include "core/common/cp1252.h"
#include "core/common/grandespages.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/store/decoupage.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace {

// Digits of a structural line as a key; -1 when they are not four plain digits.
int parseKey(QStringView digits) {
    if (digits.size() != 4)
        return -1;
    int key = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        key = key * 10 + (c.unicode() - u'0');
    }
    return key;
}

} // namespace

void TListeBase::clear() {
    m_octets.clear();
    m_lignes.clear();
    m_textes.clear();
    m_textesOublies = 0;
    invalidate();
}

void TListeBase::assign(const QStringList& lines) {
    clear();
    m_lignes.reserve(lines.size());
    for (const QString& l : lines)
        m_lignes.append(nouvelle(l));
}

QStringList TListeBase::lines() const {
    QStringList out;
    out.reserve(m_lignes.size());
    for (const Ligne& l : m_lignes)
        out.append(texte(l));
    return out;
}

QByteArray TListeBase::octetsFichier(const QString& path) {
    return TextFile::readBytes(path, MaxOctetsFichier);
}

void TListeBase::load(const QString& path) {
    assignBytes(octetsFichier(path));
}

void TListeBase::assignBytes(const QByteArray& bytes) {
    // The very bytes the base stands on, its lines being those bytes as read (what saving a
    // base left unchanged writes): the lines stay, only texts no line uses any more go.
    if (bytes.constData() == m_octets.constData() && bytes.size() == m_octets.size() &&
        telQueLu()) {
        m_textes.clear();
        m_textesOublies = 0;
        return;
    }
    clear();
    m_octets = bytes;
    m_structure = Structure();
    // Room for lines of 16 bytes on average, more than the lines of a base take: the index never
    // grows while it is filled, and the room left over is never touched.
    m_lignes.reserve(m_octets.size() / 16 + 1);
    GrandesPages::demande(m_lignes.data(), m_lignes.capacity() * qsizetype(sizeof(Ligne)));
    const char* const data = m_octets.constData();
    Decoupage::lignes(data, m_octets.size(), [&](qsizetype debut, qsizetype longueur) {
        const Ligne l{quint32(debut), qint32(longueur)};
        if (longueur >= 5 && data[debut] == '<')
            marque(m_lignes.size(), analyse(l));
        m_lignes.append(l);
    });
    m_structureValid = true;
}

QByteArray TListeBase::bytes(const QString& pathForMessages) const {
    // Runs of lines that lie one after the other in the file read, each ended there by CR LF,
    // are copied as they were; a base left as it was read is its file's bytes themselves.
    if (telQueLu())
        return m_octets;
    const char* const source = m_octets.constData();
    qsizetype total = 0;
    for (const Ligne& l : m_lignes)
        total += taille(l) + 2;
    QByteArray out(total, Qt::Uninitialized);
    char* o = out.data();
    qsizetype debut = 0;
    qsizetype fin = 0;
    const auto copie = [&] {
        std::memcpy(o, source + debut, size_t(fin - debut));
        o += fin - debut;
        debut = fin = 0;
    };
    for (const Ligne& l : m_lignes) {
        if (finieParCrLf(l)) {
            if (fin != qsizetype(l.valeur))
                copie();
            if (fin == 0)
                debut = l.valeur;
            fin = qsizetype(l.valeur) + l.longueur + 2;
            continue;
        }
        copie();
        const QString t = texte(l);
        if (Cp1252::encodeTo(t, o) >= 0)
            throw UserError(Cp1252::refus(t, QStringLiteral("le fichier ") + pathForMessages));
        o += t.size();
        *o++ = '\r';
        *o++ = '\n';
    }
    copie();
    return out;
}

bool TListeBase::finieParCrLf(const Ligne& l) const {
    const qsizetype fin = qsizetype(l.valeur) + l.longueur;
    return l.longueur >= 0 && fin + 1 < m_octets.size() && m_octets.at(fin) == '\r' &&
           m_octets.at(fin + 1) == '\n';
}

bool TListeBase::telQueLu() const {
    qsizetype suite = 0;
    for (const Ligne& l : m_lignes) {
        if (qsizetype(l.valeur) != suite || !finieParCrLf(l))
            return false;
        suite += l.longueur + 2;
    }
    return suite == m_octets.size();
}

TListeBase::Ligne TListeBase::nouvelle(const QString& text) {
    if (const Analyse a = analyse(text); a.saine)
        return structurale(a.cle, a.sorte == Sorte::Ouverture);
    m_textes.append(text);
    return {quint32(m_textes.size() - 1), Texte};
}

TListeBase::Ligne TListeBase::structurale(int key, bool ouvre) {
    return {quint32(key), ouvre ? Ouvrante : Fermante};
}

QString TListeBase::texte(const Ligne& l) const {
    switch (l.longueur) {
    case Texte:
        return m_textes[l.valeur];
    case Ouvrante:
        return openingLine(int(l.valeur));
    case Fermante:
        return closingLine(int(l.valeur));
    default:
        return Cp1252::decode(m_octets.constData() + l.valeur, l.longueur);
    }
}

qsizetype TListeBase::taille(const Ligne& l) const {
    switch (l.longueur) {
    case Texte:
        return m_textes[l.valeur].size();
    case Ouvrante:
        return 10;
    case Fermante:
        return 11;
    default:
        return l.longueur;
    }
}

TListeBase::Analyse TListeBase::analyse(const Ligne& l) const {
    if (l.longueur == Ouvrante || l.longueur == Fermante)
        return {l.longueur == Ouvrante ? Sorte::Ouverture : Sorte::Fermeture, int(l.valeur), true};
    if (l.longueur == Texte)
        return analyse(m_textes[l.valeur]);
    // Bytes: the structural words, the digits and ">" are ASCII, one byte each.
    Analyse a;
    const char* const p = m_octets.constData() + l.valeur;
    const qsizetype n = l.longueur;
    const bool ferme = n >= 6 && std::memcmp(p, "</BLOC", 6) == 0;
    if (!ferme && !(n >= 5 && std::memcmp(p, "<BLOC", 5) == 0))
        return a;
    a.sorte = ferme ? Sorte::Fermeture : Sorte::Ouverture;
    const qsizetype chiffres = ferme ? 6 : 5;
    a.cle = n < chiffres + 4 ? -1 : 0;
    for (qsizetype i = chiffres; a.cle >= 0 && i < chiffres + 4; ++i)
        a.cle = p[i] >= '0' && p[i] <= '9' ? a.cle * 10 + (p[i] - '0') : -1;
    a.saine = a.cle >= 0 && n == chiffres + 5 && p[chiffres + 4] == '>';
    return a;
}

void TListeBase::retire(qsizetype index, qsizetype count) {
    for (qsizetype i = index; i < index + count; ++i)
        oublie(m_lignes[i]);
    m_lignes.remove(index, count);
}

void TListeBase::oublie(const Ligne& l) {
    if (l.longueur == Texte)
        ++m_textesOublies;
}

void TListeBase::ramasse() {
    if (m_textesOublies < 1024 || m_textesOublies * 2 < m_textes.size())
        return;
    QStringList gardes;
    gardes.reserve(m_textes.size() - m_textesOublies);
    for (Ligne& l : m_lignes)
        if (l.longueur == Texte) {
            gardes.append(m_textes[l.valeur]);
            l.valeur = quint32(gardes.size() - 1);
        }
    m_textes = gardes;
    m_textesOublies = 0;
}

QString TListeBase::keyText(int key) {
    if (key < 0)
        return (QStringLiteral("000") + QString::number(key)).right(4);
    // The last four digits, without going through a number text: every pass over a base asks.
    const char16_t digits[4] = {char16_t(u'0' + key / 1000 % 10), char16_t(u'0' + key / 100 % 10),
                                char16_t(u'0' + key / 10 % 10), char16_t(u'0' + key % 10)};
    return QString(reinterpret_cast<const QChar*>(digits), 4);
}

QString TListeBase::openingLine(int key) {
    return QStringLiteral("<BLOC") + keyText(key) + u'>';
}

QString TListeBase::closingLine(int key) {
    return QStringLiteral("</BLOC") + keyText(key) + u'>';
}

TListeBase::Analyse TListeBase::analyse(const QString& line) {
    Analyse a;
    const bool ferme = line.startsWith(QLatin1String("</BLOC"));
    if (!ferme && !line.startsWith(QLatin1String("<BLOC")))
        return a;
    a.sorte = ferme ? Sorte::Fermeture : Sorte::Ouverture;
    const qsizetype chiffres = ferme ? 6 : 5;
    a.cle = parseKey(QStringView(line).mid(chiffres, 4));
    a.saine = a.cle >= 0 && line.size() == chiffres + 5 && line[chiffres + 4] == u'>';
    return a;
}

void TListeBase::verifieLigne(const QString& line) {
    if (line.contains(u'\r') || line.contains(u'\n'))
        throw UserError(QStringLiteral("Un champ ne peut pas contenir de retour à la ligne"));
    if (analyse(line).sorte != Sorte::Contenu)
        throw UserError(
            QStringLiteral(
                "Un champ ne peut pas commencer par « <BLOC » ni par « </BLOC » : « %1 »")
                .arg(line));
    if (const QString message = Cp1252::refus(line, QStringLiteral("le dossier"));
        !message.isEmpty())
        throw UserError(message);
}

QString TListeBase::surUneLigne(QString texte) {
    texte.replace(QLatin1String("\r\n"), QLatin1String(" "));
    texte.replace(u'\r', u' ');
    texte.replace(u'\n', u' ');
    return texte;
}

QString TListeBase::celluleGrille(QString texte) {
    return surUneLigne(std::move(texte)).replace(u'\t', u' ');
}

const TListeBase::Structure& TListeBase::structure() const {
    if (!m_structureValid) {
        m_structure = Structure();
        for (qsizetype i = 0; i < m_lignes.size(); ++i)
            marque(i, analyse(m_lignes[i]));
        m_structureValid = true;
    }
    return m_structure;
}

void TListeBase::marque(qsizetype index, const Analyse& a) const {
    if (a.sorte == Sorte::Contenu)
        return;
    const bool ouvre = a.sorte == Sorte::Ouverture;
    m_structure.marques.append({index, a.cle, ouvre, a.saine});
    if (ouvre && a.saine) {
        if (m_structure.parCle[a.cle] < 0)
            m_structure.parCle[a.cle] = index;
        m_structure.finCles = std::max(m_structure.finCles, a.cle + 1);
    }
}

qsizetype TListeBase::find(int key) const {
    if (key < 0 || key > 9999)
        return -1;
    return structure().parCle[key];
}

QList<TListeBase::Position> TListeBase::blocs() const {
    QList<Position> positions;
    for (const Marque& m : structure().marques)
        if (m.ouvre && m.saine)
            positions.append({m.cle, m.ligne});
    return positions;
}

QString TListeBase::champ(qsizetype ouverture, int ligne) const {
    const qsizetype i = ouverture + ligne;
    return ligne >= 1 && i < finContenu(ouverture) ? line(i) : QString();
}

qsizetype TListeBase::rangMarque(qsizetype ligne) const {
    const QList<Marque>& marques = structure().marques;
    return std::lower_bound(marques.begin(), marques.end(), ligne,
                            [](const Marque& m, qsizetype i) { return m.ligne < i; }) -
           marques.begin();
}

TListeBase::Etendue TListeBase::etendue(qsizetype index) const {
    const QList<Marque>& marques = structure().marques;
    const auto ouverture = marques.begin() + rangMarque(index);
    if (ouverture == marques.end() || ouverture->ligne != index)
        return {index + 1, index + 1};
    const auto suivante = ouverture + 1;
    if (suivante == marques.end())
        return {m_lignes.size(), m_lignes.size()};
    const bool fermePropre =
        !suivante->ouvre && suivante->cle >= 0 && suivante->cle == ouverture->cle;
    return {suivante->ligne, suivante->ligne + (fermePropre ? 1 : 0)};
}

bool TListeBase::store(int key, const QStringList& body, Place place) {
    for (const QString& l : body)
        verifieLigne(l);
    const qsizetype at = find(key);
    if (at >= 0)
        retireBloc(at);
    QList<Ligne> block;
    block.reserve(body.size() + 2);
    block.append(nouvelle(openingLine(key)));
    for (const QString& l : body)
        block.append(nouvelle(l));
    block.append(nouvelle(closingLine(key)));
    if (at < 0 || at >= m_lignes.size() || place == Place::EnFin) {
        // No reserve of the exact size here: the list must grow by steps, or a run of blocks
        // added one after the other (an import) would copy the whole base at each one.
        const qsizetype ouverture = m_lignes.size();
        m_lignes.append(block);
        // A block added after the others, none of its body lines structural, leaves the rest
        // where it was: its two lines are marked instead of working the whole structure out
        // again, so that a run of new blocks (an import) stays one pass.
        if (m_structureValid) {
            marque(ouverture, analyse(m_lignes[ouverture]));
            marque(m_lignes.size() - 1, analyse(m_lignes.constLast()));
            noteNumero(ouverture);
        } else {
            m_numeros.valide = false;
        }
        ramasse();
        return true;
    }
    m_lignes.insert(at, block.size(), Ligne{});
    std::copy(block.begin(), block.end(), m_lignes.begin() + at);
    if (m_structureValid)
        inscritBloc(at, block.size(), key);
    ramasse();
    return false;
}

void TListeBase::retireBloc(qsizetype at) {
    const qsizetype fin = etendue(at).fin;
    retire(at, fin - at);
    m_numeros.valide = false;
    if (!m_structureValid)
        return;
    // The structure follows instead of being worked out again: the block's own lines leave it,
    // the lines after move up, and the block's key goes to a later copy of it, if any.
    QList<Marque>& marques = m_structure.marques;
    const qsizetype premier = rangMarque(at);
    const int cle = marques[premier].cle;
    marques.remove(premier, rangMarque(fin) - premier);
    const qsizetype retirees = fin - at;
    for (auto m = marques.begin() + premier; m != marques.end(); ++m)
        m->ligne -= retirees;
    QList<qsizetype>& parCle = m_structure.parCle;
    for (qsizetype& ligne : parCle)
        if (ligne >= fin)
            ligne -= retirees;
    parCle[cle] = -1;
    for (const Marque& m : std::as_const(marques))
        if (m.ouvre && m.saine && m.cle == cle) {
            parCle[cle] = m.ligne;
            break;
        }
    if (parCle[cle] < 0 && cle + 1 == m_structure.finCles) {
        int finCles = cle;
        while (finCles > 0 && parCle[finCles - 1] < 0)
            --finCles;
        m_structure.finCles = finCles;
    }
}

void TListeBase::inscritBloc(qsizetype at, qsizetype taille, int key) const {
    // A block of `taille` lines put at `at`: its opening and closing lines, the lines after it
    // moved down. None of its body lines is structural, store having refused such a line.
    QList<Marque>& marques = m_structure.marques;
    const qsizetype premier = rangMarque(at);
    for (auto m = marques.begin() + premier; m != marques.end(); ++m)
        m->ligne += taille;
    marques.insert(premier, {at + taille - 1, key, false, true});
    marques.insert(premier, {at, key, true, true});
    for (qsizetype& ligne : m_structure.parCle)
        if (ligne >= at)
            ligne += taille;
    if (m_structure.parCle[key] < 0 || m_structure.parCle[key] > at)
        m_structure.parCle[key] = at;
    m_structure.finCles = std::max(m_structure.finCles, key + 1);
}

TBlocLu TListeBase::read(int key, int fieldCount, int walkFrom) const {
    TBlocLu bloc;
    const qsizetype at = find(key);
    if (at < 0)
        return bloc;
    bloc.trouve = true;
    const qsizetype fin = etendue(at).finContenu;
    for (int offset = 1; offset <= fieldCount; ++offset) {
        const qsizetype i = at + offset;
        bloc.champs.append(i < fin ? line(i) : QString());
    }
    for (qsizetype i = at + std::max(walkFrom, 1); i < fin; ++i) {
        const QString l = line(i);
        if (l.size() >= 4)
            bloc.tags.append({l.left(4), l.mid(4, MaxTag)});
    }
    return bloc;
}

QStringList TListeBase::lignesGrille(const QList<QStringList>& rows) {
    QStringList lines;
    for (const QStringList& row : rows) {
        const QString joined = row.join(u'\t');
        if (joined.size() < 10)
            break;
        lines.append(QStringLiteral("DATA") + joined);
    }
    return lines;
}

QStringList TListeBase::lignesMemo(const QStringList& memo) {
    QStringList lines;
    for (const QString& ligne : memo) {
        qsizetype debut = 0;
        do {
            lines.append(QStringLiteral("MEMO") + ligne.mid(debut, MaxTag));
            debut += MaxTag;
        } while (debut < ligne.size());
    }
    return lines;
}

QStringList TListeBase::cellules(const QString& valeur, int cellCount) {
    QStringList cells;
    qsizetype start = 0;
    for (int c = 0; c + 1 < cellCount; ++c) {
        const qsizetype tab = valeur.indexOf(u'\t', start);
        if (tab < 0) {
            cells.append(valeur.mid(start));
            start = valeur.size();
            continue;
        }
        cells.append(valeur.mid(start, tab - start));
        start = tab + 1;
    }
    cells.append(valeur.mid(start));
    return cells;
}

int TListeBase::countBlocks() const {
    const QList<Marque>& marques = structure().marques;
    return int(
        std::count_if(marques.begin(), marques.end(), [](const Marque& m) { return m.ouvre; }));
}

int TListeBase::nextNumber() const {
    int largest = 10000;
    for (const Marque& m : structure().marques) {
        const qsizetype premier = m.ligne + 1;
        if (!m.ouvre || premier >= m_lignes.size() || taille(m_lignes[premier]) == 0 ||
            analyse(m_lignes[premier]).sorte != Sorte::Contenu)
            continue;
        largest = std::max(largest, StrToInt(line(premier)));
    }
    // Past the largest integer there is no number to give: it would not read back.
    if (largest == INT_MAX)
        throw UserError(
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(qint64(largest) + 1));
    return largest + 1;
}

std::optional<int> TListeBase::plusGrandNumero(const QString& tag) const {
    if (m_numeros.valide && m_numeros.tag == tag)
        return m_numeros.plusGrand;
    m_numeros = {false, tag, std::nullopt};
    for (const Marque& m : structure().marques)
        if (m.ouvre && m.saine && m.ligne + 1 < m_lignes.size()) {
            const QString ligne = line(m.ligne + 1);
            if (!ligne.startsWith(tag))
                continue;
            const QString numero = ligne.mid(tag.size()).trimmed();
            if (!numero.isEmpty())
                m_numeros.plusGrand =
                    std::max(m_numeros.plusGrand.value_or(INT_MIN), StrToInt(numero));
        }
    m_numeros.valide = true;
    return m_numeros.plusGrand;
}

void TListeBase::noteNumero(qsizetype ouverture) const {
    if (!m_numeros.valide)
        return;
    const QString ligne = ouverture + 1 < m_lignes.size() ? line(ouverture + 1) : QString();
    if (!ligne.startsWith(m_numeros.tag))
        return;
    const QString numero = ligne.mid(m_numeros.tag.size()).trimmed();
    if (numero.isEmpty())
        return;
    // A number that does not convert is left to the next call, which gives its message.
    try {
        m_numeros.plusGrand = std::max(m_numeros.plusGrand.value_or(INT_MIN), StrToInt(numero));
    } catch (const UserError&) {
        m_numeros.valide = false;
    }
}

void TListeBase::supprime(int key) {
    // A new card not stored yet has no block and is not counted: nothing to renumber.
    const qsizetype at = find(key);
    if (at >= 0) {
        retireBloc(at);
        renum(key);
        ramasse();
    }
    m_courant = std::clamp(m_courant, 0, std::max(nb() - 1, 0));
}

void TListeBase::renum(int deletedKey) {
    for (const Marque& m : structure().marques)
        if (m.cle > deletedKey)
            m_lignes[m.ligne] = structurale(m.cle - 1, m.ouvre);
    invalidate();
}

void TListeBase::supBloc(int key) {
    const qsizetype at = find(key);
    if (at >= 0) {
        retireBloc(at);
        ramasse();
    }
}

bool TListeBase::doublons() {
    QList<int> copies(10000, 0);
    for (const Marque& m : structure().marques)
        if (m.ouvre && m.saine)
            ++copies[m.cle];
    bool retire = false;
    for (int key = 0; key < copies.size(); ++key)
        for (; copies[key] >= 2; --copies[key]) {
            supBloc(key);
            retire = true;
        }
    return retire;
}

bool TListeBase::verif() {
    // A sound base: every structural line is sound, every opening line is closed by its own
    // closing line before anything else structural, and its keys are 0 to n - 1 (copies of a
    // key are left to doublons).
    bool sound = true;
    int open = -1;
    QList<bool> seen;
    for (const Marque& m : structure().marques) {
        if (!m.saine) {
            sound = false;
            break;
        }
        if (m.ouvre) {
            if (open != -1) {
                sound = false;
                break;
            }
            open = m.cle;
            if (m.cle >= seen.size())
                seen.resize(m.cle + 1, false);
            seen[m.cle] = true;
        } else {
            if (m.cle != open) {
                sound = false;
                break;
            }
            open = -1;
        }
    }
    if (sound && open == -1 && !seen.contains(false))
        return false;

    // Rebuild: every opening line, sound or damaged, starts a block that runs to its closing
    // line or to the next structural line; the blocks are put in key order (unreadable keys
    // last) and renumbered 0, 1, 2... so that no record is lost and the keys are dense again.
    struct Start {
        int key;
        qsizetype index;
    };
    QList<Start> starts;
    for (const Marque& m : structure().marques)
        if (m.ouvre)
            starts.append({m.cle < 0 ? INT_MAX : m.cle, m.ligne});
    if (starts.size() > MaxBlocs)
        throw UserError(QStringLiteral("Le fichier contient plus de %1 fiches").arg(MaxBlocs));
    std::stable_sort(starts.begin(), starts.end(),
                     [](const Start& a, const Start& b) { return a.key < b.key; });
    QList<Ligne> rebuilt;
    rebuilt.reserve(m_lignes.size() + starts.size());
    for (int newKey = 0; newKey < starts.size(); ++newKey) {
        const qsizetype first = starts[newKey].index;
        rebuilt.append(structurale(newKey, true));
        const qsizetype fin = etendue(first).finContenu;
        for (qsizetype i = first + 1; i < fin; ++i)
            rebuilt.append(m_lignes[i]);
        rebuilt.append(structurale(newKey, false));
    }
    m_lignes = rebuilt;
    invalidate();
    return true;
}

void TListeBase::squize() {
    const QList<Marque>& marques = structure().marques;
    const auto premiere =
        std::find_if(marques.begin(), marques.end(), [](const Marque& m) { return m.ouvre; });
    const qsizetype first = premiere == marques.end() ? m_lignes.size() : premiere->ligne;
    if (first > 0) {
        retire(0, first);
        invalidate();
        ramasse();
    }
}
