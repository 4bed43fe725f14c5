#include "gdiplus/linear_gradient_brush.h"

#include "gdiplus/flat_arguments.h"

namespace gdiplus {

namespace {

// Every gradient this layer creates tiles outside its rectangle.
constexpr Gdiplus::WrapMode kCreateWrapMode = Gdiplus::WrapModeTile;

Gdiplus::LinearGradientMode Mode(int mode) { return static_cast<Gdiplus::LinearGradientMode>(mode); }

}  // namespace

void LinearGradientBrush::OnSubHandleSet(void* handle) {
    lineGradient_ = static_cast<Gdiplus::GpLineGradient*>(handle);
}

bool LinearGradientBrush::CreateLineBrush(const PointF& point1, const PointF& point2, Argb color1,
                                          Argb color2) {
    return FinishCreate(GDIP(GdipCreateLineBrush)(AsGdiplus(&point1), AsGdiplus(&point2), color1,
                                                  color2, kCreateWrapMode, &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::CreateLineBrushI(const Point& point1, const Point& point2, Argb color1,
                                           Argb color2) {
    return FinishCreate(GDIP(GdipCreateLineBrushI)(AsGdiplus(&point1), AsGdiplus(&point2), color1,
                                                   color2, kCreateWrapMode, &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::CreateLineBrushFromRect(const RectF& rect, Argb color1, Argb color2,
                                                  int mode) {
    return FinishCreate(GDIP(GdipCreateLineBrushFromRect)(AsGdiplus(&rect), color1, color2,
                                                          Mode(mode), kCreateWrapMode,
                                                          &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::CreateLineBrushFromRectI(const Rect& rect, Argb color1, Argb color2,
                                                   int mode) {
    return FinishCreate(GDIP(GdipCreateLineBrushFromRectI)(AsGdiplus(&rect), color1, color2,
                                                           Mode(mode), kCreateWrapMode,
                                                           &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::CreateLineBrushFromRectWithAngle(const RectF& rect, Argb color1,
                                                           Argb color2, float angle,
                                                           bool angleScalable) {
    return FinishCreate(GDIP(GdipCreateLineBrushFromRectWithAngle)(
                            AsGdiplus(&rect), color1, color2, angle, angleScalable,
                            kCreateWrapMode, &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::CreateLineBrushFromRectWithAngleI(const Rect& rect, Argb color1,
                                                            Argb color2, float angle,
                                                            bool angleScalable) {
    return FinishCreate(GDIP(GdipCreateLineBrushFromRectWithAngleI)(
                            AsGdiplus(&rect), color1, color2, angle, angleScalable,
                            kCreateWrapMode, &lineGradient_),
                        lineGradient_);
}

bool LinearGradientBrush::GetLineColors(Argb& color1, Argb& color2) const {
    Gdiplus::ARGB colors[2] = {0, 0};
    bool ok = StoreStatus(GDIP(GdipGetLineColors)(lineGradient_, colors));
    color1 = colors[0];
    color2 = colors[1];
    return ok;
}

bool LinearGradientBrush::SetLineColors(Argb color1, Argb color2) {
    return StoreStatus(GDIP(GdipSetLineColors)(lineGradient_, color1, color2));
}

RectF LinearGradientBrush::GetLineRect() const {
    RectF rect;
    StoreStatus(GDIP(GdipGetLineRect)(lineGradient_, AsGdiplus(&rect)));
    return rect;
}

Rect LinearGradientBrush::GetLineRectI() const {
    Rect rect;
    StoreStatus(GDIP(GdipGetLineRectI)(lineGradient_, AsGdiplus(&rect)));
    return rect;
}

bool LinearGradientBrush::SetLineGammaCorrection(bool on) {
    return StoreStatus(GDIP(GdipSetLineGammaCorrection)(lineGradient_, on));
}

bool LinearGradientBrush::GetLineGammaCorrection() const {
    BOOL on = FALSE;
    StoreStatus(GDIP(GdipGetLineGammaCorrection)(lineGradient_, &on));
    return on != FALSE;
}

bool LinearGradientBrush::SetLineBlend(const std::vector<float>& factors,
                                       const std::vector<float>& positions) {
    // The factors give the count: GDI+ would read past fewer positions.
    if (positions.size() < factors.size()) return StoreStatus(Gdiplus::InvalidParameter);
    return StoreStatus(GDIP(GdipSetLineBlend)(lineGradient_, factors.data(), positions.data(),
                                              CountOf(factors)));
}

int LinearGradientBrush::GetLineBlend(std::vector<float>& factors,
                                      std::vector<float>& positions) const {
    return ReadCountedArray(
        [&](INT* count) { return GDIP(GdipGetLineBlendCount)(lineGradient_, count); },
        [&](INT count) {
            factors.assign(count, 0.0f);
            positions.assign(count, 0.0f);
            return GDIP(GdipGetLineBlend)(lineGradient_, factors.data(), positions.data(), count);
        });
}

bool LinearGradientBrush::SetLinePresetBlend(const std::vector<Argb>& colors,
                                             const std::vector<float>& positions) {
    if (positions.size() < colors.size()) return StoreStatus(Gdiplus::InvalidParameter);
    return StoreStatus(GDIP(GdipSetLinePresetBlend)(lineGradient_, AsArgbs(colors.data()),
                                                    positions.data(), CountOf(colors)));
}

int LinearGradientBrush::GetLinePresetBlend(std::vector<Argb>& colors,
                                            std::vector<float>& positions) const {
    return ReadCountedArray(
        [&](INT* count) { return GDIP(GdipGetLinePresetBlendCount)(lineGradient_, count); },
        [&](INT count) {
            colors.assign(count, 0);
            positions.assign(count, 0.0f);
            return GDIP(GdipGetLinePresetBlend)(lineGradient_, AsArgbs(colors.data()),
                                                positions.data(), count);
        });
}

bool LinearGradientBrush::SetLineSigmaBlend(float focus, float scale) {
    return StoreStatus(GDIP(GdipSetLineSigmaBlend)(lineGradient_, focus, scale));
}

bool LinearGradientBrush::SetLineLinearBlend(float focus, float scale) {
    return StoreStatus(GDIP(GdipSetLineLinearBlend)(lineGradient_, focus, scale));
}

int LinearGradientBrush::GetLineWrapMode() const {
    Gdiplus::WrapMode mode = Gdiplus::WrapModeTile;
    StoreStatus(GDIP(GdipGetLineWrapMode)(lineGradient_, &mode));
    return static_cast<int>(mode);
}

bool LinearGradientBrush::SetLineWrapMode(int wrapMode) {
    return StoreStatus(
        GDIP(GdipSetLineWrapMode)(lineGradient_, static_cast<Gdiplus::WrapMode>(wrapMode)));
}

bool LinearGradientBrush::GetLineTransform(const Matrix& matrix) const {
    return StoreStatus(GDIP(GdipGetLineTransform)(lineGradient_, matrix.NativeMatrix()));
}

bool LinearGradientBrush::SetLineTransform(const Matrix& matrix) {
    return StoreStatus(GDIP(GdipSetLineTransform)(lineGradient_, matrix.NativeMatrix()));
}

bool LinearGradientBrush::ResetLineTransform() {
    return StoreStatus(GDIP(GdipResetLineTransform)(lineGradient_));
}

bool LinearGradientBrush::MultiplyLineTransform(const Matrix& matrix, int order) {
    return StoreStatus(
        GDIP(GdipMultiplyLineTransform)(lineGradient_, matrix.NativeMatrix(), MatrixOrderOf(order)));
}

bool LinearGradientBrush::TranslateLineTransform(float dx, float dy, int order) {
    return StoreStatus(GDIP(GdipTranslateLineTransform)(lineGradient_, dx, dy, MatrixOrderOf(order)));
}

bool LinearGradientBrush::ScaleLineTransform(float sx, float sy, int order) {
    return StoreStatus(GDIP(GdipScaleLineTransform)(lineGradient_, sx, sy, MatrixOrderOf(order)));
}

bool LinearGradientBrush::RotateLineTransform(float angle, int order) {
    return StoreStatus(GDIP(GdipRotateLineTransform)(lineGradient_, angle, MatrixOrderOf(order)));
}

}  // namespace gdiplus
