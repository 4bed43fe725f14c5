#include "child_program.h"

#include <psapi.h>

#include "measure.h"

namespace bench {
namespace {

struct Search {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

// FindWindowW would also find a window of a leftover instance: match the process too.
BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    wchar_t title[256];
    if (GetWindowTextW(window, title, 256) > 0 && lstrcmpW(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double FileTimeSeconds(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<double>(v.QuadPart) * 1e-7;
}

}  // namespace

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

ChildProgram::ChildProgram(const std::wstring& exe, const std::wstring& title, double timeoutSeconds) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_)) {
        error_ = Format("could not start the program (error %lu)", GetLastError());
        return;
    }
    // Returns once the program first waits for input, after its start-up
    // painting; the loop below confirms the window is really painted.
    WaitForInputIdle(process_.hProcess, static_cast<DWORD>(timeoutSeconds * 1000));
    Search search{process_.dwProcessId, title.c_str(), nullptr};
    while (Now() - start < timeoutSeconds) {
        search.found = nullptr;
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found && IsWindowVisible(search.found) && !GetUpdateRect(search.found, nullptr, FALSE)) {
            startUp_ = Now() - start;
            window_ = search.found;
            return;
        }
        if (WaitForSingleObject(process_.hProcess, 1) == WAIT_OBJECT_0) {
            error_ = "the program ended before its window was painted";
            return;
        }
    }
    error_ = "no painted window with the expected title";
}

ChildProgram::~ChildProgram() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

double ChildProgram::CpuSeconds() const {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process_.hProcess, &created, &exited, &kernel, &user)) return -1;
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

double ChildProgram::PeakWorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.PeakWorkingSetSize);
}

}  // namespace bench
