#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

// The console report of Google Benchmark, keeping the wall-clock time of one iteration of
// every benchmark, as the fastest repetition and as the median, so that the figures can be
// compared once all have run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the benchmark `name` by `statistic` ("min" or "median"), if it
    // ran.
    std::optional<double> seconds(const std::string& name, const std::string& statistic) const;

private:
    std::map<std::pair<std::string, std::string>, double> m_seconds;
};
