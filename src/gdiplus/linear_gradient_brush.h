// LinearGradientBrush: a brush that blends two colours along a line.
// Every create method makes a tiling brush (wrap mode 0).
#pragma once

#include <vector>

#include "gdiplus/brush.h"
#include "gdiplus/matrix.h"
#include "gdiplus/records.h"

namespace gdiplus {

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush() = default;

    Gdiplus::GpLineGradient* NativeLineGradient() const { return lineGradient_; }

    bool CreateLineBrush(const PointF& point1, const PointF& point2, Argb color1, Argb color2);
    bool CreateLineBrushI(const Point& point1, const Point& point2, Argb color1, Argb color2);
    // mode: 0 horizontal, 1 vertical, 2 forward diagonal, 3 backward diagonal.
    bool CreateLineBrushFromRect(const RectF& rect, Argb color1, Argb color2, int mode = 0);
    bool CreateLineBrushFromRectI(const Rect& rect, Argb color1, Argb color2, int mode = 0);
    bool CreateLineBrushFromRectWithAngle(const RectF& rect, Argb color1, Argb color2, float angle,
                                          bool angleScalable = false);
    bool CreateLineBrushFromRectWithAngleI(const Rect& rect, Argb color1, Argb color2, float angle,
                                           bool angleScalable = false);

    // Both colours are 0 on failure.
    bool GetLineColors(Argb& color1, Argb& color2) const;
    bool SetLineColors(Argb color1, Argb color2);
    RectF GetLineRect() const;
    Rect GetLineRectI() const;
    bool SetLineGammaCorrection(bool on);
    bool GetLineGammaCorrection() const;

    // The count passed is the number of factors; positions holds at least as many.
    bool SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    // Returns the count GDI+ reports (0, arrays untouched, when that query fails).
    int GetLineBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    // The count passed is the number of colours; positions holds at least as many.
    bool SetLinePresetBlend(const std::vector<Argb>& colors, const std::vector<float>& positions);
    int GetLinePresetBlend(std::vector<Argb>& colors, std::vector<float>& positions) const;
    bool SetLineSigmaBlend(float focus, float scale);
    bool SetLineLinearBlend(float focus, float scale);

    int GetLineWrapMode() const;
    bool SetLineWrapMode(int wrapMode);

    // Copies the brush transform into `matrix`, which keeps its own handle.
    bool GetLineTransform(const Matrix& matrix) const;
    bool SetLineTransform(const Matrix& matrix);
    bool ResetLineTransform();
    bool MultiplyLineTransform(const Matrix& matrix, int order = 0);
    bool TranslateLineTransform(float dx, float dy, int order = 0);
    bool ScaleLineTransform(float sx, float sy, int order = 0);
    bool RotateLineTransform(float angle, int order = 0);

protected:
    void OnSubHandleSet(void* handle) override;

private:
    Gdiplus::GpLineGradient* lineGradient_ = nullptr;
};

}  // namespace gdiplus
