#include "gdiplus/brush.h"

namespace gdiplus {

Brush::~Brush() { Brush::DeleteBrush(); }

void Brush::OnHandleSet(void* handle) {
    brush_ = static_cast<Gdiplus::GpBrush*>(handle);
    OnSubHandleSet(handle);
}

void Brush::OnSubHandleSet(void*) {}

bool Brush::DeleteBrush() { return ReleaseWith(brush_, GDIP(GdipDeleteBrush)); }

bool Brush::CloneBrush(Brush& target) const {
    Gdiplus::GpBrush* out = nullptr;
    return Produce(GDIP(GdipCloneBrush)(brush_, &out), target, out);
}

int Brush::GetBrushType() const {
    Gdiplus::BrushType type = Gdiplus::BrushTypeSolidColor;
    StoreStatus(GDIP(GdipGetBrushType)(brush_, &type));
    return static_cast<int>(type);
}

}  // namespace gdiplus
