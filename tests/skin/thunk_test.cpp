#include "skin/thunk.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

constexpr uint16_t kInitialControlWord = 0x037F;

uint16_t ControlWord() {
    uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}
void SetControlWord(uint16_t cw) { asm volatile("fldcw %0" : : "m"(cw)); }

// ---------------------------------------------------------------------------
// A call made in assembly, so the test sees the machine state the thunk leaves
// behind: where ESP ends up relative to where it was before the arguments were
// pushed, and whether the callee-saved registers survive. ESP and the saved
// registers are put back from EBP afterwards, so a faulty thunk fails the test
// instead of crashing it.
struct RawCall {
    const void* code;        // 0
    const uint32_t* args;    // 4
    uint32_t count;          // 8
    uint32_t result;         // 12
    int32_t espDelta;        // 16
    uint32_t ebx, esi, edi;  // 20, 24, 28: values after the call
};
constexpr uint32_t kEbxMark = 0xB0B0B0B0, kEsiMark = 0x5E5E5E5E, kEdiMark = 0xD1D1D1D1;

extern "C" void __cdecl CallThroughRaw(RawCall* call);
asm(R"(
    .text
    .globl _CallThroughRaw
_CallThroughRaw:
    push %ebp
    mov %esp, %ebp
    push %ebx
    push %esi
    push %edi
    mov 8(%ebp), %eax
    mov 4(%eax), %esi
    mov 8(%eax), %ecx
    lea (,%ecx,4), %edx
    sub %edx, %esp
    mov %esp, %edi
    cld
    rep movsl
    mov $0xB0B0B0B0, %ebx
    mov $0x5E5E5E5E, %esi
    mov $0xD1D1D1D1, %edi
    call *(%eax)
    mov 8(%ebp), %ecx
    mov %eax, 12(%ecx)
    mov %ebx, 20(%ecx)
    mov %esi, 24(%ecx)
    mov %edi, 28(%ecx)
    lea -12(%ebp), %edx
    mov %esp, %eax
    sub %edx, %eax
    mov %eax, 16(%ecx)
    lea -12(%ebp), %esp
    pop %edi
    pop %esi
    pop %ebx
    pop %ebp
    ret
)");

RawCall CallThunk(const MethodThunk& thunk, const std::vector<uint32_t>& args) {
    RawCall call{thunk.code(), args.data(), static_cast<uint32_t>(args.size()), 0, 0, 0, 0, 0};
    CallThroughRaw(&call);
    return call;
}

// ---------------------------------------------------------------------------
// The bound object: records what each call delivered.
struct Probe {
    Probe* self = nullptr;  // the object the operation was reached with
    int calls = 0;
    std::vector<uint32_t> args;
    uint16_t controlWord = 0;
};

// The arguments as one block passed by value: a stdcall callee removes exactly
// its size, so one template gives an operation of any width.
template <int N>
struct Words {
    uint32_t v[N];
};

uint32_t Record(Probe* self, const uint32_t* args, int n) {
    self->self = self;
    ++self->calls;
    self->args.assign(args, args + n);
    self->controlWord = ControlWord();
    return 0xC0DE0000u + static_cast<uint32_t>(n);
}
uint32_t __stdcall RecordNone(Probe*& self) { return Record(self, nullptr, 0); }
template <int N>
uint32_t __stdcall RecordWords(Probe*& self, Words<N> words) { return Record(self, words.v, N); }

std::vector<uint32_t> Arguments(int n) {
    std::vector<uint32_t> args(n);
    for (int i = 0; i < n; ++i) args[i] = 0x9E3779B9u * static_cast<uint32_t>(i + 1);
    return args;
}

