// The libraries a loaded image imports at load time, read from its import
// directory.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing {

// `module` may be the running program or an image loaded as a resource
// (whose handle carries flag bits).
inline std::vector<std::string> ImportedLibraries(HMODULE module) {
    auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    if (dir.VirtualAddress == 0) return names;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name != 0; ++d) {
        names.emplace_back(reinterpret_cast<const char*>(base + d->Name));
    }
    return names;
}

}  // namespace testing
