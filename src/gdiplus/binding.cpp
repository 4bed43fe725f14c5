#include "gdiplus/binding.h"

#include <windows.h>

namespace gdiplus {

[[noreturn]] void FatalError(const std::string& message) {
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err != nullptr && err != INVALID_HANDLE_VALUE && GetFileType(err) != FILE_TYPE_UNKNOWN) {
        std::string line = message + "\r\n";
        DWORD written = 0;
        WriteFile(err, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    } else {
        MessageBoxA(nullptr, message.c_str(), "dotlock", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    ExitProcess(kFatalExitCode);
}

void* BindByName(const char* library, const char* entryPoint) {
    HMODULE module = LoadLibraryA(library);
    if (module == nullptr) {
        FatalError(std::string("fatal: cannot load library ") + library +
                   " for entry point " + entryPoint);
    }
    FARPROC address = GetProcAddress(module, entryPoint);
    if (address == nullptr) {
        FatalError(std::string("fatal: entry point ") + entryPoint +
                   " not found in library " + library);
    }
    return reinterpret_cast<void*>(address);
}

}  // namespace gdiplus
