// Binding of flat entry points by name at first use.
//
// Nothing here is linked at load time: the program starts where gdiplus.dll
// is missing and fails only at the first call that needs it. Each entry point
// is looked up once per process (one function-local static per entry point,
// shared by every call site) and keeps the exact type of the SDK declaration,
// so calling convention and argument types cannot drift:
//
//     GpStatus s = GDIP(GdipGetImageWidth)(image, &width);
//
// A library or entry point that cannot be found is fatal: FatalError names
// both and ends the process with kFatalExitCode.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

namespace gdiplus {

inline constexpr unsigned kFatalExitCode = 3;

// Writes the message to standard error when the process has one, otherwise
// shows it in a message box, then ends the process.
[[noreturn]] void FatalError(const std::string& message);

// Loads `library` and looks up `entryPoint`; fatal when either is missing.
void* BindByName(const char* library, const char* entryPoint);

// A string literal usable as a template argument, so that one instantiation
// (and one cached address) exists per library and entry point.
template <std::size_t N>
struct EntryName {
    char text[N];
    constexpr EntryName(const char (&s)[N]) { std::copy_n(s, N, text); }
};

template <EntryName Library, EntryName Name, typename Fn>
Fn BoundEntry() {
    static const Fn fn = reinterpret_cast<Fn>(BindByName(Library.text, Name.text));
    return fn;
}

}  // namespace gdiplus

// The gdiplus.dll entry point `name`, typed from its SDK declaration.
// System libraries the program needs only after start-up (the shell's, the
// multimedia timer's) are bound the same way, so that loading them does not
// delay the first window: LATE_BOUND("shell32.dll", ShellExecuteA)(...).
#define LATE_BOUND(library, name) (::gdiplus::BoundEntry<library, #name, decltype(&::name)>())

#define GDIP(name) GDIP_DECLARED(name, ::Gdiplus::DllExports::name)
// The same for an entry point the SDK declares elsewhere, e.g.
// GDIP_DECLARED(GdiplusStartup, ::Gdiplus::GdiplusStartup).
#define GDIP_DECLARED(name, declaration) \
    (::gdiplus::BoundEntry<"gdiplus.dll", #name, decltype(&declaration)>())
