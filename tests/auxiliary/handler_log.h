// Handlers for dispatcher tests: each records that it ran, on which thread
// and with which argument, and signals one shared semaphore.
#pragma once

#include <windows.h>

#include <atomic>

namespace auxiliary::testing {

struct HandlerRecord {
    std::atomic<int> runs{0};
    std::atomic<DWORD> thread{0};
    std::atomic<void*> argument{reinterpret_cast<void*>(1)};
};

inline HandlerRecord handlerRecords[2];
inline HANDLE handlerSignal = CreateSemaphoreA(nullptr, 0, 1000, nullptr);

template <int N>
DWORD WINAPI RecordingHandler(void* argument) {
    handlerRecords[N].argument = argument;
    handlerRecords[N].thread = GetCurrentThreadId();
    ++handlerRecords[N].runs;
    ReleaseSemaphore(handlerSignal, 1, nullptr);
    return 0;
}

inline void ResetHandlerRecords() {
    while (WaitForSingleObject(handlerSignal, 0) == WAIT_OBJECT_0) {
    }
    for (HandlerRecord& r : handlerRecords) {
        r.runs = 0;
        r.thread = 0;
        r.argument = reinterpret_cast<void*>(1);
    }
}

// Waits for `expected` handler runs (they are on other threads), then a
// little longer for runs that should not come. Returns how many came.
inline int AwaitHandlerRuns(int expected) {
    int seen = 0;
    while (seen < expected && WaitForSingleObject(handlerSignal, 3000) == WAIT_OBJECT_0) ++seen;
    while (WaitForSingleObject(handlerSignal, 150) == WAIT_OBJECT_0) ++seen;
    return seen;
}

}  // namespace auxiliary::testing
