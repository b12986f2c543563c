#pragma once

#include <string>
#include <vector>

// One value per repetition: the k-th value of a figure is made of the k-th repetition of each
// benchmark it compares (repetitions are interleaved, so those ran at about the same time).
using Series = std::vector<double>;

// Value by value; empty when either is empty or they differ in length.
Series Divided(const Series& numerator, const Series& denominator);
Series Added(const Series& a, const Series& b);

double Median(Series values);

// "label: median (low-high) detail, goal <= goal met|MISSED"; "not measured" for an empty
// series. A goal of 0 prints the figure without one.
void PrintFigure(const std::string& label, const Series& values, double goal,
                 const std::string& detail = {});
// The same for measured / baseline, with both medians in milliseconds as the detail.
void PrintRatio(const std::string& label, const Series& measured, const Series& baseline,
                double goal);
