#include <gtest/gtest.h>

#include <vector>

#include "drawing_fixtures.h"
#include "gdiplus/cached_bitmap.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image_attributes.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/solid_brush.h"
#include "image_fixtures.h"

namespace gdiplus {
namespace {

using namespace fixtures;

TEST(GraphicsDrawing, ClearWithTheColourOmittedIsOpaqueWhite) {
    Canvas canvas(3, 3);
    ASSERT_TRUE(canvas.graphics.GraphicsClear(kRed));
    ASSERT_TRUE(canvas.graphics.GraphicsClear());
    canvas.ExpectRect(0, 0, 3, 3, kWhite);
}

// Each fill covers exactly its area; the rectangle forms share one case list.
TEST(GraphicsDrawing, FillsCoverExactlyTheirArea) {
    SolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(kRed));
    struct Case {
        const char* name;
        bool (*fill)(Graphics&, const Brush&);
    };
    const Case cases[] = {
        {"FillRectangle", [](Graphics& g, const Brush& b) { return g.FillRectangle(b, 2, 3, 4, 5); }},
        {"FillRectangleI", [](Graphics& g, const Brush& b) { return g.FillRectangleI(b, 2, 3, 4, 5); }},
        {"FillRectangleRect", [](Graphics& g, const Brush& b) { return g.FillRectangleRect(b, {2, 3, 4, 5}); }},
        {"FillRectangles",
         [](Graphics& g, const Brush& b) { return g.FillRectangles(b, {{2, 3, 4, 2}, {2, 5, 4, 3}}); }},
        {"FillRectanglesI",
         [](Graphics& g, const Brush& b) { return g.FillRectanglesI(b, {{2, 3, 2, 5}, {4, 3, 2, 5}}); }},
        {"FillPolygonI",
         [](Graphics& g, const Brush& b) { return g.FillPolygonI(b, {{2, 3}, {6, 3}, {6, 8}, {2, 8}}); }},
        {"FillPolygon",
         [](Graphics& g, const Brush& b) { return g.FillPolygon(b, {{2, 3}, {6, 3}, {6, 8}, {2, 8}}, 1); }},
        {"FillRegion",
         [](Graphics& g, const Brush& b) {
             Region region;
             region.CreateRegionRectI({2, 3, 4, 5});
             return g.FillRegion(b, region);
         }},
        {"FillPath",
         [](Graphics& g, const Brush& b) {
             GraphicsPath path;
             path.CreatePath();
             path.AddPathRectangle(2, 3, 4, 5);
             return g.FillPath(b, path);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(10, 10);
        ASSERT_TRUE(c.fill(canvas.graphics, red));
        canvas.ExpectRect(2, 3, 4, 5, kRed);
    }
}

// The round shapes: ink at the centre, none in the corners of the box.
TEST(GraphicsDrawing, RoundFillsInkTheirInsideOnly) {
    SolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(kRed));
    struct Case {
        const char* name;
        bool (*fill)(Graphics&, const Brush&);
    };
    const Case cases[] = {
        {"FillEllipse", [](Graphics& g, const Brush& b) { return g.FillEllipse(b, 2, 2, 16, 16); }},
        {"FillEllipseI", [](Graphics& g, const Brush& b) { return g.FillEllipseI(b, 2, 2, 16, 16); }},
        {"FillPie", [](Graphics& g, const Brush& b) { return g.FillPie(b, 2, 2, 16, 16, 0, 360); }},
        {"FillPieI", [](Graphics& g, const Brush& b) { return g.FillPieI(b, 2, 2, 16, 16, 0, 360); }},
        {"FillClosedCurve",
         [](Graphics& g, const Brush& b) { return g.FillClosedCurve(b, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}); }},
        {"FillClosedCurveI",
         [](Graphics& g, const Brush& b) { return g.FillClosedCurveI(b, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}); }},
        {"FillClosedCurve2",
         [](Graphics& g, const Brush& b) {
             return g.FillClosedCurve2(b, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}, 0.5f);
         }},
        {"FillClosedCurve2I",
         [](Graphics& g, const Brush& b) {
             return g.FillClosedCurve2I(b, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}, 0.5f, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(20, 20);
        ASSERT_TRUE(c.fill(canvas.graphics, red));
        EXPECT_EQ(canvas.At(10, 10), kRed);
        EXPECT_EQ(canvas.At(2, 2), kWhite);
        EXPECT_EQ(canvas.At(17, 17), kWhite);
        EXPECT_EQ(canvas.At(0, 10), kWhite);
    }
}

// Every outline method draws through its points or box: the pen's colour
// shows up at a point of the figure and not in the middle of the canvas.
TEST(GraphicsDrawing, OutlinesInkTheirFigure) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(kBlue, 1.0f));
    struct Case {
        const char* name;
        bool (*draw)(Graphics&, const Pen&);
        int x, y;  // a pixel on the figure
    };
    const Case cases[] = {
        {"DrawLine", [](Graphics& g, const Pen& p) { return g.DrawLine(p, 2, 5, 17, 5); }, 10, 5},
        {"DrawLineI", [](Graphics& g, const Pen& p) { return g.DrawLineI(p, 2, 5, 17, 5); }, 10, 5},
        {"DrawLines", [](Graphics& g, const Pen& p) { return g.DrawLines(p, {{2, 5}, {17, 5}, {17, 17}}); }, 17, 12},
        {"DrawLinesI", [](Graphics& g, const Pen& p) { return g.DrawLinesI(p, {{2, 5}, {17, 5}, {17, 17}}); }, 17, 12},
        {"DrawRectangle", [](Graphics& g, const Pen& p) { return g.DrawRectangle(p, 2, 2, 15, 15); }, 2, 10},
        {"DrawRectangleI", [](Graphics& g, const Pen& p) { return g.DrawRectangleI(p, 2, 2, 15, 15); }, 17, 10},
        {"DrawRectangles",
         [](Graphics& g, const Pen& p) { return g.DrawRectangles(p, {{0, 0, 1, 1}, {2, 2, 15, 15}}); }, 10, 17},
        {"DrawRectanglesI",
         [](Graphics& g, const Pen& p) { return g.DrawRectanglesI(p, {{0, 0, 1, 1}, {2, 2, 15, 15}}); }, 10, 2},
        {"DrawEllipse", [](Graphics& g, const Pen& p) { return g.DrawEllipse(p, 2, 2, 16, 16); }, 10, 2},
        {"DrawEllipseI", [](Graphics& g, const Pen& p) { return g.DrawEllipseI(p, 2, 2, 16, 16); }, 2, 10},
        {"DrawArc", [](Graphics& g, const Pen& p) { return g.DrawArc(p, 2, 2, 16, 16, 0, 180); }, 10, 18},
        {"DrawArcI", [](Graphics& g, const Pen& p) { return g.DrawArcI(p, 2, 2, 16, 16, 0, 180); }, 10, 18},
        {"DrawPie", [](Graphics& g, const Pen& p) { return g.DrawPie(p, 2, 2, 16, 16, 180, 90); }, 6, 10},
        {"DrawPieI", [](Graphics& g, const Pen& p) { return g.DrawPieI(p, 2, 2, 16, 16, 180, 90); }, 10, 6},
        {"DrawPolygon", [](Graphics& g, const Pen& p) { return g.DrawPolygon(p, {{2, 2}, {17, 2}, {2, 17}}); }, 2, 10},
        {"DrawPolygonI", [](Graphics& g, const Pen& p) { return g.DrawPolygonI(p, {{2, 2}, {17, 2}, {2, 17}}); }, 10, 2},
        {"DrawBezier",
         [](Graphics& g, const Pen& p) { return g.DrawBezier(p, 2, 5, 7, 5, 12, 5, 17, 5); }, 10, 5},
        {"DrawBezierI",
         [](Graphics& g, const Pen& p) { return g.DrawBezierI(p, 2, 5, 7, 5, 12, 5, 17, 5); }, 10, 5},
        {"DrawBeziers",
         [](Graphics& g, const Pen& p) { return g.DrawBeziers(p, {{2, 5}, {7, 5}, {12, 5}, {17, 5}}); }, 10, 5},
        {"DrawBeziersI",
         [](Graphics& g, const Pen& p) { return g.DrawBeziersI(p, {{2, 5}, {7, 5}, {12, 5}, {17, 5}}); }, 10, 5},
        {"DrawCurve", [](Graphics& g, const Pen& p) { return g.DrawCurve(p, {{2, 5}, {10, 5}, {17, 5}}); }, 6, 5},
        {"DrawCurveI", [](Graphics& g, const Pen& p) { return g.DrawCurveI(p, {{2, 5}, {10, 5}, {17, 5}}); }, 6, 5},
        {"DrawCurve2",
         [](Graphics& g, const Pen& p) { return g.DrawCurve2(p, {{2, 5}, {10, 5}, {17, 5}}, 0.5f); }, 14, 5},
        {"DrawCurve2I",
         [](Graphics& g, const Pen& p) { return g.DrawCurve2I(p, {{2, 5}, {10, 5}, {17, 5}}, 0.5f); }, 14, 5},
        // Only the second segment: from (10,5) to (17,5).
        {"DrawCurve3",
         [](Graphics& g, const Pen& p) { return g.DrawCurve3(p, {{2, 15}, {10, 5}, {17, 5}}, 1, 1, 0.5f); }, 14, 5},
        {"DrawCurve3I",
         [](Graphics& g, const Pen& p) { return g.DrawCurve3I(p, {{2, 15}, {10, 5}, {17, 5}}, 1, 1, 0.5f); }, 14, 5},
        {"DrawClosedCurve",
         [](Graphics& g, const Pen& p) { return g.DrawClosedCurve(p, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}); }, 10, 2},
        {"DrawClosedCurveI",
         [](Graphics& g, const Pen& p) { return g.DrawClosedCurveI(p, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}); }, 2, 10},
        {"DrawClosedCurve2",
         [](Graphics& g, const Pen& p) {
             return g.DrawClosedCurve2(p, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}, 0.5f);
         }, 10, 18},
        {"DrawClosedCurve2I",
         [](Graphics& g, const Pen& p) {
             return g.DrawClosedCurve2I(p, {{10, 2}, {18, 10}, {10, 18}, {2, 10}}, 0.5f);
         }, 18, 10},
        {"DrawPath",
         [](Graphics& g, const Pen& p) {
             GraphicsPath path;
             path.CreatePath();
             path.AddPathRectangle(2, 2, 15, 15);
             return g.DrawPath(p, path);
         }, 2, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(20, 20);
        ASSERT_TRUE(c.draw(canvas.graphics, pen)) << LastGdiStatus.load();
        EXPECT_EQ(canvas.At(c.x, c.y), kBlue);
        EXPECT_EQ(canvas.At(10, 12), kWhite);
    }
}

