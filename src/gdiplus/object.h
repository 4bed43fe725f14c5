// The common model of the GDI+ wrappers.
//
// Every wrapper derives from GdiPlusObject and owns one native GDI+ object.
// Conventions for wrapper authors:
//
// * Handles. `GetHandle()` is the native object (null when empty). Each class
//   keeps a typed copy (GpFont* font_, GpImage* image_, ...), rewritten only
//   by SetHandle through OnHandleSet; an intermediate class (Image, Brush)
//   stores its field and then calls OnSubHandleSet for the class below it.
//   Never assign a typed field except by passing its address to a flat
//   creator, which must be followed by SetHandle (FinishCreate does it).
// * Binding. Call flat functions as GDIP(GdipName)(args...) (binding.h): bound
//   by name at first use, typed from the SDK declaration; never link gdiplus.
// * Status. Every flat call's status goes to LastGdiStatus at once:
//   1. create:    return FinishCreate(GDIP(GdipCreateX)(..., &typed_), typed_)
//                 (SetHandle even on failure; an old object is not released);
//   2. release:   return ReleaseWith(typed_, GDIP(GdipDeleteX)); an empty
//                 wrapper returns false without a call or a status change;
//   3. query:     local initialised to 0, StoreStatus(call(&local)), return local;
//   4. action:    return StoreStatus(call(...));
//   5. producing: return Produce(GDIP(GdipCloneX)(typed_, &out), target, out)
//                 with a local `out`
//                 (the target's SetHandle runs even on failure).
// * Destruction calls the class's own release method (C++ destructors do not
//   dispatch to derived classes, so each class's destructor does it).
// * Wrappers are not copyable. An omitted wrapper argument is a pointer
//   defaulting to nullptr and reaches GDI+ as a null handle (HandleOf).
// * Records (RectF, PointF, BitmapData, ...) are in records.h; hand them to a
//   flat function with AsGdiplus(&record). Texts and GUIDs: conversions.h.
// * Tests: tests/gdiplus/gdiplus_environment.cpp starts GDI+ for the whole
//   test program, as the theme start-up does in the program.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "gdiplus/binding.h"
#include "gdiplus/conversions.h"

namespace gdiplus {

using GpStatus = Gdiplus::GpStatus;
using Argb = std::uint32_t;  // 0xAARRGGBB

// Status of the most recent flat call made by any wrapper, on any thread.
inline std::atomic<int> LastGdiStatus{0};

// Stores the status of a flat call; true when it is Ok.
inline bool StoreStatus(GpStatus status) {
    LastGdiStatus.store(static_cast<int>(status));
    return status == Gdiplus::Ok;
}

class GdiPlusObject {
public:
    GdiPlusObject() = default;
    GdiPlusObject(const GdiPlusObject&) = delete;
    GdiPlusObject& operator=(const GdiPlusObject&) = delete;
    virtual ~GdiPlusObject() = default;

    void* GetHandle() const { return handle_; }
    void SetHandle(void* handle) {
        handle_ = handle;
        OnHandleSet(handle);
    }

    // Blocks from and back to GDI+'s own allocator.
    void* Alloc(int size);
    void Free(void* pointer);

protected:
    // Stores the handle in the class's typed field.
    virtual void OnHandleSet(void* handle) = 0;

    // Method kind 1: `out` is the typed field the flat creator wrote into.
    // Taken by reference so that it is read after the call even when both are
    // arguments of one expression: FinishCreate(GDIP(...)(&font_), font_).
    template <typename Handle>
    bool FinishCreate(GpStatus status, Handle* const& out) {
        bool ok = StoreStatus(status);
        SetHandle(out);
        return ok;
    }

    // Method kind 2.
    template <typename Handle, typename Release>
    bool ReleaseWith(Handle* typed, Release release) {
        if (typed == nullptr) {
            return false;
        }
        bool ok = StoreStatus(release(typed));
        SetHandle(nullptr);
        return ok;
    }

    // Method kind 5; `out` by reference for the same reason as above.
    template <typename Handle>
    static bool Produce(GpStatus status, GdiPlusObject& target, Handle* const& out) {
        bool ok = StoreStatus(status);
        target.SetHandle(out);
        return ok;
    }

private:
    void* handle_ = nullptr;
};

// The typed native handle of an optional wrapper argument (null when omitted).
template <typename Handle>
Handle* HandleOf(const GdiPlusObject* wrapper) {
    return wrapper != nullptr ? static_cast<Handle*>(wrapper->GetHandle()) : nullptr;
}
template <typename Handle>
Handle* HandleOf(const GdiPlusObject& wrapper) {
    return static_cast<Handle*>(wrapper.GetHandle());
}

}  // namespace gdiplus
