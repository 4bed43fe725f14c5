#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "child_process.h"
#include "gdiplus/bitmap.h"
#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"

namespace gdiplus {
namespace {

constexpr std::uint8_t kStart = 0, kLine = 1, kBezier = 3, kMarker = 0x20, kClose = 0x80;

void ExpectRectNear(const RectF& got, const RectF& want, float tolerance = 0.01f) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.width, want.width, tolerance);
    EXPECT_NEAR(got.height, want.height, tolerance);
}

std::vector<PointF> PointsOf(const GraphicsPath& path) {
    std::vector<PointF> points;
    path.GetPathPoints(points);
    return points;
}

ByteBlock TypesOf(const GraphicsPath& path) {
    ByteBlock types;
    path.GetPathTypes(types);
    return types;
}

TEST(PathCreate, FillModes) {
    GraphicsPath alternate, winding;
    ASSERT_TRUE(alternate.CreatePath());
    EXPECT_EQ(alternate.GetPathFillMode(), Gdiplus::FillModeAlternate);
    ASSERT_TRUE(winding.CreatePath(Gdiplus::FillModeWinding));
    EXPECT_EQ(winding.GetPathFillMode(), Gdiplus::FillModeWinding);
    ASSERT_TRUE(winding.SetPathFillMode(Gdiplus::FillModeAlternate));
    EXPECT_EQ(winding.GetPathFillMode(), Gdiplus::FillModeAlternate);
}

TEST(PathCreate, FromPointsAndTypes) {
    const ByteBlock types = {kStart, kLine, kLine | kClose};
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath2({{0, 0}, {10, 0}, {10, 5}}, types, Gdiplus::FillModeWinding));
    EXPECT_EQ(path.GetPointCount(), 3);
    EXPECT_EQ(path.GetPathFillMode(), Gdiplus::FillModeWinding);
    EXPECT_EQ(TypesOf(path), types);
    std::vector<PointF> points = PointsOf(path);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[2].x, 10);
    EXPECT_FLOAT_EQ(points[2].y, 5);

    GraphicsPath ints;
    ASSERT_TRUE(ints.CreatePath2I({{0, 0}, {10, 0}, {10, 5}}, types));
    EXPECT_EQ(ints.GetPointCount(), 3);
    EXPECT_EQ(TypesOf(ints), types);

    // The counted array longer than the other would be read past: refused.
    GraphicsPath refused;
    EXPECT_FALSE(refused.CreatePath2({{0, 0}, {10, 0}}, types));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(refused.CreatePath2I({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, types));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(refused.GetHandle(), nullptr);
}

TEST(PathData, ReadBackOfARectangle) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangle(1, 2, 10, 20));
    PathData data;
    data.points.resize(9);
    ASSERT_TRUE(path.GetPathData(data));
    EXPECT_EQ(data.count, 4);
    ASSERT_EQ(data.points.size(), 4u);
    EXPECT_EQ(data.types, (ByteBlock{kStart, kLine, kLine, kLine | kClose}));
    EXPECT_FLOAT_EQ(data.points[2].x, 11);
    EXPECT_FLOAT_EQ(data.points[2].y, 22);
}

TEST(PathData, EmptyPathGivesFalse) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    PathData data;
    data.count = 99;
    data.points.resize(3);
    data.types.resize(3);
    EXPECT_FALSE(path.GetPathData(data));
    EXPECT_EQ(data.count, 99);
    EXPECT_TRUE(data.points.empty());
    EXPECT_TRUE(data.types.empty());

    // Without a path the count query fails and nothing changes.
    GraphicsPath none;
    data.points.resize(2);
    EXPECT_FALSE(none.GetPathData(data));
    EXPECT_EQ(data.points.size(), 2u);
}

