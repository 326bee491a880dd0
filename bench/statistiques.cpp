#include "statistiques.h"

#include "ratioreporter.h"

#include "app/statistiquesfiche.h"
#include "app/tfiche.h"
#include "store/tlistebase.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct Mesure {
    const char* nom;
    const char* libelle;
    bool journal;
    SorteStats sorte;
};

const Mesure Mesures[] = {
    {"StatsMois", "Statistiques mois", false, SorteStats::Mois},
    {"StatsLocataires", "Statistiques locataires", false, SorteStats::Locataires},
    {"StatsLots", "Statistiques lots", false, SorteStats::Lots},
    {"StatsFournisseurs", "Statistiques fournisseurs", false, SorteStats::Fournisseurs},
    {"Journal", "Journal comptable", true, SorteStats::Mois},
};

void ajoute(const std::string& nom, const std::shared_ptr<TFiche>& fiche, const Mesure& m) {
    const TProgressionTexte rien = [](const QString&) {};
    benchmark::RegisterBenchmark(nom.c_str(),
                                 [fiche, m, rien](benchmark::State& state) {
                                     for (auto _ : state) {
                                         if (m.journal)
                                             benchmark::DoNotOptimize(JournalFiche(*fiche, rien));
                                         else
                                             benchmark::DoNotOptimize(
                                                 StatistiquesFiche(*fiche, m.sorte, rien));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->DisplayAggregatesOnly(true);
}

} // namespace

void enregistreStatistiques(const QString& loc999, const QString& loc9999) {
    auto petit = std::make_shared<TFiche>();
    petit->Charge(loc999);
    auto grand = std::make_shared<TFiche>();
    grand->Charge(loc9999);
    for (const Mesure& m : Mesures) {
        ajoute(std::string(m.nom) + "999", petit, m);
        ajoute(std::string(m.nom) + "9999", grand, m);
    }
    const QString qtc = grand->fichier(Base::Quittances);
    benchmark::RegisterBenchmark("ChargeQuittances",
                                 [qtc](benchmark::State& state) {
                                     for (auto _ : state) {
                                         TListeBase base;
                                         base.load(qtc);
                                         benchmark::DoNotOptimize(base.lineCount());
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->DisplayAggregatesOnly(true);
}

void resumeStatistiques(const RatioReporter& r) {
    const auto charge = r.seconds("ChargeQuittances", "median");
    if (!charge) {
        std::printf("(no summary of the statistics: ChargeQuittances did not run)\n");
        return;
    }
    std::printf("\nStatistics and journal (median)     999 rcpt   9999 rcpt  9999/999  "
                "in loads of the receipt base\n");
    for (const Mesure& m : Mesures) {
        const auto petit = r.seconds(std::string(m.nom) + "999", "median");
        const auto grand = r.seconds(std::string(m.nom) + "9999", "median");
        if (!petit || !grand)
            continue;
        std::printf("%-34s %8.1f ms %8.1f ms %8.2f x %8.2f x\n", m.libelle, *petit * 1e3,
                    *grand * 1e3, *grand / *petit, *grand / *charge);
    }
    std::printf("Load of the receipt base (9999):    %8.1f ms\n", *charge * 1e3);
    std::printf("Targets: 12 x or less from 999 to 9999 receipts; a few loads of the base.\n");
}
