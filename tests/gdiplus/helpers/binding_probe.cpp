// Child process for the binding tests. Modes:
//   missing-entry    call an entry point gdiplus.dll does not export
//   missing-library  call into a library that does not exist
//   lazy             report whether gdiplus.dll is loaded before and after
//                    the first bound call
#include <cstdio>
#include <cstring>

#include "gdiplus/object.h"

using NoArguments = int(WINAPI*)();

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "missing-entry") == 0) {
        gdiplus::BoundEntry<"gdiplus.dll", "GdipNoSuchEntryPoint", NoArguments>()();
    } else if (std::strcmp(mode, "missing-library") == 0) {
        gdiplus::BoundEntry<"nosuchlibrary.dll", "NoSuchFunction", NoArguments>()();
    } else if (std::strcmp(mode, "lazy") == 0) {
        bool before = GetModuleHandleA("gdiplus.dll") != nullptr;
        void* block = GDIP(GdipAlloc)(16);
        GDIP(GdipFree)(block);
        bool after = GetModuleHandleA("gdiplus.dll") != nullptr;
        std::printf("before=%d after=%d\n", before, after);
        return 0;
    }
    std::printf("returned\n");
    return 0;
}
