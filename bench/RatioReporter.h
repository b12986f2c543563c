#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the usual table and keeps each benchmark's time per iteration, so that a figure can be
// given as a ratio against a baseline measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // "label: measured / baseline = ratio (goal <= goal)"; false when the goal is missed.
    bool printRatio(const std::string& label, const std::string& measured,
                    const std::string& baseline, double goal) const;

private:
    std::map<std::string, double> m_seconds;
};
