// Runs every benchmark and prints one Markdown table. Arguments, when given,
// pick figures by name: startup idle size composition scale thunk. "steps"
// alone times the skinned start-up's steps once, cold, in this fresh process.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "child_program.h"
#include "figures.h"

namespace {

bool Wanted(int argc, char** argv, const char* name) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return true;
    }
    return false;
}

void Print(const bench::Row& row) {
    const std::string ratio = row.ratio < 0 ? "-" : bench::Format("%.2fx", row.ratio);
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.measured.c_str(),
                row.baseline.c_str(), ratio.c_str(), row.budget.c_str(), row.verdict.c_str(), row.note.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::wstring here = bench::OwnFolder();
    const bench::Programs programs{here + L"..\\dotlock.exe", here + L"plain_window.exe",
                                   here + L"stripped\\dotlock.exe", here + L"stripped\\plain_window.exe"};
    std::vector<bench::Row> rows;
    auto add = [&](std::vector<bench::Row> more) {
        for (auto& row : more) {
            // Progress on the error stream; the table alone goes to the output.
            std::fprintf(stderr, "measured: %s\n", row.figure.c_str());
            rows.push_back(std::move(row));
        }
    };
    double dotlockPeakBytes = 0;
    if (argc > 1 && std::strcmp(argv[1], "steps") == 0) add(bench::MeasureStartUpSteps());
    if (Wanted(argc, argv, "startup")) add(bench::MeasureStartUpAndMemory(programs, dotlockPeakBytes));
    if (Wanted(argc, argv, "composition")) add(bench::MeasureComposition(dotlockPeakBytes));
    if (Wanted(argc, argv, "idle")) add(bench::MeasureIdleAndAnimation(programs));
    if (Wanted(argc, argv, "size")) add(bench::MeasureSize(programs));
    if (Wanted(argc, argv, "scale")) add(bench::MeasureScale());
    if (Wanted(argc, argv, "thunk")) add(bench::MeasureThunkCall());

    std::printf("Medians of %d runs; each ratio is against a baseline measured in the same run.\n\n", bench::kRuns);
    std::printf("| Figure | dotlock | Baseline | Ratio | Budget | Verdict | Note |\n");
    std::printf("| --- | --- | --- | --- | --- | --- | --- |\n");
    int errors = 0;
    for (const auto& row : rows) {
        Print(row);
        errors += row.verdict == "error";
    }
    return errors ? 1 : 0;
}
