#include "releve.h"

#include "ratioreporter.h"

#include "core/app/tfiche.h"
#include "core/banque/operationsfaites.h"
#include "core/banque/rapprochement.h"
#include "core/banque/relevecsv.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "core/documents/cartetiers.h"
#include "core/documents/lignesloyer.h"
#include "core/records/locataire.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int LignesReleve = 5000;

// One credit a tenant taken every other one, of what he owes, with his name in the label; one
// line in ten a debit.
QStringList lignesReleve(const TListeBase& locataires) {
    QStringList lignes{QStringLiteral("Date;Libellé;Montant")};
    const QList<TListeBase::Position> blocs = locataires.blocs();
    const QString jour = Clock::today().toString(QStringLiteral("dd/MM/yyyy"));
    for (int i = 0; i < LignesReleve; ++i) {
        const TListeBase::Position& bloc = blocs[(2 * i) % blocs.size()];
        if (i % 10 == 9) {
            lignes.append(jour + QStringLiteral(";PRLV EDF %1;-%2,40").arg(i).arg(i % 300));
            continue;
        }
        const TCarteTiers carte = TCarteTiers::depuisBloc(Base::Locataires, locataires, bloc.cle);
        const double du = TotalLoyer(carte.montants, QStringLiteral("0.00"));
        lignes.append(jour + QStringLiteral(";VIR %1;%2")
                                 .arg(locataires.champ(bloc.ligne, Locataire::NomSoc).trimmed())
                                 .arg(QString::number(du, 'f', 2).replace(u'.', u',')));
    }
    return lignes;
}

} // namespace

void enregistreReleve(const QString& loc, const QString& work) {
    TFiche fiche;
    fiche.Charge(loc);
    const QString chemin = QDir(work).filePath(QStringLiteral("releve.csv"));
    TextFile::write(chemin, lignesReleve(fiche.base(Base::Locataires)));
    auto locataires = std::make_shared<TListeBase>(fiche.base(Base::Locataires));
    benchmark::RegisterBenchmark(
        "Releve5000",
        [chemin, locataires](benchmark::State& state) {
            qsizetype cochees = 0;
            for (auto _ : state) {
                const TReleve releve =
                    LitReleveCsv(LignesCsv(TextFile::readBytes(chemin)), TFormatCsv{});
                const TRapprochement r(releve, TLocatairesDus(*locataires, QStringLiteral("0.00")),
                                       TOperationsFaites{});
                if (r.lignes().size() != LignesReleve)
                    throw std::runtime_error("the statement lost lines");
                cochees = r.nombreCoches();
            }
            state.counters["rapprochees"] = double(cochees);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->DisplayAggregatesOnly(true);
}

void resumeReleve(const RatioReporter& r) {
    const auto releve = r.seconds("Releve5000", "median");
    const auto charge = r.seconds("ChargeLocataires", "median");
    if (!releve || !charge)
        return;
    std::printf("\nBank statement of %d lines read and matched with 9999 tenants (median)\n"
                "%-34s %8.1f ms %8.2f x one load of the tenant base\n"
                "Target: a few loads of the tenant base.\n",
                LignesReleve, "Relevé bancaire", *releve * 1e3, *releve / *charge);
}
