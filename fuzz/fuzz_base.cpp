// One file of a dossier, as opening reads it: the base that opening gives is sound, keeps
// every line its blocks held, reads into the tenant page without changing, stores a record that
// reads back as it was stored, loses only that record when it is deleted, and comes back line
// for line from the bytes it is saved as.

#include "invariants.h"

#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "core/records/locataire.h"
#include "core/records/tpageenregistrement.h"
#include "core/store/tlistebase.h"

#include <algorithm>

namespace {

using Sorte = TListeBase::Sorte;

struct Ouverture {
    QStringList lignesLues; // the file's lines as decoded
    bool refusee = false;   // more blocks than a base can hold
    bool reconstruite = false;
    bool copiesOtees = false;
};

// What opening a dossier does to each of its files.
Ouverture ouvre(TListeBase& base, const QByteArray& bytes) {
    Ouverture o;
    base.assignBytes(bytes);
    o.lignesLues = base.lines();
    o.refusee = base.countBlocks() > TListeBase::MaxBlocs;
    if (!o.refusee) {
        o.reconstruite = base.verif();
        o.copiesOtees = base.doublons();
    }
    return o;
}

// The lines that blocks hold, by the grammar alone: after an opening line, sound or damaged,
// up to the next structural line. Sorted, to be compared as a whole.
QStringList lignesDesBlocs(const QStringList& lignes) {
    QStringList contenu;
    bool dansUnBloc = false;
    for (const QString& ligne : lignes) {
        const Sorte sorte = TListeBase::analyse(ligne).sorte;
        if (sorte != Sorte::Contenu)
            dansUnBloc = sorte == Sorte::Ouverture;
        else if (dansUnBloc)
            contenu.append(ligne);
    }
    std::sort(contenu.begin(), contenu.end());
    return contenu;
}

// The lines of a sound base's block between its opening and closing lines.
QStringList corps(const TListeBase& base, int cle) {
    QStringList lignes;
    for (qsizetype i = base.find(cle) + 1; base.line(i) != TListeBase::closingLine(cle); ++i)
        lignes.append(base.line(i));
    return lignes;
}

// Keys 0 to nb - 1, each opening one block closed by its own closing line before anything
// structural, and nothing for a second pass over the base to repair.
void exigeSaine(TListeBase& base) {
    EXIGE(base.countBlocks() == base.nb());
    QList<int> copies(base.nb(), 0);
    for (const TListeBase::Position& bloc : base.blocs()) {
        EXIGE(bloc.cle >= 0 && bloc.cle < base.nb(), QString::number(bloc.cle));
        ++copies[bloc.cle];
    }
    EXIGE(std::all_of(copies.begin(), copies.end(), [](int n) { return n == 1; }));
    for (int cle = 0; cle < base.nb(); ++cle) {
        const qsizetype at = base.find(cle);
        EXIGE(at >= 0 && base.line(at) == TListeBase::openingLine(cle));
        qsizetype fin = at + 1;
        while (fin < base.lineCount() &&
               TListeBase::analyse(base.line(fin)).sorte == Sorte::Contenu)
            ++fin;
        EXIGE(fin < base.lineCount() && base.line(fin) == TListeBase::closingLine(cle));
    }
    const QStringList avant = base.lines();
    EXIGE(!base.verif());
    EXIGE(!base.doublons());
    EXIGE(base.lines() == avant);
}

// Saving writes the base's lines after the squeeze; opening those bytes changes nothing.
void exigeStableALaSauvegarde(const TListeBase& base) {
    TListeBase sauvee = base;
    sauvee.squize();
    const QByteArray bytes = TextFile::encodeLines(sauvee.lines(), QStringLiteral("fuzz.loc"));
    TListeBase relue;
    const Ouverture o = ouvre(relue, bytes);
    EXIGE(!o.refusee && !o.reconstruite && !o.copiesOtees);
    EXIGE(relue.lines() == sauvee.lines());
    EXIGE(relue.nb() == base.nb());
}

// The history rows that a store keeps: those before the first one shorter than a grid line.
QList<QStringList> lignesGardees(const TGrilleHistorique& grille) {
    QList<QStringList> lignes;
    for (const QStringList& ligne : grille.lignes()) {
        if (ligne.join(u'\t').size() < 10)
            break;
        lignes.append(ligne);
    }
    return lignes;
}

// A stored record reads back into a fresh page as the page held it.
void exigeRelu(TListeBase& base, int cle, TPageEnregistrement& ecrite,
               const TContextePage& contexte) {
    TPageEnregistrement relue(Locataire::description(), base, contexte);
    base.allerA(cle);
    relue.lit();
    for (int ligne = 1; ligne <= ecrite.description().nbChamps(); ++ligne)
        EXIGE(relue.champ(ligne) == ecrite.champ(ligne), QString::number(ligne));
    EXIGE(relue.lignesMemo() == ecrite.lignesMemo());
    EXIGE(lignesGardees(relue.grille()) == lignesGardees(ecrite.grille()));
}

// Deleting a record leaves a sound base of one block fewer, the others in their order under
// the keys that follow.
void exigeSuppression(const TListeBase& ouverte, int cle) {
    TListeBase base = ouverte;
    base.allerA(cle);
    base.supprime(cle);
    EXIGE(base.nb() == ouverte.nb() - 1);
    EXIGE(base.courant() >= 0 && base.courant() <= std::max(base.nb() - 1, 0));
    exigeSaine(base);
    for (int autre = 0; autre < base.nb(); ++autre)
        EXIGE(corps(base, autre) == corps(ouverte, autre < cle ? autre : autre + 1),
              QString::number(autre));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const Clock::Fixed jour(QDateTime(QDate(2024, 6, 15), QTime(10, 0)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = octets(data, size);
    TListeBase base;
    const Ouverture o = ouvre(base, bytes);
    if (o.refusee)
        return 0;
    exigeSaine(base);
    // Nothing a block held is lost, except the copies of a key that opening drops.
    const QStringList lues = lignesDesBlocs(o.lignesLues);
    const QStringList gardees = lignesDesBlocs(base.lines());
    if (o.copiesOtees)
        EXIGE(std::includes(lues.begin(), lues.end(), gardees.begin(), gardees.end()));
    else
        EXIGE(gardees == lues);
    exigeStableALaSauvegarde(base);

    const TListeBase ouverte = base;
    const TContextePage contexte;
    TPageEnregistrement page(Locataire::description(), base, contexte);
    for (int cle = 0; cle < base.nb(); ++cle) {
        base.allerA(cle);
        page.lit();
        EXIGE(!page.modifie());
    }
    EXIGE(base.lines() == ouverte.lines());

    const int cle = base.nb() ? int(size % base.nb()) : 0;
    if (base.nb())
        exigeSuppression(ouverte, cle);
    base.allerA(cle);
    page.lit();
    page.saisitChamp(Locataire::NomSoc, QStringLiteral("x"));
    EXIGE(page.ecrit());
    exigeSaine(base);
    exigeRelu(base, cle, page, contexte);
    for (int autre = 0; autre < ouverte.nb(); ++autre)
        if (autre != cle)
            EXIGE(corps(base, autre) == corps(ouverte, autre), QString::number(autre));
    exigeStableALaSauvegarde(base);
    return 0;
}
