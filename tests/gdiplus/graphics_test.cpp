#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drawing_fixtures.h"
#include "gdiplus/matrix.h"
#include "gdiplus/region.h"
#include "gdiplus/solid_brush.h"

namespace gdiplus {
namespace {

using namespace fixtures;

TEST(GraphicsCreate, FromDeviceContextWithAndWithoutDevice) {
    HDC dc = CreateCompatibleDC(nullptr);
    Graphics plain, withDevice;
    EXPECT_TRUE(plain.CreateFromHDC(dc));
    EXPECT_TRUE(withDevice.CreateFromHDC(dc, nullptr));
    EXPECT_EQ(plain.NativeGraphics(), plain.GetHandle());
    EXPECT_NE(withDevice.GetHandle(), nullptr);
    EXPECT_TRUE(plain.DeleteGraphics());
    EXPECT_FALSE(plain.DeleteGraphics());
    withDevice.DeleteGraphics();
    DeleteDC(dc);
}

TEST(GraphicsCreate, FromWindow) {
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    for (bool useIcm : {false, true}) {
        Graphics graphics;
        EXPECT_TRUE(graphics.CreateFromHWND(window, useIcm)) << useIcm;
        EXPECT_NE(graphics.GetHandle(), nullptr);
    }
    DestroyWindow(window);
}

// A failed creation leaves the wrapper empty; everything after fails with
// InvalidParameter and returns zeros.
TEST(GraphicsCreate, FailureLeavesAnEmptyWrapper) {
    Graphics graphics;
    EXPECT_FALSE(graphics.CreateFromHDC(nullptr));
    EXPECT_NE(LastGdiStatus.load(), Gdiplus::Ok);
    EXPECT_EQ(graphics.GetHandle(), nullptr);

    Bitmap none;
    EXPECT_FALSE(graphics.GetImageGraphicsContext(none));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);

