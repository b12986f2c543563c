#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace {

template <typename Combine>
Series Combined(const Series& a, const Series& b, Combine combine)
{
    if (a.empty() || a.size() != b.size())
        return {};
    Series result;
    for (size_t k = 0; k < a.size(); ++k)
        result.push_back(combine(a[k], b[k]));
    return result;
}

} // namespace

Series Divided(const Series& numerator, const Series& denominator)
{
    return Combined(numerator, denominator, [](double n, double d) { return n / d; });
}

Series Added(const Series& a, const Series& b)
{
    return Combined(a, b, [](double x, double y) { return x + y; });
}

double Median(Series values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintFigure(const std::string& label, const Series& values, double goal,
                 const std::string& detail)
{
    if (values.empty()) {
        std::printf("%-48s not measured\n", label.c_str());
        return;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double median = Median(values);
    std::printf("%-48s %6.2f (%.2f-%.2f)", label.c_str(), median, *low, *high);
    if (!detail.empty())
        std::printf("  %s", detail.c_str());
    if (goal > 0)
        std::printf("  goal <= %.2f %s", goal, median <= goal ? "met" : "MISSED");
    std::printf("\n");
}

void PrintRatio(const std::string& label, const Series& measured, const Series& baseline,
                double goal)
{
    char detail[96] = "";
    if (!measured.empty() && !baseline.empty())
        std::snprintf(detail, sizeof detail, "[%.3g ms / %.3g ms]", Median(measured) * 1e3,
                      Median(baseline) * 1e3);
    PrintFigure(label, Divided(measured, baseline), goal, detail);
}