TEST(PathData, PointsAndTypesWithAndWithoutCount) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangleI(0, 0, 4, 3));
    std::vector<PointF> points = {{7, 7}};
    ASSERT_TRUE(path.GetPathPoints(points));
    ASSERT_EQ(points.size(), 4u);
    EXPECT_FLOAT_EQ(points[1].x, 4);
    ByteBlock types;
    ASSERT_TRUE(path.GetPathTypes(types, 4));
    EXPECT_EQ(types.size(), 4u);

    GraphicsPath empty;
    ASSERT_TRUE(empty.CreatePath());
    points = {{7, 7}};
    types = {5};
    EXPECT_FALSE(empty.GetPathPoints(points));
    EXPECT_FALSE(empty.GetPathTypes(types));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_FLOAT_EQ(points[0].x, 7);
    EXPECT_EQ(types, ByteBlock{5});
}

TEST(PathData, NegativeCountIsFatal) {
    ChildResult child = RunHelper("shapes_probe.exe", "negative-count");
    EXPECT_EQ(child.exitCode, kFatalExitCode) << child.output;
    EXPECT_EQ(child.output.find("returned"), std::string::npos);
}

// Float and integer forms of each figure build the same points, and the
// figure has the bounds it was asked for.
TEST(PathFigures, FloatAndIntegerFormsAgree) {
    using Add = std::function<bool(GraphicsPath&)>;
    const std::vector<PointF> zigzag = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
    const std::vector<Point> zigzagI = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
    struct Case {
        const char* name;
        Add floats, ints;
        RectF bounds;
    } cases[] = {
        {"line", [](auto& p) { return p.AddPathLine(1, 2, 11, 22); },
         [](auto& p) { return p.AddPathLineI(1, 2, 11, 22); }, {1, 2, 10, 20}},
        {"lines", [&](auto& p) { return p.AddPathLine2(zigzag); },
         [&](auto& p) { return p.AddPathLine2I(zigzagI); }, {0, 0, 30, 10}},
        {"arc", [](auto& p) { return p.AddPathArc(0, 0, 20, 10, 0, 360); },
         [](auto& p) { return p.AddPathArcI(0, 0, 20, 10, 0, 360); }, {0, 0, 20, 10}},
        {"bezier", [](auto& p) { return p.AddPathBezier(0, 0, 10, 0, 20, 0, 30, 0); },
         [](auto& p) { return p.AddPathBezierI(0, 0, 10, 0, 20, 0, 30, 0); }, {0, 0, 30, 0}},
        {"beziers", [&](auto& p) { return p.AddPathBeziers(zigzag); },
         [&](auto& p) { return p.AddPathBeziersI(zigzagI); }, {0, 0, 30, 10}},
        {"curve", [&](auto& p) { return p.AddPathCurve(zigzag); },
         [&](auto& p) { return p.AddPathCurveI(zigzagI); }, {}},
        {"curve tension", [&](auto& p) { return p.AddPathCurve2(zigzag, 0); },
         [&](auto& p) { return p.AddPathCurve2I(zigzagI, 0); }, {0, 0, 30, 10}},
        {"curve segment", [&](auto& p) { return p.AddPathCurve3(zigzag, 1, 1, 0); },
         [&](auto& p) { return p.AddPathCurve3I(zigzagI, 1, 1, 0); }, {10, 0, 10, 10}},
        {"closed curve", [&](auto& p) { return p.AddPathClosedCurve(zigzag); },
         [&](auto& p) { return p.AddPathClosedCurveI(zigzagI); }, {}},
        {"closed curve tension", [&](auto& p) { return p.AddPathClosedCurve2(zigzag, 0); },
         [&](auto& p) { return p.AddPathClosedCurve2I(zigzagI, 0); }, {0, 0, 30, 10}},
        {"rectangle", [](auto& p) { return p.AddPathRectangle(1, 2, 3, 4); },
         [](auto& p) { return p.AddPathRectangleI(1, 2, 3, 4); }, {1, 2, 3, 4}},
        {"rectangles", [](auto& p) { return p.AddPathRectangles({{0, 0, 1, 1}, {5, 5, 2, 3}}); },
         [](auto& p) { return p.AddPathRectanglesI({{0, 0, 1, 1}, {5, 5, 2, 3}}); }, {0, 0, 7, 8}},
        {"ellipse", [](auto& p) { return p.AddPathEllipse(2, 3, 20, 10); },
         [](auto& p) { return p.AddPathEllipseI(2, 3, 20, 10); }, {2, 3, 20, 10}},
        {"polygon", [&](auto& p) { return p.AddPathPolygon(zigzag); },
         [&](auto& p) { return p.AddPathPolygonI(zigzagI); }, {0, 0, 30, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicsPath floats, ints;
        ASSERT_TRUE(floats.CreatePath());
        ASSERT_TRUE(ints.CreatePath());
        ASSERT_TRUE(c.floats(floats));
        ASSERT_TRUE(c.ints(ints));
        std::vector<PointF> a = PointsOf(floats), b = PointsOf(ints);
        ASSERT_FALSE(a.empty());
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_NEAR(a[i].x, b[i].x, 1e-4) << i;
            EXPECT_NEAR(a[i].y, b[i].y, 1e-4) << i;
        }
        EXPECT_EQ(TypesOf(floats), TypesOf(ints));
        if (c.bounds.width > 0 || c.bounds.height > 0) {
            ExpectRectNear(floats.GetPathWorldBounds(), c.bounds, 0.05f);
        }
    }
}

TEST(PathFigures, PieAndAddedPaths) {
    GraphicsPath pie;
    ASSERT_TRUE(pie.CreatePath());
    ASSERT_TRUE(pie.AddPathPieI(0, 0, 20, 20, 0, 90));
    // The quarter from the centre (10, 10) to the right and down.
    ExpectRectNear(pie.GetPathWorldBounds(), {10, 10, 10, 10}, 0.05f);
    EXPECT_EQ(TypesOf(pie).back() & kClose, kClose);

    GraphicsPath line;
    ASSERT_TRUE(line.CreatePath());
    ASSERT_TRUE(line.AddPathLine(100, 100, 110, 100));
    int before = pie.GetPointCount();
    ASSERT_TRUE(pie.AddPathPath(line));
    ByteBlock types = TypesOf(pie);
    EXPECT_EQ(pie.GetPointCount(), before + 2);
    EXPECT_EQ(types[types.size() - 2], kStart);  // not connected: a new figure

    GraphicsPath open;
    ASSERT_TRUE(open.CreatePath());
    ASSERT_TRUE(open.AddPathLine(0, 0, 5, 5));
    ASSERT_TRUE(open.AddPathPath(line, true));
    EXPECT_EQ(TypesOf(open)[2], kLine);  // connected to the open figure
}

TEST(PathFigures, FiguresMarkersReverseAndLastPoint) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathLine(0, 0, 10, 0));
    ASSERT_TRUE(path.SetPathMarker());
    ASSERT_TRUE(path.ClosePathFigure());
    ASSERT_TRUE(path.StartPathFigure());
    ASSERT_TRUE(path.AddPathLine(20, 0, 30, 5));
    PointF last = path.GetPathLastPoint();
    EXPECT_FLOAT_EQ(last.x, 30);
    EXPECT_FLOAT_EQ(last.y, 5);
    ByteBlock types = TypesOf(path);
    ASSERT_EQ(types.size(), 4u);
    EXPECT_EQ(types[1], kLine | kMarker | kClose);
    EXPECT_EQ(types[2], kStart);

    ASSERT_TRUE(path.ClearPathMarkers());
    EXPECT_EQ(TypesOf(path)[1], kLine | kClose);

    ASSERT_TRUE(path.ReversePath());
    EXPECT_FLOAT_EQ(PointsOf(path)[0].x, 30);

    GraphicsPath copy;
    ASSERT_TRUE(path.ClonePath(copy));
    ASSERT_TRUE(path.ResetPath());
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(copy.GetPointCount(), 4);
}

