// Times the opening and saving of the largest dossier the format allows against a plain copy
// of its bytes, the Find and Store primitives on a full base, a receipt made and validated, and
// the sort of a full tenant base and the import of a full address file against one load of
// that base; the statistics and the journal on 999 and 9 999 receipts; a bank statement of
// 5 000 lines matched with the full tenant base.

#include "dossiergen.h"
#include "lettres.h"
#include "ratioreporter.h"
#include "releve.h"
#include "statistiques.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/textfile.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/mois.h"
#include "core/gestion/quittancesdumois.h"
#include "core/records/echange.h"
#include "core/records/locataire.h"
#include "core/store/recherche.h"
#include "core/store/selections.h"
#include "core/store/tlistebase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The key of the block in the middle of a full base.
constexpr int kMilieu = TListeBase::MaxBlocs / 2;

std::vector<QByteArray> readAll(const QStringList& files) {
    std::vector<QByteArray> contents;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + path.toStdString());
        contents.push_back(file.readAll());
    }
    return contents;
}

// Writes each content to its file; `sur` writes as Save does: beside the file, flushed to
// the disk, then renamed over it.
void writeAll(const QStringList& files, const std::vector<QByteArray>& contents, bool sur) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString target = sur ? files[i] + QStringLiteral(".tmp~") : files[i];
        QFile file(target);
        const QByteArray& bytes = contents[size_t(i)];
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush() ||
            (sur && ::fsync(file.handle()) != 0))
            throw std::runtime_error("cannot write " + target.toStdString());
        file.close();
        if (sur && std::rename(QFile::encodeName(target).constData(),
                               QFile::encodeName(files[i]).constData()) != 0)
            throw std::runtime_error("cannot rename " + target.toStdString());
    }
}

QStringList filesIn(const QString& dir, const QStringList& files) {
    QDir().mkpath(dir);
    QStringList out;
    for (const QString& f : files)
        out.append(QDir(dir).filePath(QFileInfo(f).fileName()));
    return out;
}

// The generated dossier must open as a sound, full dossier and save back byte for byte;
// otherwise the figures would time something else than a real open and save.
void verifie(const QString& loc, const QString& copieDir) {
    TFiche fiche;
    fiche.Charge(loc);
    for (Base b : ToutesLesBases)
        if (fiche.base(b).nb() != TListeBase::MaxBlocs)
            throw std::runtime_error("a base of the generated dossier is not full");
    if (fiche.dossierModifie())
        throw std::runtime_error("the generated dossier was repaired while loading");
    const QString saved = QDir(copieDir).filePath(QFileInfo(loc).fileName());
    QDir().mkpath(copieDir);
    fiche.SetSauve();
    fiche.Sauve(saved);
    if (readAll(dossierFiles(loc)) != readAll(dossierFiles(saved)))
        throw std::runtime_error("the dossier does not save back byte for byte");
}

// Every figure is taken five times: the fastest is the one least disturbed by the rest of the
// machine, and the summary gives it beside the median.
// One pass over every line of a base, each compared without regard to letter case: the yardstick
// of the other figures.
qsizetype unePasse(const TListeBase& base, const QString& texte) {
    for (qsizetype i = 0; i < base.lineCount(); ++i)
        if (base.line(i).compare(texte, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The resident memory of the process, in bytes, as the system counts it.
qint64 memoireResidente() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& ligne : status.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').constFirst().toLongLong() * 1024;
    return 0;
}

template <typename F> void add(const char* name, F&& run) {
    benchmark::RegisterBenchmark(name, std::forward<F>(run))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->DisplayAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        });
}