TEST(GraphicsDrawing, EmptyRunsAndEmptyWrappers) {
    Canvas canvas(4, 4);
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(kBlue, 1.0f));
    LastGdiStatus = -1;
    EXPECT_FALSE(canvas.graphics.DrawLines(pen, {}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);

    Pen noPen;
    SolidBrush noBrush;
    Bitmap noImage;
    EXPECT_FALSE(canvas.graphics.DrawLine(noPen, 0, 0, 3, 3));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(canvas.graphics.FillRectangle(noBrush, 0, 0, 3, 3));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(canvas.graphics.DrawImage(noImage, 0, 0));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    canvas.ExpectRect(0, 0, 4, 4, kWhite);
}

// A 400 x 300 picture of 4 x 3 blocks of 100 x 100 pixels, each block one
// CheckerColour.
void MakeBlockPicture(Bitmap& picture) {
    ASSERT_TRUE(picture.CreateBitmap(400, 300));
    Graphics graphics;
    ASSERT_TRUE(graphics.GetImageGraphicsContext(picture));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            SolidBrush brush;
            ASSERT_TRUE(brush.CreateSolidFill(CheckerColour(x, y)));
            ASSERT_TRUE(graphics.FillRectangleI(brush, x * 100, y * 100, 100, 100));
        }
    }
}

