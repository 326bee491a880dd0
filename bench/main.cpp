// Times the opening and saving of the largest dossier the format allows against a plain copy
// of its bytes, and the Find and Store primitives on a full base.

#include "dossiergen.h"
#include "ratioreporter.h"

#include "app/tfiche.h"
#include "store/tlistebase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// The block in the middle of a full base, and the one after it.
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
        if (fiche.base(b).nb != TListeBase::MaxBlocs)
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

void enregistre(const QString& loc, const QString& work) {
    const QStringList files = dossierFiles(loc);

    benchmark::RegisterBenchmark("Charge", [loc](benchmark::State& state) {
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

    const QString saved = QDir(work + QStringLiteral("/sauve")).filePath(QFileInfo(loc).fileName());
    QDir().mkpath(work + QStringLiteral("/sauve"));
    benchmark::RegisterBenchmark("Sauve", [loc, saved](benchmark::State& state) {
        TFiche fiche;
        fiche.Charge(loc);
        for (auto _ : state) {
            fiche.SetSauve();
            fiche.Sauve(saved);
        }
    });

    benchmark::RegisterBenchmark("CopyRead", [files](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readAll(files));
    });

    const std::vector<QByteArray> contents = readAll(files);
    const QStringList copies = filesIn(work + QStringLiteral("/copie"), files);
    benchmark::RegisterBenchmark("CopyWrite", [copies, contents](benchmark::State& state) {
        for (auto _ : state)
            writeAll(copies, contents, false);
    });
    benchmark::RegisterBenchmark("CopyWriteSynced", [copies, contents](benchmark::State& state) {
        for (auto _ : state)
            writeAll(copies, contents, true);
    });

    auto fiche = std::make_shared<TFiche>();
    fiche->Charge(loc);
    benchmark::RegisterBenchmark("Find9999", [fiche](benchmark::State& state) {
        TListeBase& base = fiche->base(Base::Locataires);
        for (auto _ : state) {
            // The same content, but whatever the base keeps to find faster is out of date.
            state.PauseTiming();
            base.setLine(0, QString(base.line(0)));
            state.ResumeTiming();
            for (int key = 0; key < TListeBase::MaxBlocs; ++key)
                benchmark::DoNotOptimize(base.find(key));
        }
    });
    benchmark::RegisterBenchmark("OnePass", [fiche](benchmark::State& state) {
        const TListeBase& base = fiche->base(Base::Locataires);
        const QString absent = QStringLiteral("<BLOC-ABSENT>");
        for (auto _ : state)
            benchmark::DoNotOptimize(base.indexOf(absent));
    });
    benchmark::RegisterBenchmark("StoreMiddle", [fiche](benchmark::State& state) {
        TListeBase& base = fiche->base(Base::Locataires);
        const TBlocLu lu = base.read(kMilieu, 26, 27, 200);
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

void printSummary(const RatioReporter& r, qint64 bytes, qsizetype lines) {
    const auto charge = r.seconds("Charge"), sauve = r.seconds("Sauve");
    const auto lecture = r.seconds("CopyRead"), ecriture = r.seconds("CopyWrite");
    const auto synced = r.seconds("CopyWriteSynced");
    const auto find = r.seconds("Find9999"), pass = r.seconds("OnePass");
    const auto store = r.seconds("StoreMiddle");
    std::printf("\nMaximal dossier: 7 bases of %d blocks, %lld lines, %.1f MB\n",
                TListeBase::MaxBlocs, static_cast<long long>(lines), double(bytes) / 1e6);
    if (charge && sauve && lecture && ecriture) {
        const double ouvre = *charge + *sauve, copie = *lecture + *ecriture;
        std::printf("Open + save (Charge + Sauve)    %9.2f ms  (%.2f + %.2f)\n", ouvre * 1e3,
                    *charge * 1e3, *sauve * 1e3);
        std::printf("Copy of the same bytes          %9.2f ms  (read %.2f + write %.2f)\n",
                    copie * 1e3, *lecture * 1e3, *ecriture * 1e3);
        std::printf("Ratio open + save / copy        %9.2f x   (target 3 x or less)\n",
                    ouvre / copie);
        if (synced)
            std::printf("Ratio against a copy written as Sauve writes (synced, renamed) "
                        "%.2f x\n",
                        ouvre / (*lecture + *synced));
    }
    if (find && pass)
        std::printf("9999 Finds on an unchanged base %9.2f ms  = %.2f x one pass (%.2f ms)\n",
                    *find * 1e3, *find / *pass, *pass * 1e3);
    if (store)
        std::printf("One Store in the middle         %9.2f ms  (with the next Find)\n",
                    *store * 1e3);
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
        {
            TFiche fiche;
            fiche.Charge(loc);
            for (Base b : ToutesLesBases)
                lines += fiche.base(b).lineCount();
        }

        enregistre(loc, dir.path());
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printSummary(reporter, bytes, lines);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvinel_bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