// Every figure followed by another is closed. (Wine leaves the last figure
// open, so only the figures before it are checked.)
TEST(PathFigures, CloseAllFigures) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathLine(0, 0, 10, 0));
    ASSERT_TRUE(path.StartPathFigure());
    ASSERT_TRUE(path.AddPathLine(20, 0, 30, 5));
    ASSERT_TRUE(path.StartPathFigure());
    ASSERT_TRUE(path.AddPathLine(40, 0, 50, 5));
    EXPECT_EQ(TypesOf(path)[1], kLine);
    ASSERT_TRUE(path.ClosePathFigures());
    ByteBlock types = TypesOf(path);
    EXPECT_EQ(types[1], kLine | kClose);
    EXPECT_EQ(types[3], kLine | kClose);
}

TEST(PathGeometry, TransformFlattenWiden) {
    Matrix shift;
    ASSERT_TRUE(shift.CreateMatrix2(1, 0, 0, 1, 5, 7));
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathEllipse(0, 0, 20, 10));
    ASSERT_TRUE(path.TransformPath(shift));
    ExpectRectNear(path.GetPathWorldBounds(), {5, 7, 20, 10}, 0.05f);
    // Bounds under a matrix do not change the path.
    ExpectRectNear(path.GetPathWorldBounds(&shift), {10, 14, 20, 10}, 0.05f);

    ByteBlock types = TypesOf(path);
    EXPECT_NE(std::find(types.begin(), types.end(), kBezier), types.end());
    ASSERT_TRUE(path.FlattenPath());
    types = TypesOf(path);
    EXPECT_EQ(std::count(types.begin(), types.end(), kBezier), 0);
    EXPECT_GT(types.size(), 13u);

    GraphicsPath line;
    ASSERT_TRUE(line.CreatePath());
    ASSERT_TRUE(line.AddPathLine(0, 10, 100, 10));
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 4));
    // With the pen the bounds grow by its width; GDI+ decides how far along
    // the line, so only the height is checked.
    RectF stroked = line.GetPathWorldBounds(nullptr, &pen);
    EXPECT_NEAR(stroked.y, 8, 0.05f);
    EXPECT_NEAR(stroked.height, 4, 0.05f);
    Matrix identity;
    ASSERT_TRUE(identity.CreateMatrix());
    ASSERT_TRUE(line.WidenPath(pen, &identity));
    RectF widened = line.GetPathWorldBounds();
    EXPECT_NEAR(widened.y, 8, 0.05f);
    EXPECT_NEAR(widened.height, 4, 0.05f);
}

