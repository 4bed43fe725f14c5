#include "child_program.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>

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

// The Linux side's /proc, through the drive Wine maps to the root.
const std::wstring kProc = L"Z:\\proc\\";

std::string ReadProcFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

// Calls `visit` with the name of every entry of a /proc folder whose name is a number.
template <class Visit>
void ForEachNumberedEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (entry.cFileName[0] >= L'0' && entry.cFileName[0] <= L'9') visit(std::wstring(entry.cFileName));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// The Linux process whose command name is the exe's file name (cut to the
// kernel's 15 characters) and that runs in this Wine prefix; the newest when
// there are several.
int FindUnixProcess(const std::wstring& exeName) {
    const std::string comm(exeName.begin(), exeName.begin() + std::min<std::size_t>(exeName.size(), 15));
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    const std::string ownPrefix = std::string("WINEPREFIX=") + prefix + '\0';
    int found = 0;
    ForEachNumberedEntry(kProc, [&](const std::wstring& pid) {
        std::string name = ReadProcFile(kProc + pid + L"\\comm");
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
        if (name != comm) return;
        // Other prefixes on the machine may run a program of the same name.
        const std::string environment = '\0' + ReadProcFile(kProc + pid + L"\\environ");
        if (environment.find('\0' + ownPrefix) == std::string::npos) return;
        found = std::max(found, _wtoi(pid.c_str()));
    });
    return found;
}

}  // namespace

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

ChildProgram::ChildProgram(const std::wstring& exe, const std::wstring& title, double timeoutSeconds)
    : exeName_(exe.substr(exe.find_last_of(L'\\') + 1)) {
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

double ChildProgram::CpuSeconds() {
    if (unixPid_ == 0) unixPid_ = FindUnixProcess(exeName_);
    if (unixPid_ == 0) return -1;
    // Each thread's schedstat starts with its time on a CPU in nanoseconds.
    const std::wstring tasks = kProc + std::to_wstring(unixPid_) + L"\\task\\";
    double seconds = 0;
    ForEachNumberedEntry(tasks, [&](const std::wstring& tid) {
        seconds += std::strtod(ReadProcFile(tasks + tid + L"\\schedstat").c_str(), nullptr) * 1e-9;
    });
    return seconds;
}

double ChildProgram::PeakWorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.PeakWorkingSetSize);
}

}  // namespace bench
