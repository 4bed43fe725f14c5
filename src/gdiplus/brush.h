// Brush: the base of the brush wrappers, with what every brush kind shares.
#pragma once

#include "gdiplus/object.h"

namespace gdiplus {

class Brush : public GdiPlusObject {
public:
    Brush() = default;
    // Every brush kind is released the same way, so this covers subclasses.
    ~Brush() override;

    Gdiplus::GpBrush* NativeBrush() const { return brush_; }

    bool DeleteBrush();
    // `target` should be a wrapper of the same brush kind.
    bool CloneBrush(Brush& target) const;
    int GetBrushType() const;

protected:
    void OnHandleSet(void* handle) final;
    // For the brush kind below Brush to keep its own typed copy.
    virtual void OnSubHandleSet(void* handle);

private:
    Gdiplus::GpBrush* brush_ = nullptr;
};

}  // namespace gdiplus