// Wine answers NotImplemented for GdipWarpPath and GdipWindingModeOutline;
// the status passes through.
TEST(PathGeometry, WarpAndOutlinePassTheStatusThrough) {
    GraphicsPath crossing;
    ASSERT_TRUE(crossing.CreatePath());
    ASSERT_TRUE(crossing.AddPathRectangle(0, 0, 10, 10));
    ASSERT_TRUE(crossing.AddPathRectangle(5, 5, 10, 10));
    if (crossing.WindingModeOutline()) {
        ExpectRectNear(crossing.GetPathWorldBounds(), {0, 0, 15, 15}, 0.05f);
    } else {
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::NotImplemented);
    }

    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangle(0, 0, 10, 10));
    bool warped = path.WarpPath({{0, 0}, {20, 0}, {0, 20}, {20, 20}}, {0, 0, 10, 10});
    if (!warped) {
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::NotImplemented);
    } else {
        ExpectRectNear(path.GetPathWorldBounds(), {0, 0, 20, 20}, 0.05f);
    }
}

TEST(PathHitTests, InsideAndOnTheOutline) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangle(10, 10, 20, 20));
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 4));
    struct Case {
        int x, y;
        bool inside, onOutline;
    } cases[] = {{20, 20, true, false}, {5, 5, false, false}, {10, 20, true, true}, {31, 20, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(path.IsVisiblePathPoint(static_cast<float>(c.x), static_cast<float>(c.y)), c.inside);
        EXPECT_EQ(path.IsVisiblePathPointI(c.x, c.y), c.inside);
        EXPECT_EQ(path.IsOutlineVisiblePathPoint(static_cast<float>(c.x), static_cast<float>(c.y), pen),
                  c.onOutline);
        EXPECT_EQ(path.IsOutlineVisiblePathPointI(c.x, c.y, pen), c.onOutline);
    }
}

