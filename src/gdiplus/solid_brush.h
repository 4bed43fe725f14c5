// SolidBrush: a brush of one colour.
#pragma once

#include "gdiplus/brush.h"

namespace gdiplus {

class SolidBrush : public Brush {
public:
    SolidBrush() = default;

    Gdiplus::GpSolidFill* NativeSolidFill() const { return solidFill_; }

    bool CreateSolidFill(Argb color);
    bool SetSolidFillColor(Argb color);
    Argb GetSolidFillColor() const;

protected:
    void OnSubHandleSet(void* handle) override;

private:
    Gdiplus::GpSolidFill* solidFill_ = nullptr;
};

}  // namespace gdiplus