    EXPECT_FALSE(graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(graphics.GetPageScale(), 0.0f);
    EXPECT_EQ(graphics.GetDpiX(), 0.0f);
    RectF bounds = graphics.GetClipBounds();
    EXPECT_EQ(bounds.width, 0.0f);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    // The colour comes back as given when GDI+ cannot answer.
    EXPECT_EQ(graphics.GetNearestColor(0x12345678), 0x12345678u);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(GraphicsCreate, DeviceContextOfAnImageGraphics) {
    Canvas canvas(8, 8);
    HDC dc = canvas.graphics.GetDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(canvas.graphics.ReleaseDC(dc));
}

struct ModeCase {
    const char* name;
    bool (Graphics::*set)(int);
    int (Graphics::*get)() const;
    int value;
};

TEST(GraphicsModes, EachSetterIsReadBack) {
    const ModeCase cases[] = {
        {"compositing mode", &Graphics::SetCompositingMode, &Graphics::GetCompositingMode,
         Gdiplus::CompositingModeSourceCopy},
        {"compositing quality", &Graphics::SetCompositingQuality, &Graphics::GetCompositingQuality,
         Gdiplus::CompositingQualityHighQuality},
        {"smoothing", &Graphics::SetSmoothingMode, &Graphics::GetSmoothingMode, Gdiplus::SmoothingModeAntiAlias},
        {"text rendering", &Graphics::SetTextRenderingHint, &Graphics::GetTextRenderingHint,
         Gdiplus::TextRenderingHintAntiAlias},
        {"interpolation", &Graphics::SetInterpolationMode, &Graphics::GetInterpolationMode,
         Gdiplus::InterpolationModeHighQualityBicubic},
        {"pixel offset", &Graphics::SetPixelOffsetMode, &Graphics::GetPixelOffsetMode,
         Gdiplus::PixelOffsetModeHighQuality},
        {"page unit", &Graphics::SetPageUnit, &Graphics::GetPageUnit, Gdiplus::UnitMillimeter},
        {"text contrast", &Graphics::SetTextContrast, &Graphics::GetTextContrast, 7},
    };
    Canvas canvas(4, 4);
    for (const ModeCase& c : cases) {
        EXPECT_TRUE((canvas.graphics.*c.set)(c.value)) << c.name;
        EXPECT_EQ((canvas.graphics.*c.get)(), c.value) << c.name;
    }
    EXPECT_TRUE(canvas.graphics.SetPageScale(2.5f));
    EXPECT_EQ(canvas.graphics.GetPageScale(), 2.5f);
    EXPECT_TRUE(canvas.graphics.SetRenderingOrigin(3, -4));
    int x = 0, y = 0;
    EXPECT_TRUE(canvas.graphics.GetRenderingOrigin(x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -4);
    EXPECT_GT(canvas.graphics.GetDpiX(), 0.0f);
    EXPECT_GT(canvas.graphics.GetDpiY(), 0.0f);
}

TEST(GraphicsTransform, WorldTransformIsCopiedIntoTheCallersMatrix) {
    Canvas canvas(4, 4);
    ASSERT_TRUE(canvas.graphics.RotateWorldTransform(30.0f));
    ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5.0f, 6.0f, Gdiplus::MatrixOrderAppend));
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    void* handle = matrix.GetHandle();
    ASSERT_TRUE(canvas.graphics.GetWorldTransform(matrix));
    EXPECT_EQ(matrix.GetHandle(), handle);
    std::vector<float> m;
    ASSERT_TRUE(matrix.GetMatrixElements(m));
    ASSERT_EQ(m.size(), 6u);
    const float c = std::cos(3.14159265f / 6), s = std::sin(3.14159265f / 6);
    EXPECT_NEAR(m[0], c, 1e-5);
    EXPECT_NEAR(m[1], s, 1e-5);
    EXPECT_NEAR(m[2], -s, 1e-5);
    EXPECT_NEAR(m[3], c, 1e-5);
    EXPECT_NEAR(m[4], 5.0f, 1e-5);
    EXPECT_NEAR(m[5], 6.0f, 1e-5);

    Matrix empty;
    EXPECT_FALSE(canvas.graphics.GetWorldTransform(empty));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(GraphicsTransform, SetMultiplyScaleAndReset) {
    Canvas canvas(4, 4);
    Matrix shift;
    ASSERT_TRUE(shift.CreateMatrix2(1, 0, 0, 1, 10, 20));
    ASSERT_TRUE(canvas.graphics.SetWorldTransform(shift));
    // Prepending a scale scales before the shift; appending scales the shift too.
    ASSERT_TRUE(canvas.graphics.ScaleWorldTransform(2, 3));
    std::vector<PointF> points = {{1, 1}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points));
    EXPECT_FLOAT_EQ(points[0].x, 12);
    EXPECT_FLOAT_EQ(points[0].y, 23);

    ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
    ASSERT_TRUE(canvas.graphics.MultiplyWorldTransform(shift));
    ASSERT_TRUE(canvas.graphics.ScaleWorldTransform(2, 3, Gdiplus::MatrixOrderAppend));
    points = {{1, 1}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points));
    EXPECT_FLOAT_EQ(points[0].x, 22);
    EXPECT_FLOAT_EQ(points[0].y, 63);
}

// Every point of the run is transformed and copied back, in order.
TEST(GraphicsTransform, TransformPointsCopiesEveryPointBack) {
    Canvas canvas(4, 4);
    ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(10, 20));
    std::vector<PointF> points = {{0, 0}, {1.5f, 2}, {-3, 4}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[1].x, 11.5f);
    EXPECT_FLOAT_EQ(points[2].x, 7);
    EXPECT_FLOAT_EQ(points[2].y, 24);

    std::vector<Point> pointsI = {{0, 0}, {5, 5}};
    ASSERT_TRUE(canvas.graphics.TransformPointsI(Gdiplus::CoordinateSpaceWorld, Gdiplus::CoordinateSpaceDevice, pointsI));
    EXPECT_EQ(pointsI[0].x, -10);
    EXPECT_EQ(pointsI[1].y, -15);
}

