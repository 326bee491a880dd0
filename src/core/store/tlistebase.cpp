#include "tlistebase.h"

#include "common/conversions.h"
#include "common/textfile.h"

#include <algorithm>
#include <climits>

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

qsizetype TListeBase::indexOf(const QString& text) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TListeBase::load(const QString& path) {
    assignBytes(TextFile::readBytes(path));
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

int TListeBase::openingKey(const QString& line) {
    return parseKey(QStringView(line).mid(5, 4));
}

int TListeBase::closingKey(const QString& line) {
    return parseKey(QStringView(line).mid(6, 4));
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
    if (opensBlock(l))
        m_structure.marques.append({index, openingKey(l), true, false});
    else if (closesBlock(l))
        m_structure.marques.append({index, closingKey(l), false, l.size() == 11 && l[10] == u'>'});
    // An opening line found by a key is "<BLOC" + four digits + ">", whatever the case of BLOC.
    auto isLetter = [](QChar c, char upper) {
        return c == QLatin1Char(upper) || c == QLatin1Char(upper + 32);
    };
    if (l.size() != 10 || l[9] != u'>' || !isLetter(l[1], 'B') || !isLetter(l[2], 'L') ||
        !isLetter(l[3], 'O') || !isLetter(l[4], 'C'))
        return;
    const int key = openingKey(l);
    if (key >= 0 && m_structure.parCle[key] < 0)
        m_structure.parCle[key] = index;
}

qsizetype TListeBase::find(int key) const {
    // A key's text keeps its last four digits; a negative key has no digits to index.
    if (key < 0)
        return indexOf(openingLine(key));
    return structure().parCle[key % 10000];
}

void TListeBase::deleteBlockAt(qsizetype index, const QString& closing) {
    qsizetype end = index;
    while (end < m_lines.size()) {
        if (m_lines[end++] == closing)
            break;
    }
    m_lines.remove(index, end - index);
    invalidate();
}

bool TListeBase::store(int key, const QStringList& body) {
    const qsizetype at = find(key);
    if (at >= 0)
        deleteBlockAt(at, closingLine(key));
    if (at < 0 || at >= m_lines.size()) {
        m_lines.reserve(m_lines.size() + body.size() + 2);
        m_lines.append(openingLine(key));
        m_lines.append(body);
        m_lines.append(closingLine(key));
        invalidate();
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

TBlocLu TListeBase::read(int key, int fieldCount, int walkFrom, int walkTo) const {
    TBlocLu bloc;
    const qsizetype at = find(key);
    if (at < 0)
        return bloc;
    bloc.trouve = true;
    const QString closing = closingLine(key);
    bool ended = false;
    for (int offset = 1; offset <= fieldCount; ++offset) {
        const qsizetype i = at + offset;
        ended = ended || i >= m_lines.size() || m_lines[i] == closing;
        bloc.champs.append(ended ? QString() : m_lines[i]);
    }
    for (int offset = walkFrom; offset <= walkTo; ++offset) {
        const qsizetype i = at + offset;
        if (i >= m_lines.size() || m_lines[i] == closing)
            break;
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
        if (!m.ouvre || m.ligne + 1 >= m_lines.size() || m_lines[m.ligne + 1].isEmpty())
            continue;
        largest = std::max(largest, StrToInt(m_lines[m.ligne + 1]));
    }
    return largest + 1;
}

void TListeBase::supprime(int key) {
    // A new card not stored yet has no block and is not counted: nothing to renumber.
    const qsizetype at = find(key);
    if (at >= 0) {
        deleteBlockAt(at, closingLine(key));
        renum(key);
    }
    courant = std::clamp(courant, 0, std::max(nb - 1, 0));
}

void TListeBase::renum(int deletedKey) {
    if (nb < 2)
        return;
    for (const Marque& m : structure().marques)
        if (m.cle > deletedKey)
            m_lines[m.ligne] = m.ouvre ? openingLine(m.cle - 1) : closingLine(m.cle - 1);
    invalidate();
    --nb;
}

void TListeBase::supBloc(int key) {
    const qsizetype at = find(key);
    if (at >= 0)
        deleteBlockAt(at, closingLine(key));
}

void TListeBase::doublons() {
    if (nb < 1)
        return;
    QList<int> occurrences(nb, 0);
    for (const Marque& m : structure().marques)
        if (m.ouvre && m.cle >= 0 && m.cle < nb)
            ++occurrences[m.cle];
    for (int key = 0; key < nb; ++key)
        if (occurrences[key] >= 2)
            supBloc(key);
}

bool TListeBase::verif() {
    // A sound base: every opening line is closed by its own closing line before anything
    // else structural, and its keys, counted once each, are exactly 0 to n - 1.
    bool sound = true;
    int open = -1;
    QList<bool> seen;
    for (const Marque& m : structure().marques) {
        if (m.ouvre) {
            if (open != -1 || m.cle < 0) {
                sound = false;
                break;
            }
            open = m.cle;
            if (m.cle >= seen.size())
                seen.resize(m.cle + 1, false);
            seen[m.cle] = true;
        } else {
            // Its own closing line: "</BLOC" + the same four digits + ">".
            if (open == -1 || !m.exacte || m.cle != open) {
                sound = false;
                break;
            }
            open = -1;
        }
    }
    if (sound && open == -1 && !seen.contains(false))
        return false;

    // Rebuild: every opening line starts a block that runs to its closing line or to the
    // next structural line; the blocks are put in key order (unreadable keys last) and
    // renumbered 0, 1, 2... so that no record is lost and the keys are dense again.
    struct Start {
        int key;
        qsizetype index;
    };
    QList<Start> starts;
    for (const Marque& m : structure().marques)
        if (m.ouvre)
            starts.append({m.cle < 0 ? INT_MAX : m.cle, m.ligne});
    std::stable_sort(starts.begin(), starts.end(),
                     [](const Start& a, const Start& b) { return a.key < b.key; });
    QStringList rebuilt;
    rebuilt.reserve(m_lines.size() + starts.size());
    for (int newKey = 0; newKey < starts.size(); ++newKey) {
        const qsizetype first = starts[newKey].index;
        const QString ownClosing = QStringLiteral("</") + m_lines[first].mid(1);
        rebuilt.append(openingLine(newKey));
        for (qsizetype i = first + 1; i < m_lines.size(); ++i) {
            const QString& l = m_lines[i];
            if (l == ownClosing || opensBlock(l) || closesBlock(l))
                break;
            rebuilt.append(l);
        }
        rebuilt.append(closingLine(newKey));
    }
    assign(rebuilt);
    nb = int(starts.size());
    return true;
}

void TListeBase::squize() {
    qsizetype first = 0;
    while (first < m_lines.size() && !opensBlock(m_lines[first]))
        ++first;
    if (first > 0) {
        m_lines.remove(0, first);
        invalidate();
    }
}
