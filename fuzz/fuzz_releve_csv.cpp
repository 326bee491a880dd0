// A CSV statement, whatever its bytes, read with one of four mappings chosen by its length
// (signed amounts or Débit/Crédit, ";" or ",", one header line or none): either it is refused
// with its message, or it gives one line for each line of text under the header that is not
// blank, each with valid dates and a label on one line.

#include "invariants.h"

#include "core/banque/relevecsv.h"

#include <algorithm>

namespace {

TFormatCsv format(size_t sorte) {
    TFormatCsv f;
    f.separateur = sorte % 2 ? u',' : u';';
    f.virguleDecimale = sorte % 2 == 0;
    f.lignesEntete = sorte < 2 ? 1 : 0;
    if (sorte >= 2) {
        f.colonneValeur = 1;
        f.colonneLibelle = 2;
        f.colonneMontant = -1;
        f.colonneDebit = 3;
        f.colonneCredit = 4;
        f.formatDate = QStringLiteral("yyyy-MM-dd");
    }
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TFormatCsv f = format(size % 4);
    QStringList lignes;
    if (refuse([&] { lignes = LignesCsv(octets(data, size)); }))
        return 0;
    TReleve releve;
    if (refuse([&] { releve = LitReleveCsv(lignes, f); }))
        return 0;
    const qsizetype pleines =
        std::count_if(lignes.begin() + std::min<qsizetype>(f.lignesEntete, lignes.size()),
                      lignes.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
    EXIGE(releve.size() == pleines);
    for (const TOperation& o : releve) {
        EXIGE(o.date.isValid() && o.valeur.isValid());
        EXIGE(!o.libelle.contains(u'\n') && !o.libelle.contains(u'\r'), o.libelle);
    }
    return 0;
}
