// What every figure shares: a clock, medians over repeated runs, and the row
// the driver prints.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Each figure is repeated this often; its value is the median.
inline constexpr int kRuns = 7;

// Seconds since an arbitrary start, from the performance counter.
double Now();

// Median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

// One line of the table. `ratio` < 0 means "no ratio" (the baseline was too
// small to measure); `note` explains anything the numbers alone do not.
struct Row {
    std::string figure;
    std::string measured;
    std::string baseline;
    double ratio = -1;
    std::string budget;
    std::string verdict;
    std::string note;
};

// Formats with printf rules.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Median of per-run ratios: each run's value against the baseline measured
// in the same run, so slow drifts of the machine cancel out. Runs whose
// baseline is 0 are left out; -1 when none is left.
double MedianRatio(const std::vector<double>& values, const std::vector<double>& baselines);

// A figure against its baseline: both medians printed with `format` after
// multiplying by `scale`, the baseline followed by its name, the ratio
// from MedianRatio. Every run goes to the error stream, to judge the spread.
Row Compare(const std::string& figure, const std::vector<double>& values, const std::vector<double>& baselines,
            const char* format, double scale, const std::string& baselineName);

// A figure that could not be measured, and why.
Row NotMeasured(const std::string& figure, const std::string& why);

}  // namespace bench
