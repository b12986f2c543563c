#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_seconds[run.run_name.function_name] = seconds;
    }
}

bool RatioReporter::printRatio(const std::string& label, const std::string& measured,
                               const std::string& baseline, double goal) const
{
    const auto m = m_seconds.find(measured);
    const auto b = m_seconds.find(baseline);
    if (m == m_seconds.end() || b == m_seconds.end() || b->second <= 0) {
        std::printf("%s: not measured\n", label.c_str());
        return false;
    }
    const double ratio = m->second / b->second;
    std::printf("%s: %s / %s = %.2f (goal <= %.2f) %s\n", label.c_str(), measured.c_str(),
                baseline.c_str(), ratio, goal, ratio <= goal ? "met" : "MISSED");
    return ratio <= goal;
}
