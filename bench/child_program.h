// A program under measurement, started and watched from outside through its
// process handle, as a user's system would see it.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

class ChildProgram {
public:
    // Starts `exe` (no arguments, its own folder as the working folder) and
    // waits until its window titled `title` is shown and fully painted.
    // Fails (ok() false, reason in error()) after `timeoutSeconds`.
    ChildProgram(const std::wstring& exe, const std::wstring& title, double timeoutSeconds = 20);
    // Ends the process: closing the window normally would run its exit actions.
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool ok() const { return window_ != nullptr; }
    const std::string& error() const { return error_; }
    HWND window() const { return window_; }
    // From just before CreateProcess to the first moment the window was
    // visible with nothing left to paint.
    double secondsToFirstPaint() const { return startUp_; }

    // CPU time all the process's threads have used so far, as the Linux
    // kernel counts it (Wine reports no times for other processes); -1 when
    // the process cannot be found there.
    double CpuSeconds();
    double PeakWorkingSetBytes() const;

private:
    PROCESS_INFORMATION process_{};
    std::wstring exeName_;
    int unixPid_ = 0;
    HWND window_ = nullptr;
    double startUp_ = 0;
    std::string error_;
};

// The folder this program was started from, with a trailing backslash.
std::wstring OwnFolder();

}  // namespace bench