// The whole picture is the source: shrunk to 4 x 3 pixels every block gives
// one pixel, and into one pixel it gives one of its colours.
TEST(GraphicsImages, ScaledDrawsTheWholePicture) {
    Bitmap picture;
    MakeBlockPicture(picture);
    using Draw = bool (*)(Graphics&, const Image&, int, int);
    const Draw draws[] = {
        [](Graphics& g, const Image& i, int w, int h) {
            return g.DrawImageScaled(i, 1, 1, static_cast<float>(w), static_cast<float>(h));
        },
        [](Graphics& g, const Image& i, int w, int h) { return g.DrawImageScaledI(i, 1, 1, w, h); },
    };
    for (Draw draw : draws) {
        Canvas canvas(6, 5);
        ASSERT_TRUE(draw(canvas.graphics, picture, 4, 3));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(canvas.At(1 + x, 1 + y), CheckerColour(x, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(canvas.At(5, 1), kWhite);
        EXPECT_EQ(canvas.At(1, 4), kWhite);

        Canvas one(3, 3);
        ASSERT_TRUE(draw(one.graphics, picture, 1, 1));
        Argb pixel = one.At(1, 1);
        bool fromPicture = false;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                fromPicture = fromPicture || pixel == CheckerColour(x, y);
            }
        }
        EXPECT_TRUE(fromPicture) << std::hex << pixel;
        EXPECT_EQ(one.At(2, 1), kWhite);
        EXPECT_EQ(one.At(1, 2), kWhite);
    }
}