// ---------------------------------------------------------------------------
TEST(MethodThunk, CallsOperationWithArgumentsAndBalancesTheStack) {
    struct Case { int count; const void* operation; };
    const Case cases[] = {
        {0, reinterpret_cast<const void*>(&RecordNone)},
        {1, reinterpret_cast<const void*>(&RecordWords<1>)},
        {4, reinterpret_cast<const void*>(&RecordWords<4>)},
        {5, reinterpret_cast<const void*>(&RecordWords<5>)},
        {256, reinterpret_cast<const void*>(&RecordWords<256>)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " arguments");
        Probe probe;
        MethodThunk thunk = MakeMethodThunk(&probe, c.operation, c.count);
        ASSERT_FALSE(thunk.empty());
        const std::vector<uint32_t> args = Arguments(c.count);

        const RawCall call = CallThunk(thunk, args);

        EXPECT_EQ(call.espDelta, 0) << "ESP must return to where it was before the arguments were pushed";
        EXPECT_EQ(call.ebx, kEbxMark);
        EXPECT_EQ(call.esi, kEsiMark);
        EXPECT_EQ(call.edi, kEdiMark);
        EXPECT_EQ(call.result, 0xC0DE0000u + c.count);
        EXPECT_EQ(probe.calls, 1);
        EXPECT_EQ(probe.self, &probe);
        EXPECT_EQ(probe.args, args);
    }
}

TEST(MethodThunk, RefusesMissingOperationAndOutOfRangeCounts) {
    const void* operation = reinterpret_cast<const void*>(&RecordWords<4>);
    struct Case { const char* what; const void* operation; int count; };
    const Case cases[] = {
        {"no operation", nullptr, 4},
        {"257 arguments (1028 bytes)", operation, 257},
        {"negative count", operation, -1},
        {"most negative count", operation, INT_MIN},
        {"count whose byte size wraps to 4", operation, 0x40000001},
        {"count whose byte size wraps to 0", operation, 0x40000000},
    };
    Probe probe;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MethodThunk thunk = MakeMethodThunk(&probe, c.operation, c.count);
        EXPECT_TRUE(thunk.empty());
        EXPECT_EQ(thunk.code(), nullptr);
    }
}

// ---------------------------------------------------------------------------
TEST(MethodThunk, OperationStartsWithCleanFpuAndCallerGetsItsControlWordBack) {
    // Other precision and rounding than the default, and Wine's thread default.
    const uint16_t callerWords[] = {
        0x0C7F,  // 24-bit precision, truncate
        0x067F,  // 53-bit precision, round down
        0x0B7F,  // 64-bit precision, round up
        0x027F,  // 53-bit precision, round to nearest
    };
    Probe probe;
    MethodThunk thunk = MakeMethodThunk(&probe, reinterpret_cast<const void*>(&RecordWords<4>), 4);
    ASSERT_FALSE(thunk.empty());
    for (uint16_t callerWord : callerWords) {
        SCOPED_TRACE(testing::Message() << std::hex << "caller control word 0x" << callerWord);
        const std::vector<uint32_t> args = Arguments(4);
        SetControlWord(callerWord);
        CallThunk(thunk, args);
        const uint16_t after = ControlWord();
        SetControlWord(kInitialControlWord);

        EXPECT_EQ(probe.controlWord, kInitialControlWord);
        EXPECT_EQ(after, callerWord);
    }
}

