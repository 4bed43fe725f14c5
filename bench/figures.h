// The figures of the benchmark table, each measured against a baseline in the
// same run and taken as a median of kRuns runs.
#pragma once

#include <string>
#include <vector>

#include "measure.h"

namespace bench {

// The programs measured from outside.
struct Programs {
    std::wstring dotlock;          // the program as built
    std::wstring plain;            // the minimal baseline program
    std::wstring strippedDotlock;  // copies as shipped (bench.sh strips them)
    std::wstring strippedPlain;
};

// Start-up to the first paint, and the peak working set, of both programs.
std::vector<Row> MeasureStartUpAndMemory(const Programs& programs, double& dotlockPeakBytes);
// CPU share while idle, and the CPU of the hover fade against idle ticks.
std::vector<Row> MeasureIdleAndAnimation(const Programs& programs);
std::vector<Row> MeasureSize(const Programs& programs);

// In-process, cold: each step of the skinned start-up once, to see where
// start-up time goes. Must be the first thing the process does.
std::vector<Row> MeasureStartUpSteps();
// In-process: frame composition against one blit, and the bytes of the
// back buffer and the theme background at this screen size.
std::vector<Row> MeasureComposition(double dotlockPeakBytes);
// In-process: lock and unlock of a folder of 10,000 files against an empty one.
std::vector<Row> MeasureScale();
// In-process: a call through a method thunk against a direct call.
std::vector<Row> MeasureThunkCall();

}  // namespace bench