TEST(GraphicsImages, ThreePointsSpanTheDestination) {
    Bitmap picture;
    MakeSolid(picture, 4, 3, kRed);
    {
        Canvas canvas(120, 70);
        ASSERT_TRUE(canvas.graphics.DrawImagePoints(picture, 0, 0, 100, 0, 0, 50));
        canvas.ExpectRect(0, 0, 100, 50, kRed);
    }
    {
        // Away from the origin the edge columns may blend; the span is what counts.
        Canvas canvas(120, 70);
        ASSERT_TRUE(canvas.graphics.DrawImagePointsI(picture, 10, 5, 110, 5, 10, 55));
        EXPECT_EQ(canvas.At(11, 6), kRed);
        EXPECT_EQ(canvas.At(108, 53), kRed);
        EXPECT_EQ(canvas.At(60, 53), kRed);
        EXPECT_EQ(canvas.At(111, 30), kWhite);
        EXPECT_EQ(canvas.At(60, 56), kWhite);
        EXPECT_EQ(canvas.At(8, 30), kWhite);
    }
}

TEST(GraphicsImages, PlainDrawAtAPoint) {
    Bitmap picture;
    MakeChecker(picture);
    Canvas canvas(10, 10);
    ASSERT_TRUE(canvas.graphics.DrawImage(picture, 3, 4));
    ASSERT_TRUE(canvas.graphics.DrawImageI(picture, 0, 0));
    EXPECT_EQ(canvas.At(3 + 3, 4 + 2), CheckerColour(3, 2));
    EXPECT_EQ(canvas.At(3 + 1, 4 + 0), CheckerColour(1, 0));
    EXPECT_EQ(canvas.At(0, 0), CheckerColour(0, 0));
    EXPECT_EQ(canvas.At(7, 4), kWhite);
}

TEST(GraphicsImages, CachedBitmapPositionIsTruncatedTowardZero) {
    Bitmap picture;
    MakeSolid(picture, 4, 6, kRed);
    Canvas canvas(20, 20);
    CachedBitmap cached;
    ASSERT_TRUE(cached.CreateCachedBitmap(picture, canvas.graphics));
    ASSERT_TRUE(canvas.graphics.DrawCachedBitmap(cached, 10.9f, -3.7f));
    cached.DeleteCachedBitmap();
    // Lands at (10, -3): columns 10 to 13, rows -3 to 2.
    canvas.ExpectRect(10, 0, 4, 3, kRed);
}

// A part of the picture, pixel for pixel, at the destination point.
TEST(GraphicsImages, PointRectCopiesThePartUnscaled) {
    Bitmap picture;
    MakeChecker(picture);
    using Draw = bool (*)(Graphics&, const Image&);
    const Draw draws[] = {
        [](Graphics& g, const Image& i) { return g.DrawImagePointRect(i, 5, 6, 1, 1, 2, 2); },
        [](Graphics& g, const Image& i) { return g.DrawImagePointRectI(i, 5, 6, 1, 1, 2, 2); },
        [](Graphics& g, const Image& i) { return g.DrawImageRectRect(i, 5, 6, 2, 2, 1, 1, 2, 2); },
        [](Graphics& g, const Image& i) { return g.DrawImageRectRectI(i, 5, 6, 2, 2, 1, 1, 2, 2); },
        [](Graphics& g, const Image& i) { return g.DrawImagePointsRect(i, 5, 6, 7, 6, 5, 8, 1, 1, 2, 2); },
        [](Graphics& g, const Image& i) { return g.DrawImagePointsRectI(i, 5, 6, 7, 6, 5, 8, 1, 1, 2, 2); },
    };
    int index = 0;
    for (Draw draw : draws) {
        SCOPED_TRACE(index++);
        Canvas canvas(10, 10);
        ASSERT_TRUE(draw(canvas.graphics, picture));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) {
                EXPECT_EQ(canvas.At(5 + x, 6 + y), CheckerColour(1 + x, 1 + y)) << x << "," << y;
            }
        }
        EXPECT_EQ(canvas.At(7, 6), kWhite);
        EXPECT_EQ(canvas.At(5, 8), kWhite);
        EXPECT_EQ(canvas.At(4, 6), kWhite);
    }
}

// The image attributes reach GDI+: a colour map turns red into blue.
TEST(GraphicsImages, RectRectAppliesImageAttributes) {
    Bitmap picture;
    MakeSolid(picture, 2, 2, kRed);
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    ASSERT_TRUE(attributes.SetImageAttributesRemapTable({{kRed, kBlue}}));
    Canvas canvas(6, 6);
    ASSERT_TRUE(canvas.graphics.DrawImageRectRect(picture, 1, 1, 2, 2, 0, 0, 2, 2, Gdiplus::UnitPixel, &attributes));
    canvas.ExpectRect(1, 1, 2, 2, kBlue);
}

}  // namespace
}  // namespace gdiplus
