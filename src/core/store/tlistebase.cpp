#include "core/store/tlistebase.h"

#include "core/common/conversions.h"
#include "core/common/cp1252.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"

#include <algorithm>
#include <climits>
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

void TListeBase::setLine(qsizetype i, const QString& text) {
    m_lines[i] = text;
    invalidate();
}

void TListeBase::append(const QString& text) {
    m_lines.append(text);
    invalidate();
}

void TListeBase::insert(qsizetype i, const QString& text) {
    m_lines.insert(i, text);
    invalidate();
}

void TListeBase::removeAt(qsizetype i) {
    m_lines.removeAt(i);
    invalidate();
}

void TListeBase::clear() {
    m_lines.clear();
    invalidate();
}

void TListeBase::assign(const QStringList& lines) {
    m_lines = lines;
    invalidate();
}

QByteArray TListeBase::octetsFichier(const QString& path) {
    return TextFile::readBytes(path, MaxOctetsFichier);
}

void TListeBase::load(const QString& path) {
    assignBytes(octetsFichier(path));
}

void TListeBase::assignBytes(const QByteArray& bytes) {
    invalidate();
    m_structure.marques.clear();
    m_structure.parCle.fill(-1, 10000);
    m_lines =
        TextFile::decodeLines(bytes, [this](qsizetype i, const QString& line) { marque(i, line); });
    m_structureValid = true;
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
        m_structure.marques.clear();
        m_structure.parCle.fill(-1, 10000);
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            marque(i, m_lines[i]);
        m_structureValid = true;
    }
    return m_structure;
}

void TListeBase::marque(qsizetype index, const QString& l) const {
    if (l.size() < 5 || l[0] != u'<')
        return;
    const Analyse a = analyse(l);
    if (a.sorte == Sorte::Contenu)
        return;
    const bool ouvre = a.sorte == Sorte::Ouverture;
    m_structure.marques.append({index, a.cle, ouvre, a.saine});
    if (ouvre && a.saine && m_structure.parCle[a.cle] < 0)
        m_structure.parCle[a.cle] = index;
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
    return ligne >= 1 && i < finContenu(ouverture) ? m_lines[i] : QString();
}

TListeBase::Etendue TListeBase::etendue(qsizetype index) const {
    const QList<Marque>& marques = structure().marques;
    const auto ouverture =
        std::lower_bound(marques.begin(), marques.end(), index,
                         [](const Marque& m, qsizetype i) { return m.ligne < i; });
    if (ouverture == marques.end() || ouverture->ligne != index)
        return {index + 1, index + 1};
    const auto suivante = ouverture + 1;
    if (suivante == marques.end())
        return {m_lines.size(), m_lines.size()};
    const bool fermePropre =
        !suivante->ouvre && suivante->cle >= 0 && suivante->cle == ouverture->cle;
    return {suivante->ligne, suivante->ligne + (fermePropre ? 1 : 0)};
}

bool TListeBase::store(int key, const QStringList& body, Place place) {
    for (const QString& l : body)
        verifieLigne(l);
    const qsizetype at = find(key);
    if (at >= 0) {
        m_lines.remove(at, etendue(at).fin - at);
        invalidate();
    }
    if (at < 0 || at >= m_lines.size() || place == Place::EnFin) {
        // No reserve of the exact size here: the list must grow by steps, or a run of blocks
        // added one after the other (an import) would copy the whole base at each one.
        const qsizetype ouverture = m_lines.size();
        m_lines.append(openingLine(key));
        m_lines.append(body);
        m_lines.append(closingLine(key));
        // A block added after the others, none of its body lines structural, leaves the rest
        // where it was: its two lines are marked instead of working the whole structure out
        // again, so that a run of new blocks (an import) stays one pass.
        if (m_structureValid) {
            marque(ouverture, m_lines[ouverture]);
            marque(m_lines.size() - 1, m_lines.constLast());
        }
        nb = std::max(nb, key + 1);
        return true;
    }
    QStringList block;
    block.reserve(body.size() + 2);
    block.append(openingLine(key));
    block.append(body);
    block.append(closingLine(key));
    m_lines.insert(at, block.size(), QString());
    std::move(block.begin(), block.end(), m_lines.begin() + at);
    invalidate();
    return false;
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
        bloc.champs.append(i < fin ? m_lines[i] : QString());
    }
    for (qsizetype i = at + std::max(walkFrom, 1); i < fin; ++i) {
        const QString& l = m_lines[i];
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
        if (!m.ouvre || premier >= m_lines.size() || m_lines[premier].isEmpty() ||
            analyse(m_lines[premier]).sorte != Sorte::Contenu)
            continue;
        largest = std::max(largest, StrToInt(m_lines[premier]));
    }
    // Past the largest integer there is no number to give: it would not read back.
    if (largest == INT_MAX)
        throw UserError(
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(qint64(largest) + 1));
    return largest + 1;
}

void TListeBase::supprime(int key) {
    // A new card not stored yet has no block and is not counted: nothing to renumber.
    const qsizetype at = find(key);
    if (at >= 0) {
        m_lines.remove(at, etendue(at).fin - at);
        invalidate();
        renum(key);
    }
    courant = std::clamp(courant, 0, std::max(nb - 1, 0));
}

void TListeBase::renum(int deletedKey) {
    for (const Marque& m : structure().marques)
        if (m.cle > deletedKey)
            m_lines[m.ligne] = m.ouvre ? openingLine(m.cle - 1) : closingLine(m.cle - 1);
    invalidate();
    nb = std::max(nb - 1, 0);
}

void TListeBase::supBloc(int key) {
    const qsizetype at = find(key);
    if (at >= 0) {
        m_lines.remove(at, etendue(at).fin - at);
        invalidate();
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
    if (retire)
        nb = countBlocks();
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
    QStringList rebuilt;
    rebuilt.reserve(m_lines.size() + starts.size());
    for (int newKey = 0; newKey < starts.size(); ++newKey) {
        const qsizetype first = starts[newKey].index;
        rebuilt.append(openingLine(newKey));
        const qsizetype fin = etendue(first).finContenu;
        for (qsizetype i = first + 1; i < fin; ++i)
            rebuilt.append(m_lines[i]);
        rebuilt.append(closingLine(newKey));
    }
    assign(rebuilt);
    nb = int(starts.size());
    return true;
}

void TListeBase::squize() {
    const QList<Marque>& marques = structure().marques;
    const auto premiere =
        std::find_if(marques.begin(), marques.end(), [](const Marque& m) { return m.ouvre; });
    const qsizetype first = premiere == marques.end() ? m_lines.size() : premiere->ligne;
    if (first > 0) {
        m_lines.remove(0, first);
        invalidate();
    }
}
