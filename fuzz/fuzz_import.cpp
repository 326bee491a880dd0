// A file to import, whatever its bytes: reading it either refuses it with its message (an
// encoding it does not decode in, two encodings mixed), or the import refuses it and leaves
// the base as it was, or appends one sound block per line holding anything, up to the
// base's limit, each with the next number and the line's columns in its fields; the blocks
// export back as the columns they came from, sort without losing a line, and save and read back
// line for line.
//
// The input is the file; its length chooses the separator (odd: ";", even: TAB) and the tenant
// base it is imported into (none, one empty record, or two records).

#include "invariants.h"

#include "core/common/textfile.h"
#include "core/records/echange.h"
#include "core/records/locataire.h"
#include "core/store/echange.h"
#include "core/store/recherche.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>

namespace {

// The field lines of each block, key by key.
QList<QStringList> fiches(const TListeBase& base) {
    QList<QStringList> toutes;
    for (int cle = 0; cle < base.nb(); ++cle) {
        const qsizetype at = base.find(cle);
        EXIGE(at >= 0, QString::number(cle));
        toutes.append(base.lines().mid(at + 1, base.finContenu(at) - at - 1));
    }
    return toutes;
}

// Keys 0 to nb - 1, each once, and nothing for opening to repair.
void exigeSaine(TListeBase& base) {
    EXIGE(base.countBlocks() == base.nb());
    EXIGE(base.blocs().size() == base.nb());
    const QStringList avant = base.lines();
    EXIGE(!base.verif());
    EXIGE(!base.doublons());
    EXIGE(base.lines() == avant);
    fiches(base);
}

TListeBase baseDeDepart(size_t sorte, const Echange::TDisposition& d) {
    TListeBase base;
    if (sorte == 1) {
        base.store(0, d.modele);
    } else if (sorte == 2) {
        QStringList dupont = d.modele;
        dupont[0] = QStringLiteral("10001");
        dupont[1] = QStringLiteral("Dupont");
        base.store(0, dupont);
        dupont[0] = QStringLiteral("10007");
        dupont.append(QStringLiteral("MEMOà rappeler"));
        base.store(1, dupont);
    }
    return base;
}

bool blanche(const QStringList& colonnes) {
    return std::all_of(colonnes.begin(), colonnes.end(),
                       [](const QString& c) { return c.trimmed().isEmpty(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray fichier = octets(data, size);
    const QChar separateur = size % 2 ? u';' : u'\t';
    const Echange::TDisposition d = *dispositionEchange(Base::Locataires);
    TListeBase base = baseDeDepart(size % 3, d);
    base.allerA(base.nb() - 1);
    const QList<QStringList> avant = fiches(base);

    QStringList lignes;
    if (refuse([&] { lignes = Echange::lignes(fichier); }))
        return 0;
    for (const QString& ligne : lignes)
        EXIGE(!ligne.contains(u'\r') && !ligne.contains(u'\n'));

    Echange::TBilan bilan;
    if (refuse([&] { bilan = Echange::importe(base, lignes, separateur, d); })) {
        EXIGE(fiches(base) == avant);
        return 0;
    }
    exigeSaine(base);
    // No control character reaches the dossier, nor a TAB, which would split an exported row.
    for (const QString& ligne : base.lines())
        for (QChar c : ligne)
            EXIGE(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0),
                  QString::number(c.unicode(), 16));

    // The records that the lines hold, in order.
    QList<QStringList> attendues;
    for (const QString& ligne : lignes)
        if (const QStringList colonnes = Echange::champs(ligne, separateur); !blanche(colonnes))
            attendues.append(colonnes);
    const bool remplace = size % 3 == 1 && !attendues.isEmpty();
    const QList<QStringList> gardees = remplace ? QList<QStringList>() : avant;
    const qsizetype place = TListeBase::MaxBlocs - gardees.size();
    EXIGE(bilan.importees == std::min(attendues.size(), place));
    EXIGE(bilan.tronque == (attendues.size() > place));
    EXIGE(base.nb() == gardees.size() + bilan.importees);

    const QList<QStringList> apres = fiches(base);
    EXIGE(apres.mid(0, gardees.size()) == gardees);
    const int premier = size % 3 == 2 ? 10008 : 10001;
    const QStringList exportees = Echange::exporte(base, separateur, d);
    for (int i = 0; i < bilan.importees; ++i) {
        const QStringList& bloc = apres[gardees.size() + i];
        const QStringList& colonnes = attendues[i];
        EXIGE(bloc.size() == d.modele.size());
        EXIGE(bloc[0] == QString::number(premier + i));
        for (qsizetype ligne = 1; ligne < bloc.size(); ++ligne) {
            const qsizetype colonne = d.importees.indexOf(int(ligne + 1));
            const QString attendu =
                colonne >= 0 && colonne < colonnes.size() ? colonnes[colonne] : d.modele[ligne];
            EXIGE(bloc[ligne] == attendu, QString::number(ligne + 1));
        }
        // The export gives back the first seven columns, the missing ones empty.
        QStringList sept = colonnes.mid(0, 7);
        while (sept.size() < 7)
            sept.append(QString());
        EXIGE(exportees.value(gardees.size() + i) == sept.join(separateur));
    }

    // A sort by name keeps every block whole, in the order of the names.
    TListeBase triee = base;
    trie(triee, Locataire::NomSoc);
    exigeSaine(triee);
    QList<QStringList> avantTri = apres, apresTri = fiches(triee);
    EXIGE(apresTri.size() == avantTri.size());
    QCollator collation{QLocale(QLocale::French, QLocale::France)};
    collation.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 1; i < apresTri.size(); ++i)
        EXIGE(collation.sortKey(apresTri[i - 1].value(1))
                  .compare(collation.sortKey(apresTri[i].value(1))) <= 0);
    std::sort(avantTri.begin(), avantTri.end());
    std::sort(apresTri.begin(), apresTri.end());
    EXIGE(avantTri == apresTri);

    // Saved and read back, the base is the same.
    TListeBase relue;
    relue.assignBytes(TextFile::encodeLines(base.lines(), QStringLiteral("fuzz.loc")));
    EXIGE(relue.lines() == base.lines());
    return 0;
}
