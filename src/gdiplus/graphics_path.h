// GraphicsPath: figures of lines, curves, shapes and text outlines that can be
// transformed, flattened, widened, warped, hit-tested and read back.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gdiplus/matrix.h"
#include "gdiplus/object.h"
#include "gdiplus/pen.h"
#include "gdiplus/records.h"
#include "gdiplus/string_format.h"

namespace gdiplus {

class FontFamily;
class Graphics;

// A path read back: one GDI+ point-type byte per point.
struct PathData {
    int count = 0;
    std::vector<PointF> points;
    ByteBlock types;
};

inline constexpr float kDefaultFlatness = 0.25f;

class GraphicsPath : public GdiPlusObject {
public:
    GraphicsPath() = default;
    ~GraphicsPath() override;

    Gdiplus::GpPath* NativePath() const { return path_; }

    bool DeletePath();
    // fillMode: 0 alternate, 1 winding.
    bool CreatePath(int fillMode = 0);
    // The count is that of `types`.
    bool CreatePath2(const std::vector<PointF>& points, const ByteBlock& types, int fillMode = 0);
    // The count is that of `points`.
    bool CreatePath2I(const std::vector<Point>& points, const ByteBlock& types, int fillMode = 0);
    bool ClonePath(GraphicsPath& target) const;

    bool ResetPath();
    int GetPathFillMode() const;
    bool SetPathFillMode(int fillMode);
    // False, `data` untouched except for emptied arrays, when the path has no points.
    bool GetPathData(PathData& data) const;
    // An omitted count is the path's point count; a given one must not be negative.
    bool GetPathTypes(ByteBlock& types, std::optional<int> count = std::nullopt) const;
    bool GetPathPoints(std::vector<PointF>& points, std::optional<int> count = std::nullopt) const;

    bool StartPathFigure();
    bool ClosePathFigure();
    bool ClosePathFigures();
    bool SetPathMarker();
    bool ClearPathMarkers();
    bool ReversePath();
    PointF GetPathLastPoint() const;

    bool AddPathLine(float x1, float y1, float x2, float y2);
    bool AddPathLineI(int x1, int y1, int x2, int y2);
    bool AddPathLine2(const std::vector<PointF>& points);
    bool AddPathLine2I(const std::vector<Point>& points);
    bool AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddPathBeziers(const std::vector<PointF>& points);
    bool AddPathBeziersI(const std::vector<Point>& points);
    bool AddPathCurve(const std::vector<PointF>& points);
    bool AddPathCurve2(const std::vector<PointF>& points, float tension);
    bool AddPathCurve3(const std::vector<PointF>& points, int offset, int numberOfSegments, float tension);
    bool AddPathCurveI(const std::vector<Point>& points);
    bool AddPathCurve2I(const std::vector<Point>& points, float tension);
    bool AddPathCurve3I(const std::vector<Point>& points, int offset, int numberOfSegments, float tension);
    bool AddPathClosedCurve(const std::vector<PointF>& points);
    bool AddPathClosedCurve2(const std::vector<PointF>& points, float tension);
    bool AddPathClosedCurveI(const std::vector<Point>& points);
    bool AddPathClosedCurve2I(const std::vector<Point>& points, float tension);
    bool AddPathRectangle(float x, float y, float width, float height);
    bool AddPathRectangles(const std::vector<RectF>& rects);
    bool AddPathRectangleI(int x, int y, int width, int height);
    bool AddPathRectanglesI(const std::vector<Rect>& rects);
    bool AddPathEllipse(float x, float y, float width, float height);
    bool AddPathEllipseI(int x, int y, int width, int height);
    bool AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathPolygon(const std::vector<PointF>& points);
    bool AddPathPolygonI(const std::vector<Point>& points);
    bool AddPathPath(const GraphicsPath& addingPath, bool connect = false);
    // style is a GDI+ font style.
    bool AddPathString(const TextValue& text, const FontFamily& family, int emSize,
                       const RectF& layoutRect = RectF(), int style = 0,
                       const StringFormat* format = nullptr);
    bool AddPathStringI(const TextValue& text, const FontFamily& family, int emSize,
                        const Rect& layoutRect = Rect(), int style = 0,
                        const StringFormat* format = nullptr);

    bool TransformPath(const Matrix& matrix);
    bool FlattenPath(const Matrix* matrix = nullptr, float flatness = kDefaultFlatness);
    bool WidenPath(const Pen& pen, const Matrix* matrix = nullptr, float flatness = kDefaultFlatness);
    bool WindingModeOutline(const Matrix* matrix = nullptr, float flatness = kDefaultFlatness);
    // warpMode: 0 perspective, 1 bilinear.
    bool WarpPath(const std::vector<PointF>& destPoints, const RectF& srcRect,
                  const Matrix* matrix = nullptr, int warpMode = 0,
                  float flatness = kDefaultFlatness);

    int GetPointCount() const;
    RectF GetPathWorldBounds(const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;
    bool IsVisiblePathPoint(float x, float y, const Graphics* graphics = nullptr) const;
    bool IsVisiblePathPointI(int x, int y, const Graphics* graphics = nullptr) const;
    bool IsOutlineVisiblePathPoint(float x, float y, const Pen& pen,
                                   const Graphics* graphics = nullptr) const;
    bool IsOutlineVisiblePathPointI(int x, int y, const Pen& pen,
                                    const Graphics* graphics = nullptr) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpPath* path_ = nullptr;
};

}  // namespace gdiplus