void enregistre(const QString& loc, const QString& work) {
    const QStringList files = dossierFiles(loc);

    add("Charge", [loc](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            auto fiche = std::make_unique<TFiche>();
            state.ResumeTiming();
            fiche->Charge(loc);
            state.PauseTiming();
            fiche.reset();
            state.ResumeTiming();
        }
    });
    add("ChargeOverOpen", [loc](benchmark::State& state) {
        // Opening a dossier while another is open: the old lines are freed on the way.
        TFiche fiche;
        fiche.Charge(loc);
        for (auto _ : state)
            fiche.Charge(loc);
    });

    const QString saved = QDir(work + QStringLiteral("/sauve")).filePath(QFileInfo(loc).fileName());
    QDir().mkpath(work + QStringLiteral("/sauve"));
    add("Sauve", [loc, saved](benchmark::State& state) {
        TFiche fiche;
        fiche.Charge(loc);
        for (auto _ : state) {
            fiche.SetSauve();
            fiche.Sauve(saved);
        }
    });

    add("CopyRead", [files](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readAll(files));
    });

    const std::vector<QByteArray> contents = readAll(files);
    const QStringList copies = filesIn(work + QStringLiteral("/copie"), files);
    add("CopyWrite", [copies, contents](benchmark::State& state) {
        for (auto _ : state)
            writeAll(copies, contents, false);
    });
    add("CopyWriteSynced", [copies, contents](benchmark::State& state) {
        for (auto _ : state)
            writeAll(copies, contents, true);
    });

    auto fiche = std::make_shared<TFiche>();
    fiche->Charge(loc);
    add("Find9999", [fiche](benchmark::State& state) {
        TListeBase& base = fiche->base(Base::Locataires);
        for (auto _ : state) {
            // The same content, but whatever the base keeps to find faster is out of date.
            state.PauseTiming();
            QStringList corps;
            for (qsizetype i = 1; i < base.finContenu(0); ++i)
                corps.append(base.line(i));
            base.store(0, corps);
            state.ResumeTiming();
            for (int key = 0; key < TListeBase::MaxBlocs; ++key)
                benchmark::DoNotOptimize(base.find(key));
        }
    });
    add("OnePass", [fiche](benchmark::State& state) {
        const TListeBase& base = fiche->base(Base::Locataires);
        const QString absent = QStringLiteral("<BLOC-ABSENT>");
        for (auto _ : state)
            benchmark::DoNotOptimize(unePasse(base, absent));
    });
    add("OnePassQuittances", [fiche](benchmark::State& state) {
        const TListeBase& base = fiche->base(Base::Quittances);
        const QString absent = QStringLiteral("<BLOC-ABSENT>");
        for (auto _ : state)
            benchmark::DoNotOptimize(unePasse(base, absent));
    });
    add("QuittanceValidee", [fiche](benchmark::State& state) {
        // A full receipt base has room for one more once its last receipt is gone; each
        // receipt made is taken away again, and the tenant's history put back, untimed.
        TListeBase& quittances = fiche->base(Base::Quittances);
        TListeBase& locataires = fiche->base(Base::Locataires);
        if (quittances.nb() >= TListeBase::MaxBlocs)
            quittances.supprime(quittances.nb() - 1);
        const QStringList historique = locataires.lines();
        for (auto _ : state) {
            state.PauseTiming();
            fiche->AffichePage(Base::Locataires);
            locataires.allerA(kMilieu);
            fiche->page(Base::Locataires)->lit();
            state.ResumeTiming();
            fiche->NouvDocument(Base::Quittances);
            if (!fiche->ValideDocument(Base::Quittances))
                throw std::runtime_error("the receipt was not validated");
            state.PauseTiming();
            quittances.supprime(quittances.nb() - 1);
            locataires.assign(historique);
            state.ResumeTiming();
        }
    });
    add("StoreMiddle", [fiche](benchmark::State& state) {
        TListeBase& base = fiche->base(Base::Locataires);
        const TBlocLu lu = base.read(kMilieu, 26, 27);
        QStringList body = lu.champs;
        for (const TLigneTag& t : lu.tags)
            body.append(t.tag + t.valeur);
        QStringList autre = body;
        autre[1] += QStringLiteral(" épouse Théron");
        bool flip = false;
        for (auto _ : state) {
            // The store, and the Find of the next read, which sees the base changed.
            base.store(kMilieu, (flip = !flip) ? autre : body);
            benchmark::DoNotOptimize(base.find(kMilieu + 1));
        }
    });
}

// The receipt base of a dossier's month when every current tenant but one in ten has had his
// receipt already: a month takes 999 receipts at most, so the month's run makes the others'.
// The base is as the landlord finds it on opening his dossier: read from its file's bytes.
TListeBase quittancesFaites(const TFiche& fiche, const QString& mois, const QDate& jour) {
    const TListeBase& locataires = fiche.base(Base::Locataires);
    const TListeBase& modeles = fiche.base(Base::Quittances);
    const qsizetype modele = modeles.find(0);
    QStringList corps;
    for (qsizetype i = modele + 1; i < modeles.finContenu(modele); ++i)
        corps.append(modeles.line(i));
    const int ligneLocataire = Documents::quittance().ligne(ChampDocument::Locataire);
    const int ligneMois = Documents::quittance().ligne(ChampDocument::Mois);
    corps[ligneMois - 1] = mois;
    TListeBase faites;
    int actuels = 0;
    for (const TListeBase::Position& bloc : locataires.blocs())
        if (estLocataireActuel(locataires.champ(bloc.ligne, Locataire::Entre),
                               locataires.champ(bloc.ligne, Locataire::Sorti), jour) &&
            actuels++ % 10 != 0) {
            corps[ligneLocataire - 1] = locataires.champ(bloc.ligne, Locataire::Numero);
            faites.store(faites.nb(), corps);
        }
    faites.assignBytes(faites.bytes(QStringLiteral("quittances")));
    faites.allerA(0);
    return faites;
}

