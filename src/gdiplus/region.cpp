#include "gdiplus/region.h"

#include <algorithm>
#include <string>

#include "gdiplus/flat_arguments.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/matrix.h"
#include "gdiplus/record_runs.h"

namespace gdiplus {

namespace {

GpStatus ScansInto(Gdiplus::GpRegion* region, Gdiplus::GpRectF* rects, INT* count, Gdiplus::GpMatrix* matrix) {
    return GDIP(GdipGetRegionScans)(region, rects, count, matrix);
}
GpStatus ScansInto(Gdiplus::GpRegion* region, Gdiplus::GpRect* rects, INT* count, Gdiplus::GpMatrix* matrix) {
    return GDIP(GdipGetRegionScansI)(region, rects, count, matrix);
}

// The scan rectangles, in floats or integers after the overload above.
template <typename Record>
int Scans(Gdiplus::GpRegion* region, Gdiplus::GpMatrix* matrix, std::vector<Record>& rects) {
    UINT expected = 0;
    if (!StoreStatus(GDIP(GdipGetRegionScansCount)(region, &expected, matrix))) {
        return 0;
    }
    rects.assign(expected, Record{});
    INT count = static_cast<INT>(expected);
    GpStatus status = ScansInto(region, RunOf(rects), &count, matrix);
    StoreStatus(status);
    return count;
}

}  // namespace

Region::~Region() { Region::DeleteRegion(); }

void Region::OnHandleSet(void* handle) {
    region_ = static_cast<Gdiplus::GpRegion*>(handle);
}

bool Region::DeleteRegion() {
    return ReleaseWith(region_, GDIP(GdipDeleteRegion));
}

bool Region::CreateRegion() {
    return FinishCreate(GDIP(GdipCreateRegion)(&region_), region_);
}

bool Region::CreateRegionRect(const RectF& rect) {
    return FinishCreate(GDIP(GdipCreateRegionRect)(AsGdiplus(&rect), &region_), region_);
}

bool Region::CreateRegionRectI(const Rect& rect) {
    return FinishCreate(GDIP(GdipCreateRegionRectI)(AsGdiplus(&rect), &region_), region_);
}

bool Region::CreateRegionPath(const GraphicsPath& path) {
    return FinishCreate(GDIP(GdipCreateRegionPath)(path.NativePath(), &region_), region_);
}

bool Region::CreateRegionHrgn(HRGN hrgn) {
    return FinishCreate(GDIP(GdipCreateRegionHrgn)(hrgn, &region_), region_);
}

bool Region::CreateRegionRgnData(const ByteBlock& data, int size) {
    // A size beyond the block would let GDI+ read past it.
    int readable = std::min<int>(size, static_cast<int>(data.size()));
    return FinishCreate(GDIP(GdipCreateRegionRgnData)(data.empty() ? nullptr : data.data(), readable, &region_),
                        region_);
}

bool Region::CloneRegion(Region& target) const {
    Gdiplus::GpRegion* out = nullptr;
    return Produce(GDIP(GdipCloneRegion)(region_, &out), target, out);
}

bool Region::SetInfinite() { return StoreStatus(GDIP(GdipSetInfinite)(region_)); }

bool Region::SetEmpty() { return StoreStatus(GDIP(GdipSetEmpty)(region_)); }

bool Region::CombineRegionRect(const RectF& rect, int mode) {
    return StoreStatus(GDIP(GdipCombineRegionRect)(region_, AsGdiplus(&rect), CombineModeOf(mode)));
}

bool Region::CombineRegionRectI(const Rect& rect, int mode) {
    return StoreStatus(GDIP(GdipCombineRegionRectI)(region_, AsGdiplus(&rect), CombineModeOf(mode)));
}

bool Region::CombineRegionRegion(const Region& other, int mode) {
    return StoreStatus(GDIP(GdipCombineRegionRegion)(region_, other.region_, CombineModeOf(mode)));
}

bool Region::CombineRegionPath(const GraphicsPath& path, int mode) {
    return StoreStatus(GDIP(GdipCombineRegionPath)(region_, path.NativePath(), CombineModeOf(mode)));
}

bool Region::TranslateRegion(float dx, float dy) { return StoreStatus(GDIP(GdipTranslateRegion)(region_, dx, dy)); }

bool Region::TranslateRegionI(int dx, int dy) { return StoreStatus(GDIP(GdipTranslateRegionI)(region_, dx, dy)); }

bool Region::TransformRegion(const Matrix& matrix) {
    return StoreStatus(GDIP(GdipTransformRegion)(region_, matrix.NativeMatrix()));
}

RectF Region::GetRegionBounds(const Graphics& graphics) const {
    RectF bounds;
    StoreStatus(GDIP(GdipGetRegionBounds)(region_, graphics.NativeGraphics(), AsGdiplus(&bounds)));
    return bounds;
}

Rect Region::GetRegionBoundsI(const Graphics& graphics) const {
    Rect bounds;
    StoreStatus(GDIP(GdipGetRegionBoundsI)(region_, graphics.NativeGraphics(), AsGdiplus(&bounds)));
    return bounds;
}

int Region::GetRegionDataSize() const {
    UINT size = 0;
    StoreStatus(GDIP(GdipGetRegionDataSize)(region_, &size));
    return static_cast<int>(size);
}

ByteBlock Region::GetRegionData(int bufferSize, int* sizeFilled) const {
    if (bufferSize < 0) {
        FatalError("GetRegionData: negative buffer size " + std::to_string(bufferSize));
    }
    ByteBlock data(static_cast<std::size_t>(bufferSize), 0);
    UINT filled = 0;
    StoreStatus(GDIP(GdipGetRegionData)(region_, data.empty() ? nullptr : data.data(),
                                        static_cast<UINT>(bufferSize), sizeFilled != nullptr ? &filled : nullptr));
    if (sizeFilled != nullptr) {
        *sizeFilled = static_cast<int>(filled);
    }
    return data;
}

HRGN Region::GetRegionHRgn(const Graphics& graphics) const {
    HRGN hrgn = nullptr;
    StoreStatus(GDIP(GdipGetRegionHRgn)(region_, graphics.NativeGraphics(), &hrgn));
    return hrgn;
}

bool Region::IsEmptyRegion(const Graphics& graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsEmptyRegion)(region_, graphics.NativeGraphics(), &out));
    return out != FALSE;
}

