// Pen: colour or brush fill, width, unit, caps, joins, dashes, compound
// lines and transform. `order` arguments: 0 prepend, 1 append.
#pragma once

#include <vector>

#include "gdiplus/brush.h"
#include "gdiplus/matrix.h"
#include "gdiplus/object.h"

namespace gdiplus {

class Pen : public GdiPlusObject {
public:
    Pen() = default;
    ~Pen() override;

    Gdiplus::GpPen* NativePen() const { return pen_; }

    bool DeletePen();
    // unit: 0 world, 1 display, 2 pixel, ...
    bool CreatePen1(Argb color, float width, int unit = 0);
    bool CreatePen2(const Brush& brush, float width, int unit = 0);
    bool ClonePen(Pen& target) const;

    float GetPenWidth() const;
    bool SetPenWidth(float width);
    int GetPenUnit() const;
    // The unit is truncated toward zero.
    bool SetPenUnit(float unit);

    bool SetPenLineCap197819(int startCap, int endCap, int dashCap);
    bool SetPenStartCap(int cap);
    bool SetPenEndCap(int cap);
    bool SetPenDashCap197819(int dashCap);
    int GetPenStartCap() const;
    int GetPenEndCap() const;
    int GetPenDashCap197819() const;
    bool SetPenLineJoin(int join);
    int GetPenLineJoin() const;

    // `cap` holds a GDI+ custom line cap.
    bool SetPenCustomStartCap(const GdiPlusObject& cap);
    // `target` receives a new custom line cap that the caller owns.
    bool GetPenCustomStartCap(GdiPlusObject& target) const;
    bool SetPenCustomEndCap(const GdiPlusObject& cap);
    bool GetPenCustomEndCap(GdiPlusObject& target) const;

    bool SetPenMiterLimit(float limit);
    float GetPenMiterLimit() const;
    // mode: 0 centre, 1 inset.
    bool SetPenMode(int mode);
    int GetPenMode() const;

    bool SetPenTransform(const Matrix& matrix);
    // Copies the pen's transform into `target`, which keeps its own handle.
    bool GetPenTransform(const Matrix& target) const;
    bool ResetPenTransform();
    bool MultiplyPenTransform(const Matrix& matrix, int order = 0);
    bool RotatePenTransform(float angle, int order = 0);
    bool ScalePenTransform(float scaleX, float scaleY, int order = 0);
    bool TranslatePenTransform(float dx, float dy, int order = 0);

    Argb GetPenColor() const;
    bool SetPenColor(Argb color);
    bool SetPenBrushFill(const Brush& brush);
    // `target` receives a new brush that the caller owns.
    bool GetPenBrushFill(Brush& target) const;
    int GetPenFillType() const;

    bool SetPenDashStyle(int style);
    int GetPenDashStyle() const;
    float GetPenDashOffset() const;
    bool SetPenDashOffset(float offset);
    // Returns the count GDI+ reports (0, array untouched, when that query fails).
    int GetPenDashArray(std::vector<float>& dashes) const;
    bool SetPenDashArray(const std::vector<float>& dashes);
    bool SetPenCompoundArray(const std::vector<float>& values);
    int GetPenCompoundArray(std::vector<float>& values) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace gdiplus
