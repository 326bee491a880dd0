#include "ratioreporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.iterations == 0)
            continue;
        m_seconds[{run.run_name.function_name, run.aggregate_name}] =
            run.real_accumulated_time / double(run.iterations);
    }
}

std::optional<double> RatioReporter::seconds(const std::string& name,
                                             const std::string& statistic) const {
    const auto it = m_seconds.find({name, statistic});
    if (it == m_seconds.end())
        return std::nullopt;
    return it->second;
}
