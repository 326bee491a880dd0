#include "ratioreporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the fastest one, the least disturbed by the rest of the machine;
        // when only the aggregates are reported, their median.
        const bool iteration = run.run_type == Run::RT_Iteration;
        if ((!iteration && run.aggregate_name != "median") || run.iterations == 0)
            continue;
        const double s = run.real_accumulated_time / double(run.iterations);
        const std::string name = run.run_name.function_name;
        const auto it = m_seconds.find(name);
        if (it == m_seconds.end() || (iteration && s < it->second))
            m_seconds[name] = s;
    }
}

std::optional<double> RatioReporter::seconds(const std::string& name) const {
    const auto it = m_seconds.find(name);
    if (it == m_seconds.end())
        return std::nullopt;
    return it->second;
}
