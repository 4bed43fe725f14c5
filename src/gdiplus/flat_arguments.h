// Helpers for handing arguments to flat functions and reading arrays back.
#pragma once

#include <windows.h>

#include <string>

#include "gdiplus/binding.h"
#include "gdiplus/object.h"
#include "gdiplus/record_runs.h"

namespace gdiplus {

// Reads an array whose length is asked for first (blend factors, dash and
// compound arrays, tab stops). `countCall(INT*)` asks for the length; when
// it fails the result is 0 and nothing else happens. Otherwise `readCall(count)` resizes the caller's
// arrays to count zero entries and reads into them; its status is stored
// but the count is returned either way.
template <typename CountCall, typename ReadCall>
int ReadCountedArray(CountCall countCall, ReadCall readCall) {
    INT count = 0;
    if (!StoreStatus(countCall(&count))) {
        return 0;
    }
    if (count < 0) {
        FatalError("GDI+ reported a negative array length");
    }
    StoreStatus(readCall(count));
    return count;
}

// Our colours as GDI+'s ARGB (an unsigned long of the same width).
inline const Gdiplus::ARGB* AsArgbs(const Argb* colors) {
    static_assert(sizeof(Gdiplus::ARGB) == sizeof(Argb));
    return reinterpret_cast<const Gdiplus::ARGB*>(colors);
}
inline Gdiplus::ARGB* AsArgbs(Argb* colors) {
    return reinterpret_cast<Gdiplus::ARGB*>(colors);
}

// `order` arguments: 0 prepend, 1 append.
inline Gdiplus::MatrixOrder MatrixOrderOf(int order) {
    return static_cast<Gdiplus::MatrixOrder>(order);
}
// The other mode numbers the wrappers take as int, as GDI+'s enumerations.
inline Gdiplus::CombineMode CombineModeOf(int mode) { return static_cast<Gdiplus::CombineMode>(mode); }
inline Gdiplus::FillMode FillModeOf(int mode) { return static_cast<Gdiplus::FillMode>(mode); }
inline Gdiplus::Unit UnitOf(int unit) { return static_cast<Gdiplus::Unit>(unit); }
// A text's length as GDI+ counts it, in UTF-16 units.
inline INT LengthOf(const std::wstring& wide) { return static_cast<INT>(wide.size()); }

}  // namespace gdiplus