TEST(GraphicsTransform, TransformPointsOfAnEmptyArray) {
    Canvas canvas(4, 4);
    std::vector<PointF> points;
    LastGdiStatus = -1;
    bool ok = canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points);
    EXPECT_EQ(ok, LastGdiStatus.load() == Gdiplus::Ok);
    EXPECT_NE(LastGdiStatus.load(), -1);
    EXPECT_TRUE(points.empty());
}

TEST(GraphicsTransform, NearestColorOfAnArgbBitmapIsTheColourItself) {
    Canvas canvas(4, 4);
    EXPECT_EQ(canvas.graphics.GetNearestColor(0x80123456), 0x80123456u);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
}

TEST(GraphicsClip, ClipLimitsDrawingAndResetClipLiftsIt) {
    Canvas canvas(10, 10);
    SolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(kRed));
    ASSERT_TRUE(canvas.graphics.SetClipRectI(2, 3, 4, 5));
    EXPECT_FALSE(canvas.graphics.IsClipEmpty());
    ASSERT_TRUE(canvas.graphics.FillRectangle(red, 0, 0, 10, 10));
    canvas.ExpectRect(2, 3, 4, 5, kRed);

    ASSERT_TRUE(canvas.graphics.ResetClip());
    ASSERT_TRUE(canvas.graphics.FillRectangle(red, 0, 0, 10, 10));
    canvas.ExpectRect(0, 0, 10, 10, kRed);
}

struct ClipCase {
    int mode;          // -1: omitted
    RectF expected;    // clip bounds after clipping to (0,0,6,6), then (4,0,6,6)
};

TEST(GraphicsClip, CombineModes) {
    const ClipCase cases[] = {
        {-1, {4, 0, 6, 6}},                          // omitted replaces
        {Gdiplus::CombineModeReplace, {4, 0, 6, 6}},
        {Gdiplus::CombineModeIntersect, {4, 0, 2, 6}},
        {Gdiplus::CombineModeUnion, {0, 0, 10, 6}},
        {Gdiplus::CombineModeExclude, {0, 0, 4, 6}},
    };
    for (const ClipCase& c : cases) {
        Canvas canvas(10, 10);
        ASSERT_TRUE(canvas.graphics.SetClipRect(0, 0, 6, 6));
        bool ok = c.mode < 0 ? canvas.graphics.SetClipRect(4, 0, 6, 6)
                             : canvas.graphics.SetClipRect(4, 0, 6, 6, c.mode);
        ASSERT_TRUE(ok) << c.mode;
        RectF bounds = canvas.graphics.GetClipBounds();
        EXPECT_FLOAT_EQ(bounds.x, c.expected.x) << c.mode;
        EXPECT_FLOAT_EQ(bounds.y, c.expected.y) << c.mode;
        EXPECT_FLOAT_EQ(bounds.width, c.expected.width) << c.mode;
        EXPECT_FLOAT_EQ(bounds.height, c.expected.height) << c.mode;
    }
}

TEST(GraphicsClip, RegionsGraphicsAndHrgnAsClip) {
    Canvas canvas(20, 20);
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({1, 2, 3, 4}));
    ASSERT_TRUE(canvas.graphics.SetClipRegion(region));
    Rect bounds = canvas.graphics.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 1);
    EXPECT_EQ(bounds.height, 4);

    // The clip copied into a caller's region, which keeps its handle.
    Region copy;
    ASSERT_TRUE(copy.CreateRegion());
    void* handle = copy.GetHandle();
    ASSERT_TRUE(canvas.graphics.GetClip(copy));
    EXPECT_EQ(copy.GetHandle(), handle);
    EXPECT_TRUE(copy.IsEqualRegion(region, canvas.graphics));

    ASSERT_TRUE(canvas.graphics.TranslateClipI(10, 0));
    ASSERT_TRUE(canvas.graphics.TranslateClip(0.0f, 5.0f));
    bounds = canvas.graphics.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 11);
    EXPECT_EQ(bounds.y, 7);

    Canvas other(20, 20);
    ASSERT_TRUE(other.graphics.SetClipGraphics(canvas.graphics));
    EXPECT_EQ(other.graphics.GetClipBoundsI().x, 11);

    HRGN hrgn = CreateRectRgn(5, 6, 9, 10);
    ASSERT_TRUE(other.graphics.SetClipHrgn(hrgn));
    DeleteObject(hrgn);
    bounds = other.graphics.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 5);
    EXPECT_EQ(bounds.width, 4);
}

