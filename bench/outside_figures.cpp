// Figures taken from outside the running programs, through their process
// handles: start-up, memory, idle and animation CPU, size on disk.
#include <memory>

#include "app/main_window.h"
#include "child_program.h"
#include "figures.h"
#include "plain_window.h"

namespace bench {
namespace {

// The main window's title as the wide API reports it.
std::wstring DotlockTitle() {
    wchar_t title[128];
    const int n = MultiByteToWideChar(936, 0, dotlock::kMainWindowTitle, -1, title, 128);
    return std::wstring(title, n > 0 ? n - 1 : 0);
}

constexpr double kMiB = 1024.0 * 1024.0;
// Where the close button sits in the main window's client area, and a spot
// on the window away from every button.
constexpr POINT kOnCloseButton{300, 10};
constexpr POINT kAwayFromButtons{150, 150};
constexpr int kTickMs = 40;

// Parks the pointer in a screen corner so that no run starts with it over a window.
void ParkPointer() { SetCursorPos(0, 0); }

LPARAM ClientPoint(POINT p) { return MAKELPARAM(p.x, p.y); }

// Moves the pointer onto `client` of `window`, for real and as the message
// the window receives for it.
void HoverAt(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, ClientPoint(client));
}

}  // namespace

std::vector<Row> MeasureStartUpAndMemory(const Programs& programs, double& dotlockPeakBytes) {
    ParkPointer();
    const std::wstring title = DotlockTitle();
    // One discarded start of each warms the file cache and the prefix.
    { ChildProgram warm(programs.plain, kPlainWindowTitle); }
    { ChildProgram warm(programs.dotlock, title); }

    // Start-up is short and noisy, and a run costs little: take more runs.
    constexpr int kStartUpRuns = 3 * kRuns;
    std::vector<double> dotlockStart, plainStart, dotlockPeak, plainPeak;
    for (int run = 0; run < kStartUpRuns; ++run) {
        // Alternate the order so neither program always starts on a warmer machine.
        for (int which = 0; which < 2; ++which) {
            const bool dotlockNow = (run + which) % 2 == 0;
            ChildProgram child(dotlockNow ? programs.dotlock : programs.plain,
                               dotlockNow ? title : std::wstring(kPlainWindowTitle));
            if (!child.ok()) {
                const std::string why = (dotlockNow ? "dotlock: " : "plain program: ") + child.error();
                return {NotMeasured("1. Start-up to first paint", why), NotMeasured("5. Peak working set", why)};
            }
            // Let start-up work that follows the first paint finish before reading the peak.
            Sleep(500);
            (dotlockNow ? dotlockStart : plainStart).push_back(child.secondsToFirstPaint());
            (dotlockNow ? dotlockPeak : plainPeak).push_back(child.PeakWorkingSetBytes());
        }
    }
    dotlockPeakBytes = Median(dotlockPeak);

    Row startUp = Compare("1. Start-up to first paint", dotlockStart, plainStart, "%.0f ms", 1000, "minimal window");
    startUp.budget = "<= 1.3x";
    startUp.verdict = startUp.ratio <= 1.3 ? "within" : "over";
    startUp.note = Format("%d runs", kStartUpRuns);

    Row memory = Compare("5. Peak working set", dotlockPeak, plainPeak, "%.1f MiB", 1 / kMiB, "minimal window");
    return {startUp, memory};
}

std::vector<Row> MeasureIdleAndAnimation(const Programs& programs) {
    ParkPointer();
    constexpr double kIdleSeconds = 10;
    constexpr int kFades = 30;  // each fade is five ticks; the pointer moves on or off every five ticks
    std::vector<double> dotlockIdle, plainIdle, fadeTickCpu, idleTickCpu, startUpCpu;
    for (int run = 0; run < kRuns; ++run) {
        ChildProgram dotlock(programs.dotlock, DotlockTitle());
        ChildProgram plain(programs.plain, kPlainWindowTitle);
        if (!dotlock.ok() || !plain.ok()) {
            const std::string why = dotlock.ok() ? plain.error() : dotlock.error();
            return {NotMeasured("3. Idle CPU", why), NotMeasured("4. Hover fade CPU", why)};
        }
        Sleep(500);  // past the start-up work

        // Both programs idle over the same ten seconds.
        const double t0 = Now();
        const double d0 = dotlock.CpuSeconds(), p0 = plain.CpuSeconds();
        if (d0 < 0 || p0 < 0) {
            const std::string why = "the running program was not found under /proc";
            return {NotMeasured("3. Idle CPU", why), NotMeasured("4. Hover fade CPU", why)};
        }
        startUpCpu.push_back(d0);
        Sleep(static_cast<DWORD>(kIdleSeconds * 1000));
        const double d1 = dotlock.CpuSeconds(), p1 = plain.CpuSeconds();
        const double idleWall = Now() - t0;
        dotlockIdle.push_back((d1 - d0) / idleWall);
        plainIdle.push_back((p1 - p0) / idleWall);

        // Back-to-back fades: on the close button (fade in), then away (fade out).
        HWND window = dotlock.window();
        HoverAt(window, kAwayFromButtons);
        Sleep(5 * kTickMs);
        const double f0 = dotlock.CpuSeconds();
        const double fadeStart = Now();
        for (int fade = 0; fade < kFades; ++fade) {
            HoverAt(window, fade % 2 == 0 ? kOnCloseButton : kAwayFromButtons);
            Sleep(5 * kTickMs);
        }
        const double fadeWall = Now() - fadeStart;
        const double f1 = dotlock.CpuSeconds();
        ParkPointer();
        // CPU per 40 ms tick, while fading and while idle.
        fadeTickCpu.push_back((f1 - f0) / (fadeWall * 1000 / kTickMs));
        idleTickCpu.push_back((d1 - d0) / (idleWall * 1000 / kTickMs));
    }

    Row idle = Compare("3. Idle CPU (10 s)", dotlockIdle, plainIdle, "%.3f %% of a core", 100, "minimal window");
    idle.budget = "< 0.5 % of a core";
    idle.verdict = Median(dotlockIdle) < 0.005 ? "within" : "over";
    // The start-up CPU, read the same way, shows the reading works at all.
    idle.note = Format("all threads of the process, from the Linux kernel (wineserver's share not included); "
                       "start-up read the same way: %.0f ms",
                       Median(startUpCpu) * 1000);

    Row fade = Compare("4. CPU per tick of the hover fade", fadeTickCpu, idleTickCpu, "%.3f ms", 1000, "idle ticks");
    fade.note = Format("%d fades of 5 ticks a run", kFades);
    if (fade.ratio < 0) fade.note += "; no idle CPU to compare with";
    return {idle, fade};
}

std::vector<Row> MeasureSize(const Programs& programs) {
    auto sizeOf = [](const std::wstring& path) -> double {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
        return static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
    };
    const double dotlockBytes = sizeOf(programs.strippedDotlock), plainBytes = sizeOf(programs.strippedPlain);
    if (dotlockBytes < 0 || plainBytes < 0) {
        return {NotMeasured("6. Size, stripped", "no stripped copies (bench.sh makes them)")};
    }
    Row size = Compare("6. Size, stripped", {dotlockBytes}, {plainBytes}, "%.0f bytes", 1, "minimal window");
    size.note = "one file, no runs to vary";
    return {size};
}

}  // namespace bench
