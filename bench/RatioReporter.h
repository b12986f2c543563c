#pragma once

#include "Figures.h"

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>

// Prints the usual table and keeps the time per iteration of every repetition of every
// benchmark, so that a figure can be made of ratios against a baseline of the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration, one value per repetition in repetition order, of the benchmark
    // named "function/args" (e.g. "BM_UnzipData/sevenZipAes256/scale:16"); empty when it was
    // not run or failed.
    Series seconds(const std::string& name) const;

private:
    std::map<std::string, Series> m_seconds;
    std::set<std::string> m_failed;
};