// "Quittances du mois" over a dossier: the current tenants' cards read, and the receipts of the
// tenants who have none for the month made; the receipt base put back, untimed.
void quittancesDuMois(benchmark::State& state, const QString& loc) {
    TFiche fiche;
    fiche.Charge(loc);
    const QString mois = TexteMois(Clock::today());
    const TListeBase faites = quittancesFaites(fiche, mois, PeriodeMois(mois).du);
    TListeBase& quittances = fiche.base(Base::Quittances);
    qsizetype creees = 0;
    qsizetype locataires = 0;
    for (auto _ : state) {
        state.PauseTiming();
        quittances = faites;
        fiche.AffichePage(Base::Locataires);
        state.ResumeTiming();
        const TBilanMois bilan = QuittancesDuMois(fiche, mois, false);
        creees = bilan.creees.size();
        locataires = creees + bilan.ignorees.size();
    }
    state.counters["locataires"] = double(locataires);
    state.counters["quittances"] = double(creees);
}

void enregistreQuittancesDuMois(const QString& loc, const QString& loc999) {
    // One run takes long with the quadratic numbering of old: runs of one iteration.
    for (const auto& [nom, dossier] :
         {std::pair{"QuittancesDuMois", loc}, std::pair{"QuittancesDuMois999", loc999}})
        benchmark::RegisterBenchmark(
            nom, [loc = dossier](benchmark::State& state) { quittancesDuMois(state, loc); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(3)
            ->DisplayAggregatesOnly(true)
            ->ComputeStatistics("min", [](const std::vector<double>& v) {
                return *std::min_element(v.begin(), v.end());
            });
}

// The tenant base and an address file of 9998 lines taken from it, as the import reads them.
void enregistreTriImport(const QString& loc, const QString& work) {
    const QString tenants = dossierFiles(loc).constFirst();
    add("ChargeLocataires", [tenants](benchmark::State& state) {
        // One load of the base, as opening does it for each of its files; freeing it is not
        // timed, as for Charge.
        for (auto _ : state) {
            auto base = std::make_unique<TListeBase>();
            base->assignBytes(TextFile::readBytes(tenants));
            base->verif();
            base->doublons();
            benchmark::DoNotOptimize(base->nb());
            state.PauseTiming();
            base.reset();
            state.ResumeTiming();
        }
    });

    auto chargee = std::make_shared<TListeBase>();
    chargee->assignBytes(TextFile::readBytes(tenants));
    add("TriLocataires", [chargee](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            TListeBase base = *chargee;
            state.ResumeTiming();
            trie(base, Locataire::Ville);
            state.PauseTiming();
            if (base.nb() != TListeBase::MaxBlocs)
                throw std::runtime_error("the sort lost blocks");
            base = TListeBase();
            state.ResumeTiming();
        }
    });

    const QString adresses = QDir(work).filePath(QStringLiteral("adresses.csv"));
    QStringList lignes = Echange::exporte(*chargee, u';', *dispositionEchange(Base::Locataires));
    lignes.resize(TListeBase::MaxBlocs - 1);
    TextFile::write(adresses, lignes);
    add("Import9998", [adresses](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            auto fiche = std::make_unique<TFiche>();
            state.ResumeTiming();
            if (fiche->Importe(adresses).importees != TListeBase::MaxBlocs - 1)
                throw std::runtime_error("the import did not take every line");
            state.PauseTiming();
            fiche.reset();
            state.ResumeTiming();
        }
    });
}