// ---------------------------------------------------------------------------
TEST(MethodThunk, OwnsExecuteReadMemoryThatMovesAndIsFreed) {
    Probe probe;
    MethodThunk first = MakeMethodThunk(&probe, reinterpret_cast<const void*>(&RecordWords<1>), 1);
    ASSERT_FALSE(first.empty());
    const void* code = first.code();

    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(code, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ)) << "never writable and executable";

    MethodThunk second = std::move(first);
    EXPECT_TRUE(first.empty());
    EXPECT_EQ(second.code(), code);
    EXPECT_EQ(CallThunk(second, {7}).result, 0xC0DE0001u);
    EXPECT_EQ(probe.args, std::vector<uint32_t>{7});

    MethodThunk replacement = MakeMethodThunk(&probe, reinterpret_cast<const void*>(&RecordNone), 0);
    second = std::move(replacement);  // the block `second` held is freed
    ASSERT_NE(VirtualQuery(code, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));

    const void* last = second.code();
    { MethodThunk dying = std::move(second); }
    ASSERT_NE(VirtualQuery(last, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(MethodThunk, TwoThunksKeepTheirOwnObjects) {
    Probe a, b;
    const void* operation = reinterpret_cast<const void*>(&RecordWords<4>);
    MethodThunk toA = MakeMethodThunk(&a, operation, 4);
    MethodThunk toB = MakeMethodThunk(&b, operation, 4);
    ASSERT_FALSE(toA.empty());
    ASSERT_FALSE(toB.empty());

    CallThunk(toA, {1, 2, 3, 4});
    CallThunk(toB, {5, 6, 7, 8});
    CallThunk(toA, {9, 10, 11, 12});

    EXPECT_EQ(a.self, &a);
    EXPECT_EQ(a.calls, 2);
    EXPECT_EQ(a.args, (std::vector<uint32_t>{9, 10, 11, 12}));
    EXPECT_EQ(b.self, &b);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(b.args, (std::vector<uint32_t>{5, 6, 7, 8}));
}

// ---------------------------------------------------------------------------
// Each thread passes its own id and values derived from it; the operation
// checks that what arrived belongs together and to the calling thread.
struct SharedProbe {
    std::atomic<int> calls{0};
    std::atomic<int> mismatches{0};
};

uint32_t __stdcall CheckCaller(SharedProbe*& self, uint32_t threadId, uint32_t i, uint32_t mixed, uint32_t inverted) {
    self->calls.fetch_add(1);
    if (threadId != GetCurrentThreadId() || mixed != (threadId * 2654435761u ^ i) || inverted != ~threadId) {
        self->mismatches.fetch_add(1);
    }
    return threadId ^ i;
}

TEST(MethodThunk, ConcurrentCallersEachReachTheObjectWithTheirOwnArguments) {
    SharedProbe probe;
    MethodThunk thunk = MakeMethodThunk(&probe, &CheckCaller);
    ASSERT_FALSE(thunk.empty());
    using Callback = uint32_t(__stdcall*)(uint32_t, uint32_t, uint32_t, uint32_t);
    const Callback callback = thunk.As<Callback>();

    constexpr int kCalls = 50000;
    std::atomic<int> ready{0};
    std::atomic<int> wrongResults{0};
    auto caller = [&] {
        const uint32_t id = GetCurrentThreadId();
        ready.fetch_add(1);
        while (ready.load() < 2) {}  // start together
        for (uint32_t i = 0; i < kCalls; ++i) {
            if (callback(id, i, id * 2654435761u ^ i, ~id) != (id ^ i)) wrongResults.fetch_add(1);
        }
    };
    std::thread one(caller), two(caller);
    one.join();
    two.join();

    EXPECT_EQ(probe.calls.load(), 2 * kCalls);
    EXPECT_EQ(probe.mismatches.load(), 0);
    EXPECT_EQ(wrongResults.load(), 0);
}

// ---------------------------------------------------------------------------
// A real window procedure: messages sent to the window reach the bound object.
constexpr UINT kProbeMessage = WM_APP + 7;

struct WindowProbe {
    WNDPROC previous = nullptr;
    WindowProbe* self = nullptr;
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

LRESULT __stdcall ProbeWindowProc(WindowProbe*& self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kProbeMessage) return CallWindowProcA(self->previous, window, message, wParam, lParam);
    self->self = self;
    self->window = window;
    self->message = message;
    self->wParam = wParam;
    self->lParam = lParam;
    return static_cast<LRESULT>(wParam ^ 0x0F0F0F0Fu);
}

TEST(MethodThunk, WorksAsARealWindowProcedure) {
    const char* className = "dotlockThunkTestWindow";
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND window = CreateWindowExA(0, className, "thunk", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    WindowProbe probe;
    MethodThunk thunk = MakeMethodThunk(&probe, &ProbeWindowProc);
    ASSERT_FALSE(thunk.empty());
    probe.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(thunk.As<WNDPROC>())));
    ASSERT_NE(probe.previous, nullptr);

    struct Case { WPARAM wParam; LPARAM lParam; };
    const Case cases[] = {{0, 0}, {0x11223344u, 0x55667788}, {0xFFFFFFFFu, LONG_MIN}, {0x80000000u, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.wParam << ", " << c.lParam);
        const LRESULT result = SendMessageA(window, kProbeMessage, c.wParam, c.lParam);
        EXPECT_EQ(probe.self, &probe);
        EXPECT_EQ(probe.window, window);
        EXPECT_EQ(probe.message, kProbeMessage);
        EXPECT_EQ(probe.wParam, c.wParam);
        EXPECT_EQ(probe.lParam, c.lParam);
        EXPECT_EQ(result, static_cast<LRESULT>(c.wParam ^ 0x0F0F0F0Fu));
    }
    // Other messages go on to the previous procedure through the thunk.
    EXPECT_TRUE(SetWindowTextA(window, "renamed"));
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "renamed");

    SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(probe.previous));
    DestroyWindow(window);
    UnregisterClassA(className, wc.hInstance);
}

