#include "RatioReporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        const std::string& args = run.run_name.args;
        const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
        if (run.error_occurred) {
            m_failed.insert(name);
            continue;
        }
        Series& series = m_seconds[name];
        const size_t index = run.repetition_index < 0 ? 0 : size_t(run.repetition_index);
        if (series.size() <= index)
            series.resize(index + 1, 0);
        series[index] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

Series RatioReporter::seconds(const std::string& name) const
{
    const auto found = m_seconds.find(name);
    if (found == m_seconds.end() || m_failed.count(name))
        return {};
    return found->second;
}