void printSummary(const RatioReporter& r, qint64 bytes, qsizetype lines) {
    std::printf("\nMaximal dossier: 7 bases of %d blocks, %lld lines, %.1f MB\n",
                TListeBase::MaxBlocs, static_cast<long long>(lines), double(bytes) / 1e6);
    const char* const names[] = {"Charge",           "Sauve",
                                 "CopyRead",         "CopyWrite",
                                 "CopyWriteSynced",  "Find9999",
                                 "OnePass",          "StoreMiddle",
                                 "ChargeOverOpen",   "OnePassQuittances",
                                 "QuittanceValidee", "ChargeLocataires",
                                 "TriLocataires",    "Import9998",
                                 "QuittancesDuMois", "QuittancesDuMois999"};
    // Milliseconds per iteration, by the fastest repetition and by the median.
    std::map<std::string, double> fastest, median;
    for (const char* name : names) {
        const auto f = r.seconds(name, "min"), m = r.seconds(name, "median");
        if (!f || !m) {
            std::printf("(no summary: the benchmark %s did not run)\n", name);
            return;
        }
        fastest[name] = *f * 1e3;
        median[name] = *m * 1e3;
    }
    std::printf("%-40s %10s %10s\n", "", "fastest", "median");
    auto line = [&](const char* label, const char* unit, auto figure) {
        std::printf("%-40s %7.2f %-2s %7.2f %s\n", label, figure(fastest), unit, figure(median),
                    unit);
    };
    auto ms = [&](const char* label, const char* name) {
        line(label, "ms", [name](auto& t) { return t[name]; });
    };
    ms("Charge", "Charge");
    ms("Sauve after SetSauve", "Sauve");
    ms("Copy of the same bytes: read", "CopyRead");
    ms("Copy of the same bytes: write", "CopyWrite");
    line("Ratio Charge / read of the same bytes", "x",
         [](auto& t) { return t["Charge"] / t["CopyRead"]; });
    line("Ratio (Charge + Sauve) / copy", "x",
         [](auto& t) { return (t["Charge"] + t["Sauve"]) / (t["CopyRead"] + t["CopyWrite"]); });
    line("  against a copy synced and renamed", "x", [](auto& t) {
        return (t["Charge"] + t["Sauve"]) / (t["CopyRead"] + t["CopyWriteSynced"]);
    });
    ms("9999 Finds on an unchanged base", "Find9999");
    line("  in passes over that base", "x", [](auto& t) { return t["Find9999"] / t["OnePass"]; });
    ms("One Store in the middle, and next Find", "StoreMiddle");
    ms("Charge over an open dossier", "ChargeOverOpen");
    line("  against Charge", "x", [](auto& t) { return t["ChargeOverOpen"] / t["Charge"]; });
    ms("A receipt made and validated", "QuittanceValidee");
    line("  in passes over the receipt base", "x",
         [](auto& t) { return t["QuittanceValidee"] / t["OnePassQuittances"]; });
    ms("One load of the tenant base", "ChargeLocataires");
    ms("Sort of the tenant base by town", "TriLocataires");
    line("  in loads of that base", "x",
         [](auto& t) { return t["TriLocataires"] / t["ChargeLocataires"]; });
    ms("Import of 9998 address lines", "Import9998");
    line("  in loads of the tenant base", "x",
         [](auto& t) { return t["Import9998"] / t["ChargeLocataires"]; });
    ms("Quittances du mois (every current tenant)", "QuittancesDuMois");
    line("  in loads of the tenant base", "x",
         [](auto& t) { return t["QuittancesDuMois"] / t["ChargeLocataires"]; });
    line("  against a dossier of 999 blocks a base", "x",
         [](auto& t) { return t["QuittancesDuMois"] / t["QuittancesDuMois999"]; });
    std::printf("Targets: Charge 5 x a read or less, over an open dossier 1.2 x Charge or less;\n"
                "(Charge + Sauve) 1.5 x a synced copy or less; Quittances du mois 12 x its run on\n"
                "999 blocks a base or less, and 10 loads of the tenant base or less.\n");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        QTemporaryDir dir;
        if (!dir.isValid())
            throw std::runtime_error("no temporary folder");
        const QString loc =
            writeDossier(dir.filePath(QStringLiteral("dossier")), TListeBase::MaxBlocs);
        verifie(loc, dir.filePath(QStringLiteral("verifie")));
        qint64 bytes = 0;
        for (const QString& f : dossierFiles(loc))
            bytes += QFileInfo(f).size();
        qsizetype lines = 0;
        qint64 residente = 0;
        {
            TFiche fiche;
            fiche.Charge(loc);
            residente = memoireResidente();
            for (Base b : ToutesLesBases)
                lines += fiche.base(b).lineCount();
        }

        enregistre(loc, dir.path());
        enregistreTriImport(loc, dir.path());
        const QString loc999 = writeDossier(dir.filePath(QStringLiteral("dossier999")), 999);
        enregistreQuittancesDuMois(loc, loc999);
        enregistreLettres();
        enregistreReleve(loc, dir.path());
        enregistreStatistiques(loc999, loc);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printSummary(reporter, bytes, lines);
        std::printf("Resident memory of the process, the dossier open: %.1f MB, %.2f x its bytes\n",
                    double(residente) / 1e6, double(residente) / double(bytes));
        resumeStatistiques(reporter);
        resumeReleve(reporter);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvinel_bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