bool Region::IsInfiniteRegion(const Graphics& graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsInfiniteRegion)(region_, graphics.NativeGraphics(), &out));
    return out != FALSE;
}

bool Region::IsEqualRegion(const Region& other, const Graphics& graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsEqualRegion)(region_, other.region_, graphics.NativeGraphics(), &out));
    return out != FALSE;
}

bool Region::IsVisibleRegionPoint(const PointF& point, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRegionPoint)(region_, point.x, point.y, HandleOf<Gdiplus::GpGraphics>(graphics),
                                               &out));
    return out != FALSE;
}

bool Region::IsVisibleRegionPointI(const Point& point, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRegionPointI)(region_, point.x, point.y, HandleOf<Gdiplus::GpGraphics>(graphics),
                                                &out));
    return out != FALSE;
}

bool Region::IsVisibleRegionRect(const RectF& rect, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRegionRect)(region_, rect.x, rect.y, rect.width, rect.height,
                                              HandleOf<Gdiplus::GpGraphics>(graphics), &out));
    return out != FALSE;
}

bool Region::IsVisibleRegionRectI(const Rect& rect, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisibleRegionRectI)(region_, rect.x, rect.y, rect.width, rect.height,
                                               HandleOf<Gdiplus::GpGraphics>(graphics), &out));
    return out != FALSE;
}

int Region::GetRegionScansCount(const Matrix& matrix) const {
    UINT count = 0;
    StoreStatus(GDIP(GdipGetRegionScansCount)(region_, &count, matrix.NativeMatrix()));
    return static_cast<int>(count);
}

int Region::GetRegionScans(const Matrix& matrix, std::vector<RectF>& rects) const {
    return Scans(region_, matrix.NativeMatrix(), rects);
}

int Region::GetRegionScansI(const Matrix& matrix, std::vector<Rect>& rects) const {
    return Scans(region_, matrix.NativeMatrix(), rects);
}

}  // namespace gdiplus
