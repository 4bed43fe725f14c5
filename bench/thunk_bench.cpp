// Cost of a window-procedure-shaped call (4 arguments) through a method thunk,
// against a direct call of the same operation. Both go through a function
// pointer the compiler cannot see through, so only the thunk's work differs.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "skin/thunk.h"

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

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Best of several rounds, in nanoseconds per call.
template <class Call>
double NanosecondsPerCall(Call call, uint32_t calls) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    double best = 1e30;
    for (int round = 0; round < 7; ++round) {
        QueryPerformanceCounter(&start);
        for (uint32_t i = 0; i < calls; ++i) call(i);
        QueryPerformanceCounter(&stop);
        best = std::min(best, Seconds(start, stop, frequency) * 1e9 / calls);
    }
    return best;
}

}  // namespace

int main() {
    Counter counter;
    Counter* slot = &counter;
    MethodThunk thunk = MakeMethodThunk(&counter, &Operation);
    if (thunk.empty()) {
        std::fprintf(stderr, "could not build the thunk\n");
        return 1;
    }
    Direct volatile direct = &Operation;
    ViaThunk volatile viaThunk = thunk.As<ViaThunk>();

    constexpr uint32_t kCalls = 20'000'000;
    const double directNs = NanosecondsPerCall([&](uint32_t i) { direct(slot, i, 1, 2, 3); }, kCalls);
    const double thunkNs = NanosecondsPerCall([&](uint32_t i) { viaThunk(i, 1, 2, 3); }, kCalls);

    std::printf("call with 4 arguments, best of 7 rounds of %u calls\n", kCalls);
    std::printf("  direct:        %6.2f ns\n", directNs);
    std::printf("  through thunk: %6.2f ns\n", thunkNs);
    std::printf("  thunk / direct: %.1fx (%.2f ns more per call)\n", thunkNs / directNs, thunkNs - directNs);
    return counter.sum == 0xFFFFFFFFu ? 2 : 0;  // keeps the work observable
}
