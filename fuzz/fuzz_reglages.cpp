// The three settings files, whatever their bytes: reading gives values that saving writes back,
// or refuses with nothing written, and reading what was saved gives the same values again; a
// second save writes the same bytes as the first.
//
// The input holds the three files one after the other, "Tarvinel.ini", "Tarvinel.soc" and
// "Tarvinel.cbx", each ended by a NUL byte; a file the input does not reach is missing.

#include "invariants.h"

#include "core/app/fichiersreglages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace FichiersReglages;

const QStringList Noms = {NomIni, NomSoc, NomCbx};

struct Reglages {
    QString chemin;
    TReglages reglages;
    TSelections selections;
};

void vide(const QString& repertoire) {
    QDir dir(repertoire);
    for (const QString& nom : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(nom);
}

QByteArray lis(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

Reglages charge(const QString& repertoire) {
    Reglages r;
    ChargeIni(repertoire, r.chemin, r.reglages, r.selections);
    ChargeSoc(repertoire, r.reglages.lignesProprio);
    ChargeCombo(repertoire, r.reglages);
    return r;
}

// Saves the three files into an empty directory: a save either writes its file or refuses
// with nothing left behind. The names of the files written are given back, sorted.
QStringList sauve(const QString& repertoire, const Reglages& r) {
    vide(repertoire);
    QStringList ecrits;
    const auto sauveUn = [&](const QString& nom, const auto& sauvegarde) {
        if (!refuse(sauvegarde))
            ecrits.append(nom);
        ecrits.sort();
        const QStringList presents =
            QDir(repertoire).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        EXIGE(presents == ecrits, presents.join(u' '));
    };
    sauveUn(NomIni,
            [&] { EXIGE(SauveIni(repertoire, r.chemin, r.reglages, r.selections).isEmpty()); });
    sauveUn(NomSoc, [&] { SauveSoc(repertoire, r.reglages.lignesProprio); });
    sauveUn(NomCbx, [&] { SauveCombo(repertoire, r.reglages); });
    return ecrits;
}

// The values of the files written are read back the same.
void exigeEgaux(const Reglages& a, const Reglages& b, const QStringList& ecrits) {
    const TReglages& x = a.reglages;
    const TReglages& y = b.reglages;
    if (ecrits.contains(NomIni)) {
        EXIGE(a.chemin == b.chemin);
        EXIGE(x.autoOuvrir == y.autoOuvrir && x.typePapier == y.typePapier &&
              x.orientationEnveloppe == y.orientationEnveloppe &&
              x.decalageGuide == y.decalageGuide && x.nbDecimales == y.nbDecimales);
        EXIGE(x.tauxTVA1 == y.tauxTVA1 && x.tauxTVA2 == y.tauxTVA2 && x.tauxTVA3 == y.tauxTVA3);
        EXIGE(x.compteClients == y.compteClients && x.compteLoyers == y.compteLoyers &&
              x.compteCharges == y.compteCharges && x.compteTVA == y.compteTVA &&
              x.compteTaxe == y.compteTaxe && x.compteAPL == y.compteAPL);
        EXIGE(a.selections.modeSelLoc == b.selections.modeSelLoc &&
              a.selections.cpSel == b.selections.cpSel &&
              a.selections.villeSel == b.selections.villeSel);
    }
    if (ecrits.contains(NomSoc))
        EXIGE(x.lignesProprio == y.lignesProprio);
    if (ecrits.contains(NomCbx))
        EXIGE(x.listes == y.listes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir racine;
    static const QString lus = racine.filePath(QStringLiteral("lus"));
    static const QString premiere = racine.filePath(QStringLiteral("premiere"));
    static const QString seconde = racine.filePath(QStringLiteral("seconde"));
    for (const QString& repertoire : {lus, premiere, seconde})
        EXIGE(QDir().mkpath(repertoire));

    vide(lus);
    const QByteArray bytes = octets(data, size);
    qsizetype debut = 0;
    for (const QString& nom : Noms) {
        if (debut > bytes.size())
            break;
        qsizetype fin = bytes.indexOf('\0', debut);
        if (fin < 0)
            fin = bytes.size();
        QFile fichier(QDir(lus).filePath(nom));
        EXIGE(fichier.open(QIODevice::WriteOnly));
        fichier.write(bytes.mid(debut, fin - debut));
        debut = fin + 1;
    }

    const Reglages lu = charge(lus);
    const QStringList ecrits = sauve(premiere, lu);
    const Reglages relu = charge(premiere);
    exigeEgaux(lu, relu, ecrits);

    const QStringList ecritsEncore = sauve(seconde, relu);
    for (const QString& nom : ecrits) {
        EXIGE(ecritsEncore.contains(nom), nom);
        EXIGE(lis(QDir(seconde).filePath(nom)) == lis(QDir(premiere).filePath(nom)), nom);
    }
    return 0;
}
