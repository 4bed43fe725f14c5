#include "gdiplus/pen.h"

#include "gdiplus/flat_arguments.h"

namespace gdiplus {

namespace {

Gdiplus::LineCap LineCapOf(int cap) { return static_cast<Gdiplus::LineCap>(cap); }
Gdiplus::DashCap DashCapOf(int cap) { return static_cast<Gdiplus::DashCap>(cap); }

}  // namespace

Pen::~Pen() { Pen::DeletePen(); }

void Pen::OnHandleSet(void* handle) { pen_ = static_cast<Gdiplus::GpPen*>(handle); }

bool Pen::DeletePen() { return ReleaseWith(pen_, GDIP(GdipDeletePen)); }

bool Pen::CreatePen1(Argb color, float width, int unit) {
    return FinishCreate(GDIP(GdipCreatePen1)(color, width, UnitOf(unit), &pen_), pen_);
}

bool Pen::CreatePen2(const Brush& brush, float width, int unit) {
    return FinishCreate(
        GDIP(GdipCreatePen2)(brush.NativeBrush(), width, UnitOf(unit), &pen_), pen_);
}

bool Pen::ClonePen(Pen& target) const {
    Gdiplus::GpPen* out = nullptr;
    return Produce(GDIP(GdipClonePen)(pen_, &out), target, out);
}

float Pen::GetPenWidth() const {
    Gdiplus::REAL width = 0;
    StoreStatus(GDIP(GdipGetPenWidth)(pen_, &width));
    return width;
}

bool Pen::SetPenWidth(float width) { return StoreStatus(GDIP(GdipSetPenWidth)(pen_, width)); }

int Pen::GetPenUnit() const {
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    StoreStatus(GDIP(GdipGetPenUnit)(pen_, &unit));
    return static_cast<int>(unit);
}

bool Pen::SetPenUnit(float unit) {
    // A float-to-int conversion truncates toward zero: 2.9 is pixel (2).
    return StoreStatus(GDIP(GdipSetPenUnit)(pen_, UnitOf(static_cast<int>(unit))));
}

bool Pen::SetPenLineCap197819(int startCap, int endCap, int dashCap) {
    return StoreStatus(GDIP(GdipSetPenLineCap197819)(pen_, LineCapOf(startCap), LineCapOf(endCap),
                                                     DashCapOf(dashCap)));
}

bool Pen::SetPenStartCap(int cap) {
    return StoreStatus(GDIP(GdipSetPenStartCap)(pen_, LineCapOf(cap)));
}

bool Pen::SetPenEndCap(int cap) { return StoreStatus(GDIP(GdipSetPenEndCap)(pen_, LineCapOf(cap))); }

bool Pen::SetPenDashCap197819(int dashCap) {
    return StoreStatus(GDIP(GdipSetPenDashCap197819)(pen_, DashCapOf(dashCap)));
}

int Pen::GetPenStartCap() const {
    Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
    StoreStatus(GDIP(GdipGetPenStartCap)(pen_, &cap));
    return static_cast<int>(cap);
}

int Pen::GetPenEndCap() const {
    Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
    StoreStatus(GDIP(GdipGetPenEndCap)(pen_, &cap));
    return static_cast<int>(cap);
}

int Pen::GetPenDashCap197819() const {
    Gdiplus::DashCap cap = Gdiplus::DashCapFlat;
    StoreStatus(GDIP(GdipGetPenDashCap197819)(pen_, &cap));
    return static_cast<int>(cap);
}

bool Pen::SetPenLineJoin(int join) {
    return StoreStatus(GDIP(GdipSetPenLineJoin)(pen_, static_cast<Gdiplus::LineJoin>(join)));
}

int Pen::GetPenLineJoin() const {
    Gdiplus::LineJoin join = Gdiplus::LineJoinMiter;
    StoreStatus(GDIP(GdipGetPenLineJoin)(pen_, &join));
    return static_cast<int>(join);
}

bool Pen::SetPenCustomStartCap(const GdiPlusObject& cap) {
    return StoreStatus(
        GDIP(GdipSetPenCustomStartCap)(pen_, HandleOf<Gdiplus::GpCustomLineCap>(cap)));
}

bool Pen::GetPenCustomStartCap(GdiPlusObject& target) const {
    Gdiplus::GpCustomLineCap* out = nullptr;
    return Produce(GDIP(GdipGetPenCustomStartCap)(pen_, &out), target, out);
}

bool Pen::SetPenCustomEndCap(const GdiPlusObject& cap) {
    return StoreStatus(
        GDIP(GdipSetPenCustomEndCap)(pen_, HandleOf<Gdiplus::GpCustomLineCap>(cap)));
}

bool Pen::GetPenCustomEndCap(GdiPlusObject& target) const {
    Gdiplus::GpCustomLineCap* out = nullptr;
    return Produce(GDIP(GdipGetPenCustomEndCap)(pen_, &out), target, out);
}

bool Pen::SetPenMiterLimit(float limit) {
    return StoreStatus(GDIP(GdipSetPenMiterLimit)(pen_, limit));
}

float Pen::GetPenMiterLimit() const {
    Gdiplus::REAL limit = 0;
    StoreStatus(GDIP(GdipGetPenMiterLimit)(pen_, &limit));
    return limit;
}

bool Pen::SetPenMode(int mode) {
    return StoreStatus(GDIP(GdipSetPenMode)(pen_, static_cast<Gdiplus::PenAlignment>(mode)));
}

int Pen::GetPenMode() const {
    Gdiplus::PenAlignment mode = Gdiplus::PenAlignmentCenter;
    StoreStatus(GDIP(GdipGetPenMode)(pen_, &mode));
    return static_cast<int>(mode);
}

bool Pen::SetPenTransform(const Matrix& matrix) {
    return StoreStatus(GDIP(GdipSetPenTransform)(pen_, matrix.NativeMatrix()));
}

bool Pen::GetPenTransform(const Matrix& target) const {
    return StoreStatus(GDIP(GdipGetPenTransform)(pen_, target.NativeMatrix()));
}

bool Pen::ResetPenTransform() { return StoreStatus(GDIP(GdipResetPenTransform)(pen_)); }

bool Pen::MultiplyPenTransform(const Matrix& matrix, int order) {
    return StoreStatus(
        GDIP(GdipMultiplyPenTransform)(pen_, matrix.NativeMatrix(), MatrixOrderOf(order)));
}

bool Pen::RotatePenTransform(float angle, int order) {
    return StoreStatus(GDIP(GdipRotatePenTransform)(pen_, angle, MatrixOrderOf(order)));
}

bool Pen::ScalePenTransform(float scaleX, float scaleY, int order) {
    return StoreStatus(
        GDIP(GdipScalePenTransform)(pen_, scaleX, scaleY, MatrixOrderOf(order)));
}

bool Pen::TranslatePenTransform(float dx, float dy, int order) {
    return StoreStatus(GDIP(GdipTranslatePenTransform)(pen_, dx, dy, MatrixOrderOf(order)));
}

Argb Pen::GetPenColor() const {
    Gdiplus::ARGB color = 0;
    StoreStatus(GDIP(GdipGetPenColor)(pen_, &color));
    return color;
}

bool Pen::SetPenColor(Argb color) { return StoreStatus(GDIP(GdipSetPenColor)(pen_, color)); }

bool Pen::SetPenBrushFill(const Brush& brush) {
    return StoreStatus(GDIP(GdipSetPenBrushFill)(pen_, brush.NativeBrush()));
}

bool Pen::GetPenBrushFill(Brush& target) const {
    Gdiplus::GpBrush* out = nullptr;
    return Produce(GDIP(GdipGetPenBrushFill)(pen_, &out), target, out);
}

int Pen::GetPenFillType() const {
    Gdiplus::PenType type = Gdiplus::PenTypeSolidColor;
    StoreStatus(GDIP(GdipGetPenFillType)(pen_, &type));
    return static_cast<int>(type);
}

bool Pen::SetPenDashStyle(int style) {
    return StoreStatus(GDIP(GdipSetPenDashStyle)(pen_, static_cast<Gdiplus::DashStyle>(style)));
}

int Pen::GetPenDashStyle() const {
    Gdiplus::DashStyle style = Gdiplus::DashStyleSolid;
    StoreStatus(GDIP(GdipGetPenDashStyle)(pen_, &style));
    return static_cast<int>(style);
}

float Pen::GetPenDashOffset() const {
    Gdiplus::REAL offset = 0;
    StoreStatus(GDIP(GdipGetPenDashOffset)(pen_, &offset));
    return offset;
}

bool Pen::SetPenDashOffset(float offset) {
    return StoreStatus(GDIP(GdipSetPenDashOffset)(pen_, offset));
}

int Pen::GetPenDashArray(std::vector<float>& dashes) const {
    return ReadCountedArray(
        [&](INT* count) { return GDIP(GdipGetPenDashCount)(pen_, count); },
        [&](INT count) {
            dashes.assign(count, 0.0f);
            return GDIP(GdipGetPenDashArray)(pen_, dashes.data(), count);
        });
}

bool Pen::SetPenDashArray(const std::vector<float>& dashes) {
    return StoreStatus(GDIP(GdipSetPenDashArray)(pen_, dashes.data(), CountOf(dashes)));
}

bool Pen::SetPenCompoundArray(const std::vector<float>& values) {
    return StoreStatus(GDIP(GdipSetPenCompoundArray)(pen_, values.data(), CountOf(values)));
}

int Pen::GetPenCompoundArray(std::vector<float>& values) const {
    return ReadCountedArray(
        [&](INT* count) { return GDIP(GdipGetPenCompoundCount)(pen_, count); },
        [&](INT count) {
            values.assign(count, 0.0f);
            return GDIP(GdipGetPenCompoundArray)(pen_, values.data(), count);
        });
}

}  // namespace gdiplus
