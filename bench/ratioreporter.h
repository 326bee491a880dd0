#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// The console report of Google Benchmark, keeping the wall-clock time of one iteration of
// every benchmark so that the figures can be compared once all have run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the benchmark `name`, if it ran.
    std::optional<double> seconds(const std::string& name) const;

private:
    std::map<std::string, double> m_seconds;
};
