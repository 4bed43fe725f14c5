// CachedBitmap: a device-optimised copy of a bitmap for fast repeated drawing.
// Destroying it releases nothing: its owner calls DeleteCachedBitmap first.
#pragma once

#include "gdiplus/bitmap.h"

namespace gdiplus {

class CachedBitmap : public GdiPlusObject {
public:
    CachedBitmap() = default;

    Gdiplus::GpCachedBitmap* NativeCachedBitmap() const { return cachedBitmap_; }

    bool DeleteCachedBitmap();
    // `graphics` is a Graphics wrapper.
    bool CreateCachedBitmap(const Bitmap& bitmap, const GdiPlusObject& graphics);

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpCachedBitmap* cachedBitmap_ = nullptr;
};

}  // namespace gdiplus
