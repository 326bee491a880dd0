#include "lettres.h"

#include "core/rtf/ecriturertf.h"
#include "core/rtf/fichierrtf.h"
#include "core/rtf/lecturertf.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

TDocumentRtf lettreAuxPolices(int polices) {
    TDocumentRtf lettre;
    for (int i = 0; i < polices; ++i) {
        TParagraphe p;
        TCaractere format;
        format.police = QStringLiteral("Police %1").arg(i);
        p.ajoute(QStringLiteral("Ligne %1").arg(i), format);
        p.marque = format;
        lettre.paragraphes.append(p);
    }
    return lettre;
}

// Paragraphs of formatted text up to `taille` bytes.
QByteArray lettreDeTaille(qint64 taille) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\r\n";
    const QByteArray paragraphe = "\\pard\\qj{\\b Objet :} r\\'e9gularisation des charges de "
                                  "l'ann\\'e9e, {\\i selon le relev\\'e9} des compteurs.\\par\r\n";
    while (rtf.size() + paragraphe.size() + 1 <= taille)
        rtf += paragraphe;
    return rtf + '}';
}

template <typename F> void ajoute(const char* nom, F&& mesure) {
    benchmark::RegisterBenchmark(nom, std::forward<F>(mesure))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3)
        ->DisplayAggregatesOnly(true);
}

} // namespace

void enregistreLettres() {
    const TDocumentRtf polices = lettreAuxPolices(20000);
    ajoute("LettreEcrite20000Polices", [polices](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ecritRtf(polices));
    });
    const QByteArray rtfPolices = ecritRtf(polices);
    ajoute("LettreLue20000Polices", [rtfPolices](benchmark::State& state) {
        for (auto _ : state)
            if (lisRtf(rtfPolices).paragraphes.size() != 20000)
                throw std::runtime_error("the letter lost paragraphs");
    });
    const QByteArray grande = lettreDeTaille(FichierRtf::TailleMax);
    ajoute("LettreLue32Mo", [grande](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(lisRtf(grande).paragraphes.size());
    });
}
