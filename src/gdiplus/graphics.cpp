#include "gdiplus/graphics.h"

#include "gdiplus/flat_arguments.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/matrix.h"
#include "gdiplus/record_runs.h"
#include "gdiplus/region.h"

namespace gdiplus {

namespace {

Gdiplus::CoordinateSpace AsSpace(int space) { return static_cast<Gdiplus::CoordinateSpace>(space); }

}  // namespace

Graphics::~Graphics() { Graphics::DeleteGraphics(); }

void Graphics::OnHandleSet(void* handle) {
    graphics_ = static_cast<Gdiplus::GpGraphics*>(handle);
}

bool Graphics::DeleteGraphics() {
    return ReleaseWith(graphics_, GDIP(GdipDeleteGraphics));
}

bool Graphics::CreateFromHWND(HWND hwnd, bool useIcm) {
    GpStatus status = useIcm ? GDIP(GdipCreateFromHWNDICM)(hwnd, &graphics_)
                             : GDIP(GdipCreateFromHWND)(hwnd, &graphics_);
    return FinishCreate(status, graphics_);
}

bool Graphics::CreateFromHDC(HDC hdc, std::optional<HANDLE> device) {
    GpStatus status = device.has_value() ? GDIP(GdipCreateFromHDC2)(hdc, *device, &graphics_)
                                         : GDIP(GdipCreateFromHDC)(hdc, &graphics_);
    return FinishCreate(status, graphics_);
}

bool Graphics::GetImageGraphicsContext(const Image& image) {
    return FinishCreate(GDIP(GdipGetImageGraphicsContext)(image.NativeImage(), &graphics_), graphics_);
}

HDC Graphics::GetDC() {
    HDC hdc = nullptr;
    StoreStatus(GDIP(GdipGetDC)(graphics_, &hdc));
    return hdc;
}

bool Graphics::ReleaseDC(HDC hdc) { return StoreStatus(GDIP(GdipReleaseDC)(graphics_, hdc)); }

int Graphics::GetCompositingMode() const {
    Gdiplus::CompositingMode mode = Gdiplus::CompositingModeSourceOver;
    StoreStatus(GDIP(GdipGetCompositingMode)(graphics_, &mode));
    return static_cast<int>(mode);
}

bool Graphics::SetCompositingMode(int mode) {
    return StoreStatus(GDIP(GdipSetCompositingMode)(graphics_, static_cast<Gdiplus::CompositingMode>(mode)));
}

bool Graphics::GetRenderingOrigin(int& x, int& y) const {
    INT originX = 0, originY = 0;
    bool ok = StoreStatus(GDIP(GdipGetRenderingOrigin)(graphics_, &originX, &originY));
    x = originX;
    y = originY;
    return ok;
}

bool Graphics::SetRenderingOrigin(int x, int y) { return StoreStatus(GDIP(GdipSetRenderingOrigin)(graphics_, x, y)); }

int Graphics::GetCompositingQuality() const {
    Gdiplus::CompositingQuality quality = Gdiplus::CompositingQualityDefault;
    StoreStatus(GDIP(GdipGetCompositingQuality)(graphics_, &quality));
    return static_cast<int>(quality);
}

bool Graphics::SetCompositingQuality(int quality) {
    return StoreStatus(
        GDIP(GdipSetCompositingQuality)(graphics_, static_cast<Gdiplus::CompositingQuality>(quality)));
}

bool Graphics::SetSmoothingMode(int mode) {
    return StoreStatus(GDIP(GdipSetSmoothingMode)(graphics_, static_cast<Gdiplus::SmoothingMode>(mode)));
}

int Graphics::GetSmoothingMode() const {
    Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeDefault;
    StoreStatus(GDIP(GdipGetSmoothingMode)(graphics_, &mode));
    return static_cast<int>(mode);
}

bool Graphics::SetTextRenderingHint(int hint) {
    return StoreStatus(GDIP(GdipSetTextRenderingHint)(graphics_, static_cast<Gdiplus::TextRenderingHint>(hint)));
}

int Graphics::GetTextRenderingHint() const {
    Gdiplus::TextRenderingHint hint = Gdiplus::TextRenderingHintSystemDefault;
    StoreStatus(GDIP(GdipGetTextRenderingHint)(graphics_, &hint));
    return static_cast<int>(hint);
}

bool Graphics::SetInterpolationMode(int mode) {
    return StoreStatus(GDIP(GdipSetInterpolationMode)(graphics_, static_cast<Gdiplus::InterpolationMode>(mode)));
}

int Graphics::GetInterpolationMode() const {
    Gdiplus::InterpolationMode mode = Gdiplus::InterpolationModeDefault;
    StoreStatus(GDIP(GdipGetInterpolationMode)(graphics_, &mode));
    return static_cast<int>(mode);
}

bool Graphics::SetPixelOffsetMode(int mode) {
    return StoreStatus(GDIP(GdipSetPixelOffsetMode)(graphics_, static_cast<Gdiplus::PixelOffsetMode>(mode)));
}

int Graphics::GetPixelOffsetMode() const {
    Gdiplus::PixelOffsetMode mode = Gdiplus::PixelOffsetModeDefault;
    StoreStatus(GDIP(GdipGetPixelOffsetMode)(graphics_, &mode));
    return static_cast<int>(mode);
}

bool Graphics::SetWorldTransform(const Matrix& matrix) {
    return StoreStatus(GDIP(GdipSetWorldTransform)(graphics_, matrix.NativeMatrix()));
}

bool Graphics::GetWorldTransform(Matrix& matrix) const {
    return StoreStatus(GDIP(GdipGetWorldTransform)(graphics_, matrix.NativeMatrix()));
}

bool Graphics::ResetWorldTransform() { return StoreStatus(GDIP(GdipResetWorldTransform)(graphics_)); }

bool Graphics::MultiplyWorldTransform(const Matrix& matrix, int order) {
    return StoreStatus(GDIP(GdipMultiplyWorldTransform)(graphics_, matrix.NativeMatrix(), MatrixOrderOf(order)));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, int order) {
    return StoreStatus(GDIP(GdipTranslateWorldTransform)(graphics_, dx, dy, MatrixOrderOf(order)));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, int order) {
    return StoreStatus(GDIP(GdipScaleWorldTransform)(graphics_, sx, sy, MatrixOrderOf(order)));
}

bool Graphics::RotateWorldTransform(float angle, int order) {
    return StoreStatus(GDIP(GdipRotateWorldTransform)(graphics_, angle, MatrixOrderOf(order)));
}

bool Graphics::SetPageUnit(int unit) {
    return StoreStatus(GDIP(GdipSetPageUnit)(graphics_, static_cast<Gdiplus::Unit>(unit)));
}

int Graphics::GetPageUnit() const {
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    StoreStatus(GDIP(GdipGetPageUnit)(graphics_, &unit));
    return static_cast<int>(unit);
}

bool Graphics::SetPageScale(float scale) { return StoreStatus(GDIP(GdipSetPageScale)(graphics_, scale)); }

float Graphics::GetPageScale() const {
    Gdiplus::REAL scale = 0;
    StoreStatus(GDIP(GdipGetPageScale)(graphics_, &scale));
    return scale;
}

float Graphics::GetDpiX() const {
    Gdiplus::REAL dpi = 0;
    StoreStatus(GDIP(GdipGetDpiX)(graphics_, &dpi));
    return dpi;
}

float Graphics::GetDpiY() const {
    Gdiplus::REAL dpi = 0;
    StoreStatus(GDIP(GdipGetDpiY)(graphics_, &dpi));
    return dpi;
}

bool Graphics::TransformPoints(int destSpace, int srcSpace, std::vector<PointF>& points) const {
    return StoreStatus(GDIP(GdipTransformPoints)(graphics_, AsSpace(destSpace), AsSpace(srcSpace), RunOf(points),
                                                 CountOf(points)));
}

bool Graphics::TransformPointsI(int destSpace, int srcSpace, std::vector<Point>& points) const {
    return StoreStatus(GDIP(GdipTransformPointsI)(graphics_, AsSpace(destSpace), AsSpace(srcSpace), RunOf(points),
                                                  CountOf(points)));
}

Argb Graphics::GetNearestColor(Argb colour) const {
    Gdiplus::ARGB nearest = colour;
    StoreStatus(GDIP(GdipGetNearestColor)(graphics_, &nearest));
    return nearest;
}

bool Graphics::SetClipGraphics(const Graphics& source, int mode) {
    return StoreStatus(GDIP(GdipSetClipGraphics)(graphics_, source.graphics_, CombineModeOf(mode)));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int mode) {
    return StoreStatus(GDIP(GdipSetClipPath)(graphics_, path.NativePath(), CombineModeOf(mode)));
}

bool Graphics::SetClipRect(float x, float y, float width, float height, int mode) {
    return StoreStatus(GDIP(GdipSetClipRect)(graphics_, x, y, width, height, CombineModeOf(mode)));
}

bool Graphics::SetClipRectI(int x, int y, int width, int height, int mode) {
    return StoreStatus(GDIP(GdipSetClipRectI)(graphics_, x, y, width, height, CombineModeOf(mode)));
}

bool Graphics::SetClipRegion(const Region& region, int mode) {
    return StoreStatus(GDIP(GdipSetClipRegion)(graphics_, region.NativeRegion(), CombineModeOf(mode)));
}

bool Graphics::SetClipHrgn(HRGN hrgn, int mode) {
    return StoreStatus(GDIP(GdipSetClipHrgn)(graphics_, hrgn, CombineModeOf(mode)));
}

bool Graphics::ResetClip() { return StoreStatus(GDIP(GdipResetClip)(graphics_)); }

bool Graphics::TranslateClip(float dx, float dy) { return StoreStatus(GDIP(GdipTranslateClip)(graphics_, dx, dy)); }

bool Graphics::TranslateClipI(int dx, int dy) { return StoreStatus(GDIP(GdipTranslateClipI)(graphics_, dx, dy)); }

bool Graphics::GetClip(Region& region) const {
    return StoreStatus(GDIP(GdipGetClip)(graphics_, region.NativeRegion()));
}

RectF Graphics::GetClipBounds() const {
    RectF bounds;
    StoreStatus(GDIP(GdipGetClipBounds)(graphics_, AsGdiplus(&bounds)));
    return bounds;
}

Rect Graphics::GetClipBoundsI() const {
    Rect bounds;
    StoreStatus(GDIP(GdipGetClipBoundsI)(graphics_, AsGdiplus(&bounds)));
    return bounds;
}

RectF Graphics::GetVisibleClipBounds() const {
    RectF bounds;
    StoreStatus(GDIP(GdipGetVisibleClipBounds)(graphics_, AsGdiplus(&bounds)));
    return bounds;
}

Rect Graphics::GetVisibleClipBoundsI() const {
    Rect bounds;
    StoreStatus(GDIP(GdipGetVisibleClipBoundsI)(graphics_, AsGdiplus(&bounds)));
    return bounds;
}

bool Graphics::IsClipEmpty() const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsClipEmpty)(graphics_, &out));
    return out != FALSE;
}

