// Starts the real dotlock.exe (or a helper program) from the tests and ends
// it again, whatever the test did in between.
#ifndef DOTLOCK_TESTS_APP_PROGRAM_PROCESS_H
#define DOTLOCK_TESTS_APP_PROGRAM_PROCESS_H

#include <windows.h>

#include <string>

#include "automation.h"

namespace dotlock::testing {

// The folder of the running test program; helper programs sit beside it.
inline std::string TestsFolder() {
    char path[MAX_PATH * 4];
    const std::string p(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return p.substr(0, p.rfind('\\'));
}

// dotlock.exe sits one folder above the tests.
inline std::string ProgramPath() {
    const std::string tests = TestsFolder();
    return tests.substr(0, tests.rfind('\\')) + "\\dotlock.exe";
}

inline std::string Quoted(const std::string& text) {
    std::string quoted(1, '"');
    quoted.append(text).append(1, '"');
    return quoted;
}

class ProgramProcess {
public:
    // Starts `program` (a full path) with `arguments` appended to its command line.
    explicit ProgramProcess(const std::string& arguments = {}, const std::string& program = ProgramPath()) {
        std::string commandLine = Quoted(program);
        if (!arguments.empty()) commandLine.append(1, ' ').append(arguments);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &si, &pi_) != 0;
    }
    ~ProgramProcess() {
        if (!started_) return;
        if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool started() const { return started_; }

    // The exit code once the process ends within the time, else -1.
    int ExitCode(DWORD timeoutMs) {
        if (!started_ || WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(pi_.hProcess, &code);
        return static_cast<int>(code);
    }

    // Closes the main window as a user would; the exit code, -1 on a hang,
    // -2 when no main window showed.
    int CloseMainWindow() {
        HWND main = automation::WaitForWindow(nullptr, automation::kMainTitle);
        if (!main) return -2;
        PostMessageW(main, WM_CLOSE, 0, 0);
        return ExitCode(15000);
    }

private:
    PROCESS_INFORMATION pi_{};
    bool started_ = false;
};

}  // namespace dotlock::testing

#endif