class TextPath : public ::testing::Test {
protected:
    void SetUp() override {
        // The prefix maps this family to an installed font, as the program's does.
        ASSERT_TRUE(family_.CreateFontFamilyFromName("微软雅黑"));
        ASSERT_TRUE(format_.CreateStringFormat());
        ASSERT_TRUE(path_.CreatePath());
    }

    FontFamily family_;
    StringFormat format_;
    GraphicsPath path_;
};

TEST_F(TextPath, EmptyTextAddsNothing) {
    ASSERT_TRUE(path_.AddPathString("", family_, 20, {0, 0, 100, 40}, 0, &format_));
    EXPECT_EQ(path_.GetPointCount(), 0);
    ASSERT_TRUE(path_.AddPathStringI("", family_, 20, Rect{0, 0, 100, 40}, 0, &format_));
    EXPECT_EQ(path_.GetPointCount(), 0);
}

// An omitted format reaches GDI+ as a null format. Wine refuses that with
// InvalidParameter (a complete GDI+ uses its default format); either way
// the status passes through.
TEST_F(TextPath, OmittedFormatIsNull) {
    bool added = path_.AddPathString("A", family_, 20);
    if (added) {
        EXPECT_GT(path_.GetPointCount(), 0);
    } else {
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
        EXPECT_EQ(path_.GetPointCount(), 0);
    }
    EXPECT_EQ(path_.AddPathStringI("A", family_, 20), added);
}

TEST_F(TextPath, OutlineLiesInTheLayout) {
    ASSERT_TRUE(path_.AddPathString("Ab", family_, 20, {10, 5, 200, 40}, 0, &format_));
    EXPECT_GT(path_.GetPointCount(), 8);
    RectF bounds = path_.GetPathWorldBounds();
    EXPECT_GE(bounds.x, 10);
    EXPECT_GE(bounds.y, 5);
    EXPECT_GT(bounds.width, 10);
    EXPECT_LT(bounds.x + bounds.width, 80);

    GraphicsPath ints;
    ASSERT_TRUE(ints.CreatePath());
    ASSERT_TRUE(ints.AddPathStringI("Ab", family_, 20, Rect{10, 5, 200, 40}, 0, &format_));
    EXPECT_EQ(ints.GetPointCount(), path_.GetPointCount());
}

// The caption glow: the text outline widened by a one-unit pen and drawn
// with it covers pixels around the text and nowhere else.
TEST_F(TextPath, WidenedAndDrawnAroundTheText) {
    ASSERT_TRUE(path_.AddPathString("Ab", family_, 24, {10, 10, 200, 60}, 0, &format_));
    RectF text = path_.GetPathWorldBounds();
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    Matrix identity;
    ASSERT_TRUE(identity.CreateMatrix());
    ASSERT_TRUE(path_.WidenPath(pen, &identity));

    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(120, 80));
    Graphics graphics;
    ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
    ASSERT_TRUE(graphics.GraphicsClear(0xFFFFFFFF));
    ASSERT_TRUE(graphics.DrawPath(pen, path_));

    int drawn = 0, outside = 0;
    int left = 120, right = -1, top = 80, bottom = -1;
    const float margin = 3;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (bitmap.BitmapGetPixel(x, y) == 0xFFFFFFFF) {
                continue;
            }
            ++drawn;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            if (x < text.x - margin || x > text.x + text.width + margin || y < text.y - margin ||
                y > text.y + text.height + margin) {
                ++outside;
            }
        }
    }
    EXPECT_GT(drawn, 50);
    EXPECT_EQ(outside, 0);
    // It reaches every side of the text.
    EXPECT_LE(left, text.x + 1);
    EXPECT_GE(right, text.x + text.width - 1);
    EXPECT_LE(top, text.y + 1);
    EXPECT_GE(bottom, text.y + text.height - 1);
}

}  // namespace
}  // namespace gdiplus
