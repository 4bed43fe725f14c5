// Region: an area built from rectangles, paths, region data or a GDI region,
// combined, transformed and queried.
#pragma once

#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

class Graphics;
class GraphicsPath;
class Matrix;

class Region : public GdiPlusObject {
public:
    Region() = default;
    ~Region() override;

    Gdiplus::GpRegion* NativeRegion() const { return region_; }

    bool DeleteRegion();
    // An infinite region.
    bool CreateRegion();
    bool CreateRegionRect(const RectF& rect);
    bool CreateRegionRectI(const Rect& rect);
    bool CreateRegionPath(const GraphicsPath& path);
    bool CreateRegionHrgn(HRGN hrgn);
    // GDI+ reads at most the block's own bytes, whatever `size` says.
    bool CreateRegionRgnData(const ByteBlock& data, int size);
    bool CloneRegion(Region& target) const;

    bool SetInfinite();
    bool SetEmpty();
    // mode: GDI+ CombineMode; omitted it intersects.
    bool CombineRegionRect(const RectF& rect, int mode = 1);
    bool CombineRegionRectI(const Rect& rect, int mode = 1);
    bool CombineRegionRegion(const Region& other, int mode = 1);
    bool CombineRegionPath(const GraphicsPath& path, int mode = 1);
    bool TranslateRegion(float dx, float dy);
    bool TranslateRegionI(int dx, int dy);
    bool TransformRegion(const Matrix& matrix);

    RectF GetRegionBounds(const Graphics& graphics) const;
    Rect GetRegionBoundsI(const Graphics& graphics) const;
    int GetRegionDataSize() const;
    // A block of bufferSize bytes as GDI+ filled it, returned also on failure.
    ByteBlock GetRegionData(int bufferSize, int* sizeFilled = nullptr) const;
    // The caller owns the returned GDI region.
    HRGN GetRegionHRgn(const Graphics& graphics) const;
    bool IsEmptyRegion(const Graphics& graphics) const;
    bool IsInfiniteRegion(const Graphics& graphics) const;
    bool IsEqualRegion(const Region& other, const Graphics& graphics) const;
    bool IsVisibleRegionPoint(const PointF& point, const Graphics* graphics = nullptr) const;
    bool IsVisibleRegionPointI(const Point& point, const Graphics* graphics = nullptr) const;
    bool IsVisibleRegionRect(const RectF& rect, const Graphics* graphics = nullptr) const;
    bool IsVisibleRegionRectI(const Rect& rect, const Graphics* graphics = nullptr) const;

    int GetRegionScansCount(const Matrix& matrix) const;
    // Replaces `rects` by the region's scan rectangles and returns their
    // number; when the count cannot be had, returns 0 and leaves `rects`.
    int GetRegionScans(const Matrix& matrix, std::vector<RectF>& rects) const;
    int GetRegionScansI(const Matrix& matrix, std::vector<Rect>& rects) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpRegion* region_ = nullptr;
};

}  // namespace gdiplus
