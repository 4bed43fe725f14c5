#include "gdiplus/solid_brush.h"

namespace gdiplus {

void SolidBrush::OnSubHandleSet(void* handle) {
    solidFill_ = static_cast<Gdiplus::GpSolidFill*>(handle);
}

bool SolidBrush::CreateSolidFill(Argb color) {
    return FinishCreate(GDIP(GdipCreateSolidFill)(color, &solidFill_), solidFill_);
}

bool SolidBrush::SetSolidFillColor(Argb color) {
    return StoreStatus(GDIP(GdipSetSolidFillColor)(solidFill_, color));
}

Argb SolidBrush::GetSolidFillColor() const {
    Gdiplus::ARGB color = 0;
    StoreStatus(GDIP(GdipGetSolidFillColor)(solidFill_, &color));
    return color;
}

}  // namespace gdiplus
