#include "gdiplus/cached_bitmap.h"

namespace gdiplus {

void CachedBitmap::OnHandleSet(void* handle) {
    cachedBitmap_ = static_cast<Gdiplus::GpCachedBitmap*>(handle);
}

bool CachedBitmap::DeleteCachedBitmap() {
    return ReleaseWith(cachedBitmap_, GDIP(GdipDeleteCachedBitmap));
}

bool CachedBitmap::CreateCachedBitmap(const Bitmap& bitmap, const GdiPlusObject& graphics) {
    return FinishCreate(GDIP(GdipCreateCachedBitmap)(bitmap.NativeBitmap(),
                                                     HandleOf<Gdiplus::GpGraphics>(graphics),
                                                     &cachedBitmap_),
                        cachedBitmap_);
}

}  // namespace gdiplus
