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

    // User plus kernel time the process has used so far.
    double CpuSeconds() const;
    double PeakWorkingSetBytes() const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    double startUp_ = 0;
    std::string error_;
};

// The folder this program was started from, with a trailing backslash.
std::wstring OwnFolder();

}  // namespace bench
