#include "app/program_info.h"

#include <windows.h>

#include <vector>

namespace dotlock {
namespace {
ProgramLocation g_program;
}

ProgramLocation SplitProgramPath(const std::string& fullPath) {
    const std::size_t slash = fullPath.rfind('\\');
    if (slash == std::string::npos) return {std::string(), fullPath};
    return {fullPath.substr(0, slash), fullPath.substr(slash + 1)};
}

std::string CurrentProgramPath() {
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return std::string(buf.data(), n);
        buf.resize(buf.size() * 2);  // truncated: try a larger buffer
    }
}

void RecordProgramLocation() {
    g_program = SplitProgramPath(CurrentProgramPath());
    // "C:" alone would mean the drive's current directory, not its root.
    std::string dir = g_program.directory;
    if (!dir.empty() && dir.back() == ':') dir += '\\';
    SetCurrentDirectoryA(dir.c_str());
}

const ProgramLocation& Program() { return g_program; }

}  // namespace dotlock
