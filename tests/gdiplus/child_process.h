// Runs a helper program that sits beside the test program and collects its
// exit code and everything it wrote to standard output and error.
#pragma once

#include <windows.h>

#include <string>

struct ChildResult {
    DWORD exitCode = 0;
    std::string output;
};

inline ChildResult RunHelper(const std::string& program, const std::string& arguments) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    path = path.substr(0, path.find_last_of('\\') + 1) + program;
    std::string commandLine = "\"" + path + "\" " + arguments;

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    ChildResult result;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        result.exitCode = 0xFFFFFFFF;
        result.output = "cannot start " + commandLine;
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return result;
    }
    CloseHandle(writeEnd);
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
        result.output.append(chunk, got);
    }
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return result;
}