TEST(GraphicsClip, Visibility) {
    Canvas canvas(10, 10);
    ASSERT_TRUE(canvas.graphics.SetClipRectI(2, 2, 3, 3));
    EXPECT_TRUE(canvas.graphics.IsVisiblePoint(3.5f, 3.5f));
    EXPECT_FALSE(canvas.graphics.IsVisiblePointI(6, 3));
    EXPECT_TRUE(canvas.graphics.IsVisibleRect(4, 4, 5, 5));
    EXPECT_FALSE(canvas.graphics.IsVisibleRectI(6, 6, 2, 2));
    EXPECT_FALSE(canvas.graphics.IsVisibleClipEmpty());
    Rect visible = canvas.graphics.GetVisibleClipBoundsI();
    EXPECT_EQ(visible.x, 2);
    EXPECT_EQ(visible.width, 3);
    EXPECT_FLOAT_EQ(canvas.graphics.GetVisibleClipBounds().height, 3.0f);

    ASSERT_TRUE(canvas.graphics.SetClipRectI(20, 20, 3, 3));
    EXPECT_TRUE(canvas.graphics.IsVisibleClipEmpty());
}

TEST(GraphicsState, RestoreUndoesChangesSinceTheSave) {
    Canvas canvas(4, 4);
    ASSERT_TRUE(canvas.graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone));
    int state = canvas.graphics.SaveGraphics();
    ASSERT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
    ASSERT_TRUE(canvas.graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    ASSERT_TRUE(canvas.graphics.RestoreGraphics(state));
    EXPECT_EQ(canvas.graphics.GetSmoothingMode(), Gdiplus::SmoothingModeNone);
}

// A container maps its source rectangle onto its destination: a 10 x 10
// source in a 20 x 20 destination doubles everything drawn inside.
TEST(GraphicsState, ContainersScaleAndEnd) {
    SolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(kRed));
    {
        Canvas canvas(10, 10);
        int state = canvas.graphics.BeginContainer({0, 0, 20, 20}, {0, 0, 10, 10}, Gdiplus::UnitPixel);
        ASSERT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
        ASSERT_TRUE(canvas.graphics.FillRectangle(red, 1, 1, 2, 2));
        ASSERT_TRUE(canvas.graphics.EndContainer(state));
        canvas.ExpectRect(2, 2, 4, 4, kRed);
    }
    {
        Canvas canvas(10, 10);
        int state = canvas.graphics.BeginContainerI({0, 0, 20, 20}, {0, 0, 10, 10}, Gdiplus::UnitPixel);
        ASSERT_TRUE(canvas.graphics.EndContainer(state));
        // Ended: no more scaling.
        ASSERT_TRUE(canvas.graphics.FillRectangle(red, 1, 1, 2, 2));
        canvas.ExpectRect(1, 1, 2, 2, kRed);
    }
    {
        Canvas canvas(4, 4);
        ASSERT_TRUE(canvas.graphics.SetPageScale(1.0f));
        int state = canvas.graphics.BeginContainer2();
        ASSERT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
        ASSERT_TRUE(canvas.graphics.SetPageScale(3.0f));
        ASSERT_TRUE(canvas.graphics.EndContainer(state));
        EXPECT_EQ(canvas.graphics.GetPageScale(), 1.0f);
    }
}

// Wine does not implement GdipComment: the wrapper passes its status through.
TEST(GraphicsState, CommentPassesTheStatusThrough) {
    Canvas canvas(4, 4);
    bool ok = canvas.graphics.Comment({1, 2, 3});
    EXPECT_EQ(ok, LastGdiStatus.load() == Gdiplus::Ok);
    EXPECT_TRUE(LastGdiStatus.load() == Gdiplus::Ok || LastGdiStatus.load() == Gdiplus::NotImplemented)
        << LastGdiStatus.load();
}

}  // namespace
}  // namespace gdiplus
