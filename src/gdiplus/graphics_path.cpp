#include "gdiplus/graphics_path.h"

#include "gdiplus/flat_arguments.h"
#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"

namespace gdiplus {

namespace {

// The layout GDI+ reads and fills for a path's data.
struct NativePathData {
    INT count = 0;
    Gdiplus::PointF* points = nullptr;
    BYTE* types = nullptr;
};

// An omitted count is the path's own; false when the path has none or the
// question fails. A given count must not be negative.
bool ResolveCount(Gdiplus::GpPath* path, std::optional<int> given, INT& count) {
    if (given.has_value()) {
        if (*given < 0) {
            FatalError("a negative count was asked of a path");
        }
        count = *given;
        return true;
    }
    count = 0;
    return StoreStatus(GDIP(GdipGetPointCount)(path, &count)) && count != 0;
}

}  // namespace

GraphicsPath::~GraphicsPath() { GraphicsPath::DeletePath(); }

void GraphicsPath::OnHandleSet(void* handle) { path_ = static_cast<Gdiplus::GpPath*>(handle); }

bool GraphicsPath::DeletePath() { return ReleaseWith(path_, GDIP(GdipDeletePath)); }

bool GraphicsPath::CreatePath(int fillMode) {
    return FinishCreate(GDIP(GdipCreatePath)(FillModeOf(fillMode), &path_), path_);
}

bool GraphicsPath::CreatePath2(const std::vector<PointF>& points, const ByteBlock& types,
                               int fillMode) {
    // The types give the count: GDI+ would read past fewer points.
    if (points.size() < types.size()) return StoreStatus(Gdiplus::InvalidParameter);
    return FinishCreate(GDIP(GdipCreatePath2)(RunOf(points), types.data(),
                                              CountOf(types), FillModeOf(fillMode), &path_),
                        path_);
}

bool GraphicsPath::CreatePath2I(const std::vector<Point>& points, const ByteBlock& types,
                                int fillMode) {
    // The points give the count: GDI+ would read past fewer types.
    if (types.size() < points.size()) return StoreStatus(Gdiplus::InvalidParameter);
    return FinishCreate(GDIP(GdipCreatePath2I)(RunOf(points), types.data(),
                                               CountOf(points), FillModeOf(fillMode), &path_),
                        path_);
}

bool GraphicsPath::ClonePath(GraphicsPath& target) const {
    Gdiplus::GpPath* out = nullptr;
    return Produce(GDIP(GdipClonePath)(path_, &out), target, out);
}

bool GraphicsPath::ResetPath() { return StoreStatus(GDIP(GdipResetPath)(path_)); }

int GraphicsPath::GetPathFillMode() const {
    Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate;
    StoreStatus(GDIP(GdipGetPathFillMode)(path_, &fillMode));
    return static_cast<int>(fillMode);
}

bool GraphicsPath::SetPathFillMode(int fillMode) {
    return StoreStatus(GDIP(GdipSetPathFillMode)(path_, FillModeOf(fillMode)));
}

bool GraphicsPath::GetPathData(PathData& data) const {
    INT count = 0;
    if (!StoreStatus(GDIP(GdipGetPointCount)(path_, &count))) {
        return false;
    }
    data.points.assign(count > 0 ? count : 0, PointF());
    data.types.assign(count > 0 ? count : 0, 0);
    if (count <= 0) {
        return false;
    }
    std::vector<PointF> points(count);
    ByteBlock types(count, 0);
    NativePathData native;
    native.count = count;
    native.points = RunOf(points);
    native.types = types.data();
    if (!StoreStatus(GDIP(GdipGetPathData)(path_, reinterpret_cast<Gdiplus::GpPathData*>(&native)))) {
        return false;
    }
    data.count = native.count;
    data.points = std::move(points);
    data.types = std::move(types);
    return true;
}

bool GraphicsPath::GetPathTypes(ByteBlock& types, std::optional<int> count) const {
    INT n = 0;
    if (!ResolveCount(path_, count, n)) {
        return false;
    }
    types.assign(n, 0);
    return StoreStatus(GDIP(GdipGetPathTypes)(path_, types.data(), n));
}

bool GraphicsPath::GetPathPoints(std::vector<PointF>& points, std::optional<int> count) const {
    INT n = 0;
    if (!ResolveCount(path_, count, n)) {
        return false;
    }
    points.assign(n, PointF());
    return StoreStatus(GDIP(GdipGetPathPoints)(path_, RunOf(points), n));
}

bool GraphicsPath::StartPathFigure() { return StoreStatus(GDIP(GdipStartPathFigure)(path_)); }
bool GraphicsPath::ClosePathFigure() { return StoreStatus(GDIP(GdipClosePathFigure)(path_)); }
bool GraphicsPath::ClosePathFigures() { return StoreStatus(GDIP(GdipClosePathFigures)(path_)); }
bool GraphicsPath::SetPathMarker() { return StoreStatus(GDIP(GdipSetPathMarker)(path_)); }
bool GraphicsPath::ClearPathMarkers() { return StoreStatus(GDIP(GdipClearPathMarkers)(path_)); }
bool GraphicsPath::ReversePath() { return StoreStatus(GDIP(GdipReversePath)(path_)); }

PointF GraphicsPath::GetPathLastPoint() const {
    PointF point;
    StoreStatus(GDIP(GdipGetPathLastPoint)(path_, AsGdiplus(&point)));
    return point;
}

bool GraphicsPath::AddPathLine(float x1, float y1, float x2, float y2) {
    return StoreStatus(GDIP(GdipAddPathLine)(path_, x1, y1, x2, y2));
}

bool GraphicsPath::AddPathLineI(int x1, int y1, int x2, int y2) {
    return StoreStatus(GDIP(GdipAddPathLineI)(path_, x1, y1, x2, y2));
}

bool GraphicsPath::AddPathLine2(const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipAddPathLine2)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathLine2I(const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipAddPathLine2I)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathArc(float x, float y, float width, float height, float startAngle,
                              float sweepAngle) {
    return StoreStatus(GDIP(GdipAddPathArc)(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddPathArcI(int x, int y, int width, int height, float startAngle,
                               float sweepAngle) {
    return StoreStatus(GDIP(GdipAddPathArcI)(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3,
                                 float x4, float y4) {
    return StoreStatus(GDIP(GdipAddPathBezier)(path_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsPath::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return StoreStatus(GDIP(GdipAddPathBezierI)(path_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsPath::AddPathBeziers(const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipAddPathBeziers)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathBeziersI(const std::vector<Point>& points) {
    return StoreStatus(
        GDIP(GdipAddPathBeziersI)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathCurve(const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipAddPathCurve)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathCurve2(const std::vector<PointF>& points, float tension) {
    return StoreStatus(
        GDIP(GdipAddPathCurve2)(path_, RunOf(points), CountOf(points), tension));
}

bool GraphicsPath::AddPathCurve3(const std::vector<PointF>& points, int offset,
                                 int numberOfSegments, float tension) {
    return StoreStatus(GDIP(GdipAddPathCurve3)(path_, RunOf(points), CountOf(points),
                                               offset, numberOfSegments, tension));
}

bool GraphicsPath::AddPathCurveI(const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipAddPathCurveI)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathCurve2I(const std::vector<Point>& points, float tension) {
    return StoreStatus(
        GDIP(GdipAddPathCurve2I)(path_, RunOf(points), CountOf(points), tension));
}

bool GraphicsPath::AddPathCurve3I(const std::vector<Point>& points, int offset,
                                  int numberOfSegments, float tension) {
    return StoreStatus(GDIP(GdipAddPathCurve3I)(path_, RunOf(points), CountOf(points),
                                                offset, numberOfSegments, tension));
}

bool GraphicsPath::AddPathClosedCurve(const std::vector<PointF>& points) {
    return StoreStatus(
        GDIP(GdipAddPathClosedCurve)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathClosedCurve2(const std::vector<PointF>& points, float tension) {
    return StoreStatus(
        GDIP(GdipAddPathClosedCurve2)(path_, RunOf(points), CountOf(points), tension));
}

bool GraphicsPath::AddPathClosedCurveI(const std::vector<Point>& points) {
    return StoreStatus(
        GDIP(GdipAddPathClosedCurveI)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathClosedCurve2I(const std::vector<Point>& points, float tension) {
    return StoreStatus(GDIP(GdipAddPathClosedCurve2I)(path_, RunOf(points),
                                                      CountOf(points), tension));
}

bool GraphicsPath::AddPathRectangle(float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipAddPathRectangle)(path_, x, y, width, height));
}

bool GraphicsPath::AddPathRectangles(const std::vector<RectF>& rects) {
    return StoreStatus(
        GDIP(GdipAddPathRectangles)(path_, RunOf(rects), CountOf(rects)));
}

bool GraphicsPath::AddPathRectangleI(int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipAddPathRectangleI)(path_, x, y, width, height));
}

bool GraphicsPath::AddPathRectanglesI(const std::vector<Rect>& rects) {
    return StoreStatus(
        GDIP(GdipAddPathRectanglesI)(path_, RunOf(rects), CountOf(rects)));
}

bool GraphicsPath::AddPathEllipse(float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipAddPathEllipse)(path_, x, y, width, height));
}

bool GraphicsPath::AddPathEllipseI(int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipAddPathEllipseI)(path_, x, y, width, height));
}

bool GraphicsPath::AddPathPieI(int x, int y, int width, int height, float startAngle,
                               float sweepAngle) {
    return StoreStatus(GDIP(GdipAddPathPieI)(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddPathPolygon(const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipAddPathPolygon)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathPolygonI(const std::vector<Point>& points) {
    return StoreStatus(
        GDIP(GdipAddPathPolygonI)(path_, RunOf(points), CountOf(points)));
}

bool GraphicsPath::AddPathPath(const GraphicsPath& addingPath, bool connect) {
    return StoreStatus(GDIP(GdipAddPathPath)(path_, addingPath.path_, connect));
}

bool GraphicsPath::AddPathString(const TextValue& text, const FontFamily& family, int emSize,
                                 const RectF& layoutRect, int style, const StringFormat* format) {
    std::wstring wide = TextToWide(text);
    return StoreStatus(GDIP(GdipAddPathString)(
        path_, wide.c_str(), LengthOf(wide), HandleOf<Gdiplus::GpFontFamily>(family),
        style, static_cast<float>(emSize), AsGdiplus(&layoutRect),
        HandleOf<Gdiplus::GpStringFormat>(format)));
}

bool GraphicsPath::AddPathStringI(const TextValue& text, const FontFamily& family, int emSize,
                                  const Rect& layoutRect, int style, const StringFormat* format) {
    std::wstring wide = TextToWide(text);
    return StoreStatus(GDIP(GdipAddPathStringI)(
        path_, wide.c_str(), LengthOf(wide), HandleOf<Gdiplus::GpFontFamily>(family),
        style, static_cast<float>(emSize), AsGdiplus(&layoutRect),
        HandleOf<Gdiplus::GpStringFormat>(format)));
}

bool GraphicsPath::TransformPath(const Matrix& matrix) {
    return StoreStatus(GDIP(GdipTransformPath)(path_, matrix.NativeMatrix()));
}

bool GraphicsPath::FlattenPath(const Matrix* matrix, float flatness) {
    return StoreStatus(GDIP(GdipFlattenPath)(path_, HandleOf<Gdiplus::GpMatrix>(matrix), flatness));
}

bool GraphicsPath::WidenPath(const Pen& pen, const Matrix* matrix, float flatness) {
    return StoreStatus(GDIP(GdipWidenPath)(path_, pen.NativePen(),
                                           HandleOf<Gdiplus::GpMatrix>(matrix), flatness));
}

bool GraphicsPath::WindingModeOutline(const Matrix* matrix, float flatness) {
    return StoreStatus(
        GDIP(GdipWindingModeOutline)(path_, HandleOf<Gdiplus::GpMatrix>(matrix), flatness));
}

bool GraphicsPath::WarpPath(const std::vector<PointF>& destPoints, const RectF& srcRect,
                            const Matrix* matrix, int warpMode, float flatness) {
    return StoreStatus(GDIP(GdipWarpPath)(
        path_, HandleOf<Gdiplus::GpMatrix>(matrix), RunOf(destPoints),
        CountOf(destPoints), srcRect.x, srcRect.y, srcRect.width, srcRect.height,
        static_cast<Gdiplus::WarpMode>(warpMode), flatness));
}

int GraphicsPath::GetPointCount() const {
    INT count = 0;
    StoreStatus(GDIP(GdipGetPointCount)(path_, &count));
    return count;
}

RectF GraphicsPath::GetPathWorldBounds(const Matrix* matrix, const Pen* pen) const {
    RectF bounds;
    StoreStatus(GDIP(GdipGetPathWorldBounds)(path_, AsGdiplus(&bounds),
                                             HandleOf<Gdiplus::GpMatrix>(matrix),
                                             HandleOf<Gdiplus::GpPen>(pen)));
    return bounds;
}

bool GraphicsPath::IsVisiblePathPoint(float x, float y, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisiblePathPoint)(path_, x, y, HandleOf<Gdiplus::GpGraphics>(graphics),
                                             &out));
    return out != FALSE;
}

bool GraphicsPath::IsVisiblePathPointI(int x, int y, const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsVisiblePathPointI)(path_, x, y,
                                              HandleOf<Gdiplus::GpGraphics>(graphics), &out));
    return out != FALSE;
}

bool GraphicsPath::IsOutlineVisiblePathPoint(float x, float y, const Pen& pen,
                                             const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsOutlineVisiblePathPoint)(
        path_, x, y, pen.NativePen(), HandleOf<Gdiplus::GpGraphics>(graphics), &out));
    return out != FALSE;
}

bool GraphicsPath::IsOutlineVisiblePathPointI(int x, int y, const Pen& pen,
                                              const Graphics* graphics) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsOutlineVisiblePathPointI)(
        path_, x, y, pen.NativePen(), HandleOf<Gdiplus::GpGraphics>(graphics), &out));
    return out != FALSE;
}

}  // namespace gdiplus
