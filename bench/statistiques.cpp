#include "statistiques.h"

#include "ratioreporter.h"

#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/store/tlistebase.h"

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
    const char* charge; // the load of the base the command reads
};

const Mesure Mesures[] = {
    {"StatsMois", "Statistiques mois", false, SorteStats::Mois, "ChargeQuittances"},
    {"StatsLocataires", "Statistiques locataires", false, SorteStats::Locataires,
     "ChargeQuittances"},
    {"StatsLots", "Statistiques lots", false, SorteStats::Lots, "ChargeQuittances"},
    {"StatsFournisseurs", "Statistiques fournisseurs", false, SorteStats::Fournisseurs,
     "ChargeCommandes"},
    {"Journal", "Journal comptable", true, SorteStats::Mois, "ChargeQuittances"},
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
    for (const auto& [nom, base] : {std::pair{"ChargeQuittances", Base::Quittances},
                                    std::pair{"ChargeCommandes", Base::Commandes}}) {
        const QString fichier = grand->fichier(base);
        benchmark::RegisterBenchmark(nom,
                                     [fichier](benchmark::State& state) {
                                         for (auto _ : state) {
                                             TListeBase lue;
                                             lue.load(fichier);
                                             benchmark::DoNotOptimize(lue.lineCount());
                                         }
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(5)
            ->DisplayAggregatesOnly(true);
    }
}

void resumeStatistiques(const RatioReporter& r) {
    std::printf("\nStatistics and journal (median)     999 rcpt   9999 rcpt  9999/999  "
                "in loads of the base read\n");
    for (const Mesure& m : Mesures) {
        const auto petit = r.seconds(std::string(m.nom) + "999", "median");
        const auto grand = r.seconds(std::string(m.nom) + "9999", "median");
        const auto charge = r.seconds(m.charge, "median");
        if (!petit || !grand || !charge)
            continue;
        std::printf("%-34s %8.1f ms %8.1f ms %8.2f x %8.2f x\n", m.libelle, *petit * 1e3,
                    *grand * 1e3, *grand / *petit, *grand / *charge);
    }
    for (const char* charge : {"ChargeQuittances", "ChargeCommandes"})
        if (const auto s = r.seconds(charge, "median"))
            std::printf("%-34s %8.1f ms (9999 blocks)\n", charge, *s * 1e3);
    std::printf("Targets: 12 x or less from 999 to 9999 receipts; a few loads of the base read "
                "(the receipts', the orders' for the suppliers).\n");
}
