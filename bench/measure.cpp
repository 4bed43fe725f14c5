#include "measure.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace bench {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

double MedianRatio(const std::vector<double>& values, const std::vector<double>& baselines) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < values.size() && i < baselines.size(); ++i) {
        if (baselines[i] > 0) ratios.push_back(values[i] / baselines[i]);
    }
    return ratios.empty() ? -1 : Median(ratios);
}

Row Compare(const std::string& figure, const std::vector<double>& values, const std::vector<double>& baselines,
            const char* format, double scale, const std::string& baselineName) {
    std::fprintf(stderr, "%s, runs (value / baseline):", figure.c_str());
    for (std::size_t i = 0; i < values.size() && i < baselines.size(); ++i) {
        std::fprintf(stderr, " %.4g/%.4g", values[i], baselines[i]);
    }
    std::fprintf(stderr, "\n");
    Row row;
    row.figure = figure;
    row.measured = Format(format, Median(values) * scale);
    row.baseline = Format(format, Median(baselines) * scale) + " (" + baselineName + ")";
    row.ratio = MedianRatio(values, baselines);
    return row;
}

Row NotMeasured(const std::string& figure, const std::string& why) {
    Row row;
    row.figure = figure;
    row.measured = "not measured";
    row.verdict = "error";
    row.note = why;
    return row;
}

}  // namespace bench