// ---------------------------------------------------------------------------
// A real multimedia timer: the callback arrives on the timer's own thread,
// whose FPU Wine starts with a control word other than 0x037F.
struct TimerProbe {
    HANDLE fired = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ~TimerProbe() { CloseHandle(fired); }
    TimerProbe* self = nullptr;
    DWORD thread = 0;
    UINT timerId = 0;
    DWORD_PTR user = 0;
    uint16_t controlWord = 0;
};

void __stdcall ProbeTimerTick(TimerProbe*& self, UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    self->self = self;
    self->thread = GetCurrentThreadId();
    self->timerId = timerId;
    self->user = user;
    self->controlWord = ControlWord();
    SetEvent(self->fired);
}

// Without a thunk: shows the timer thread's own control word.
void CALLBACK PlainTimerTick(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    auto* probe = reinterpret_cast<TimerProbe*>(user);
    probe->thread = GetCurrentThreadId();
    probe->controlWord = ControlWord();
    SetEvent(probe->fired);
}

UINT FireOnce(LPTIMECALLBACK callback, TimerProbe& probe, DWORD_PTR user) {
    const UINT id = timeSetEvent(5, 1, callback, user, TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    if (id != 0) {
        EXPECT_EQ(WaitForSingleObject(probe.fired, 5000), WAIT_OBJECT_0);
    }
    return id;
}

void CALLBACK IdleTimerTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {}

TEST(MethodThunk, WorksAsARealTimerCallbackOnTheTimersThread) {
    // Wine may end its timer thread when no timer is left; a slow periodic
    // timer keeps that one thread for all three one-shot callbacks.
    const UINT keeper = timeSetEvent(60000, 1000, IdleTimerTick, 0, TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    ASSERT_NE(keeper, 0u);
    TimerProbe before, bound, after;
    MethodThunk thunk = MakeMethodThunk(&bound, &ProbeTimerTick);
    ASSERT_FALSE(thunk.empty());

    ASSERT_NE(FireOnce(PlainTimerTick, before, reinterpret_cast<DWORD_PTR>(&before)), 0u);
    const DWORD_PTR user = 0xFEEDBEEF;
    const UINT id = FireOnce(thunk.As<LPTIMECALLBACK>(), bound, user);
    ASSERT_NE(id, 0u);
    ASSERT_NE(FireOnce(PlainTimerTick, after, reinterpret_cast<DWORD_PTR>(&after)), 0u);

    EXPECT_EQ(bound.self, &bound);
    EXPECT_EQ(bound.timerId, id);
    EXPECT_EQ(bound.user, user);
    EXPECT_NE(bound.thread, GetCurrentThreadId());
    EXPECT_EQ(bound.thread, before.thread) << "one callback thread for both";
    // The timer thread runs with another control word, so seeing 0x037F here is
    // the thunk's doing; afterwards that thread has its own word back.
    EXPECT_NE(before.controlWord, kInitialControlWord);
    EXPECT_EQ(bound.controlWord, kInitialControlWord);
    EXPECT_EQ(after.thread, before.thread);
    EXPECT_EQ(after.controlWord, before.controlWord);
    timeKillEvent(keeper);
}

}  // namespace