bool Graphics::IsVisibleClipEmpty() const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleClipEmpty)(graphics_, &out));
    return out != FALSE;
}

bool Graphics::IsVisiblePoint(float x, float y) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisiblePoint)(graphics_, x, y, &out));
    return out != FALSE;
}

bool Graphics::IsVisiblePointI(int x, int y) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisiblePointI)(graphics_, x, y, &out));
    return out != FALSE;
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRect)(graphics_, x, y, width, height, &out));
    return out != FALSE;
}

bool Graphics::IsVisibleRectI(int x, int y, int width, int height) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRectI)(graphics_, x, y, width, height, &out));
    return out != FALSE;
}

int Graphics::SaveGraphics() {
    Gdiplus::GraphicsState state = 0;
    StoreStatus(GDIP(GdipSaveGraphics)(graphics_, &state));
    return static_cast<int>(state);
}

bool Graphics::RestoreGraphics(int state) {
    return StoreStatus(GDIP(GdipRestoreGraphics)(graphics_, static_cast<Gdiplus::GraphicsState>(state)));
}

int Graphics::BeginContainer(const RectF& destination, const RectF& source, int unit) {
    Gdiplus::GraphicsContainer state = 0;
    StoreStatus(GDIP(GdipBeginContainer)(graphics_, AsGdiplus(&destination), AsGdiplus(&source),
                                         static_cast<Gdiplus::Unit>(unit), &state));
    return static_cast<int>(state);
}

int Graphics::BeginContainerI(const Rect& destination, const Rect& source, int unit) {
    Gdiplus::GraphicsContainer state = 0;
    StoreStatus(GDIP(GdipBeginContainerI)(graphics_, AsGdiplus(&destination), AsGdiplus(&source),
                                          static_cast<Gdiplus::Unit>(unit), &state));
    return static_cast<int>(state);
}

int Graphics::BeginContainer2() {
    Gdiplus::GraphicsContainer state = 0;
    StoreStatus(GDIP(GdipBeginContainer2)(graphics_, &state));
    return static_cast<int>(state);
}

bool Graphics::EndContainer(int state) {
    return StoreStatus(GDIP(GdipEndContainer)(graphics_, static_cast<Gdiplus::GraphicsContainer>(state)));
}

bool Graphics::Comment(const ByteBlock& data) {
    return StoreStatus(GDIP(GdipComment)(graphics_, static_cast<UINT>(data.size()),
                                         data.empty() ? nullptr : data.data()));
}

}  // namespace gdiplus
