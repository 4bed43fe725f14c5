// Cost of a window-procedure-shaped call (4 arguments) through a method thunk,
// against a direct call of the same operation. Both go through a function
// pointer the compiler cannot see through, so only the thunk's work differs.
#include <windows.h>

#include <cstdint>

#include "figures.h"
#include "skin/thunk.h"

namespace bench {
namespace {

struct Counter {
    uint32_t sum = 0;
};

__attribute__((noinline)) uint32_t __stdcall Operation(Counter*& self, uint32_t a, uint32_t b, uint32_t c,
                                                       uint32_t d) {
    self->sum += a ^ b ^ c ^ d;
    return self->sum;
}

using Direct = uint32_t(__stdcall*)(Counter*&, uint32_t, uint32_t, uint32_t, uint32_t);
using ViaThunk = uint32_t(__stdcall*)(uint32_t, uint32_t, uint32_t, uint32_t);

constexpr uint32_t kCalls = 20'000'000;

// Nanoseconds per call over one round of kCalls calls.
template <class Call>
double NanosecondsPerCall(Call call) {
    const double start = Now();
    for (uint32_t i = 0; i < kCalls; ++i) call(i);
    return (Now() - start) * 1e9 / kCalls;
}

}  // namespace

std::vector<Row> MeasureThunkCall() {
    const std::string figure = "Call through a window-procedure thunk";
    Counter counter;
    Counter* slot = &counter;
    MethodThunk thunk = MakeMethodThunk(&counter, &Operation);
    if (thunk.empty()) {
        return {NotMeasured(figure, "could not build the thunk")};
    }
    Direct volatile direct = &Operation;
    ViaThunk volatile viaThunk = thunk.As<ViaThunk>();
    std::vector<double> directNs, thunkNs;
    for (int run = 0; run < kRuns; ++run) {
        directNs.push_back(NanosecondsPerCall([&](uint32_t i) { direct(slot, i, 1, 2, 3); }));
        thunkNs.push_back(NanosecondsPerCall([&](uint32_t i) { viaThunk(i, 1, 2, 3); }));
    }
    Row row = Compare(figure, thunkNs, directNs, "%.2f ns", 1, "direct call");
    // Keeps the work observable, so the calls cannot be dropped.
    row.note = Format("%u calls a run%s", kCalls, counter.sum == 0xFFFFFFFFu ? " " : "");
    return {row};
}

}  // namespace bench
