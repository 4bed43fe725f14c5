#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gdiplus/bitmap.h"
#include "gdiplus/graphics.h"
#include "gdiplus/linear_gradient_brush.h"
#include "gdiplus/solid_brush.h"

namespace gdiplus {
namespace {

constexpr Argb kFirst = 0xFFFF0000;
constexpr Argb kSecond = 0xFF0000FF;

// Every way of creating a gradient keeps the colours in order and tiles.
TEST(LinearGradientCreate, ColoursInOrderAndTiling) {
    struct Case {
        const char* name;
        std::function<bool(LinearGradientBrush&)> create;
    } cases[] = {
        {"points", [](auto& b) { return b.CreateLineBrush({0, 0}, {10, 0}, kFirst, kSecond); }},
        {"int points", [](auto& b) { return b.CreateLineBrushI({0, 0}, {10, 0}, kFirst, kSecond); }},
        {"rect", [](auto& b) { return b.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond); }},
        {"int rect", [](auto& b) { return b.CreateLineBrushFromRectI({0, 0, 10, 10}, kFirst, kSecond); }},
        {"angle", [](auto& b) {
             return b.CreateLineBrushFromRectWithAngle({0, 0, 10, 10}, kFirst, kSecond, 30);
         }},
        {"int angle", [](auto& b) {
             return b.CreateLineBrushFromRectWithAngleI({0, 0, 10, 10}, kFirst, kSecond, 30, true);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinearGradientBrush brush;
        ASSERT_TRUE(c.create(brush));
        EXPECT_EQ(brush.NativeLineGradient(), brush.GetHandle());
        EXPECT_EQ(brush.GetBrushType(), Gdiplus::BrushTypeLinearGradient);
        EXPECT_EQ(brush.GetLineWrapMode(), Gdiplus::WrapModeTile);
        Argb first = 0, second = 0;
        ASSERT_TRUE(brush.GetLineColors(first, second));
        EXPECT_EQ(first, kFirst);
        EXPECT_EQ(second, kSecond);
    }
}

TEST(LinearGradientSettings, ColoursRectGammaWrap) {
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({1, 2, 30, 40}, kFirst, kSecond, 1));
    RectF rect = brush.GetLineRect();
    EXPECT_FLOAT_EQ(rect.x, 1);
    EXPECT_FLOAT_EQ(rect.y, 2);
    EXPECT_FLOAT_EQ(rect.width, 30);
    EXPECT_FLOAT_EQ(rect.height, 40);
    Rect rectI = brush.GetLineRectI();
    EXPECT_EQ(rectI.width, 30);
    EXPECT_EQ(rectI.height, 40);

    ASSERT_TRUE(brush.SetLineColors(0xFF010203, 0xFF040506));
    Argb first = 0, second = 0;
    ASSERT_TRUE(brush.GetLineColors(first, second));
    EXPECT_EQ(first, 0xFF010203u);
    EXPECT_EQ(second, 0xFF040506u);

    EXPECT_FALSE(brush.GetLineGammaCorrection());
    ASSERT_TRUE(brush.SetLineGammaCorrection(true));
    EXPECT_TRUE(brush.GetLineGammaCorrection());
    ASSERT_TRUE(brush.SetLineWrapMode(Gdiplus::WrapModeTileFlipXY));
    EXPECT_EQ(brush.GetLineWrapMode(), Gdiplus::WrapModeTileFlipXY);
}

TEST(LinearGradientSettings, EmptyBrushColoursAreZero) {
    LinearGradientBrush empty;
    Argb first = 5, second = 5;
    EXPECT_FALSE(empty.GetLineColors(first, second));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(second, 0u);
}

// The count comes from the factors; a longer positions array is not counted.
TEST(LinearGradientBlend, BlendRoundTrip) {
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond));
    ASSERT_TRUE(brush.SetLineBlend({0, 0.3f, 1}, {0, 0.5f, 1, 1, 1}));
    std::vector<float> factors = {9}, positions = {9, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(brush.GetLineBlend(factors, positions), 3);
    EXPECT_EQ(factors, (std::vector<float>{0, 0.3f, 1}));
    EXPECT_EQ(positions, (std::vector<float>{0, 0.5f, 1}));
}

TEST(LinearGradientBlend, PresetBlendRoundTrip) {
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond));
    std::vector<Argb> colours = {0xFF000000, 0xFF00FF00, 0xFFFFFFFF};
    ASSERT_TRUE(brush.SetLinePresetBlend(colours, {0, 0.25f, 1}));
    std::vector<Argb> readColours = {1, 2, 3, 4, 5};
    std::vector<float> positions;
    ASSERT_EQ(brush.GetLinePresetBlend(readColours, positions), 3);
    EXPECT_EQ(readColours, colours);
    EXPECT_EQ(positions, (std::vector<float>{0, 0.25f, 1}));
}

TEST(LinearGradientBlend, ShapedBlendsSetFactors) {
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond));
    ASSERT_TRUE(brush.SetLineLinearBlend(0.5f, 1));
    std::vector<float> factors, positions;
    int linear = brush.GetLineBlend(factors, positions);
    EXPECT_GE(linear, 2);
    EXPECT_EQ(factors.size(), static_cast<std::size_t>(linear));
    ASSERT_TRUE(brush.SetLineSigmaBlend(0.5f, 1));
    int sigma = brush.GetLineBlend(factors, positions);
    EXPECT_GT(sigma, 2);
    EXPECT_EQ(positions.size(), static_cast<std::size_t>(sigma));
}

TEST(LinearGradientBlend, FailedCountLeavesArraysAlone) {
    LinearGradientBrush empty;
    std::vector<float> factors = {1, 2}, positions = {3};
    EXPECT_EQ(empty.GetLineBlend(factors, positions), 0);
    EXPECT_EQ(factors, (std::vector<float>{1, 2}));
    EXPECT_EQ(positions, (std::vector<float>{3}));
    std::vector<Argb> colours = {7};
    EXPECT_EQ(empty.GetLinePresetBlend(colours, positions), 0);
    EXPECT_EQ(colours, (std::vector<Argb>{7}));
    // An empty factors array passes count 0, which GDI+ refuses.
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond));
    EXPECT_FALSE(brush.SetLineBlend({}, {}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    // Fewer positions than the count would be read past: refused before GDI+.
    LastGdiStatus = 0;
    EXPECT_FALSE(brush.SetLineBlend({0, 0.5f, 1}, {0, 1}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    LastGdiStatus = 0;
    EXPECT_FALSE(brush.SetLinePresetBlend({0xFF000000, 0xFFFFFFFF}, {0}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

std::vector<float> ElementsOf(const Matrix& matrix) {
    std::vector<float> elements;
    matrix.GetMatrixElements(elements);
    return elements;
}

TEST(LinearGradientTransform, CopiedIntoTheCallersMatrix) {
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrushFromRect({0, 0, 10, 10}, kFirst, kSecond));
    ASSERT_TRUE(brush.ResetLineTransform());
    ASSERT_TRUE(brush.ScaleLineTransform(2, 3));
    ASSERT_TRUE(brush.TranslateLineTransform(5, 7, 1));
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    void* handle = matrix.GetHandle();
    ASSERT_TRUE(brush.GetLineTransform(matrix));
    EXPECT_EQ(matrix.GetHandle(), handle);
    EXPECT_EQ(ElementsOf(matrix), (std::vector<float>{2, 0, 0, 3, 5, 7}));

    Matrix doubling;
    ASSERT_TRUE(doubling.CreateMatrix2(2, 0, 0, 2, 0, 0));
    ASSERT_TRUE(brush.MultiplyLineTransform(doubling));  // prepended: offsets stay
    ASSERT_TRUE(brush.GetLineTransform(matrix));
    EXPECT_EQ(ElementsOf(matrix), (std::vector<float>{4, 0, 0, 6, 5, 7}));

    ASSERT_TRUE(brush.SetLineTransform(doubling));
    ASSERT_TRUE(brush.GetLineTransform(matrix));
    EXPECT_TRUE(matrix.IsMatrixEqual(doubling));

    // Wine answers NotImplemented for GdipRotateLineTransform; the status
    // passes through.
    if (!brush.RotateLineTransform(90)) {
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::NotImplemented);
    }
}

int Red(Argb pixel) { return (pixel >> 16) & 0xFF; }
int Blue(Argb pixel) { return pixel & 0xFF; }

// A gradient over a 20-pixel square filling 20 x 40: it runs from the first
// colour to the second along its direction, is constant across it, and
// starts again (tiles) past the end of its rectangle.
TEST(LinearGradientDrawing, RunsFromFirstToSecondAndTiles) {
    struct Case {
        const char* name;
        bool vertical;
    } cases[] = {{"mode omitted (horizontal)", false}, {"vertical", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int along = 40, across = 20;
        const int width = c.vertical ? across : along, height = c.vertical ? along : across;
        LinearGradientBrush brush;
        ASSERT_TRUE(c.vertical ? brush.CreateLineBrushFromRect({0, 0, 20, 20}, kFirst, kSecond, 1)
                               : brush.CreateLineBrushFromRect({0, 0, 20, 20}, kFirst, kSecond));
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(width, height));
        Graphics graphics;
        ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
        ASSERT_TRUE(graphics.FillRectangleI(brush, 0, 0, width, height));
        // The pixel at distance `d` along the gradient and `a` across it.
        auto at = [&](int d, int a) { return c.vertical ? bitmap.BitmapGetPixel(a, d) : bitmap.BitmapGetPixel(d, a); };

        EXPECT_GT(Red(at(0, 10)), 230);
        EXPECT_LT(Blue(at(0, 10)), 25);
        EXPECT_LT(Red(at(19, 10)), 25);
        EXPECT_GT(Blue(at(19, 10)), 230);
        EXPECT_NEAR(Red(at(10, 10)), 128, 20);
        for (int d = 1; d < 20; ++d) {
            EXPECT_LE(Red(at(d, 10)), Red(at(d - 1, 10))) << d;
            EXPECT_EQ(at(d, 0), at(d, across - 1)) << d;
        }
        // Tiled: the second square repeats the first.
        for (int d = 0; d < 20; ++d) {
            EXPECT_EQ(at(d + 20, 5), at(d, 5)) << d;
        }
    }
}

TEST(SolidBrushTest, ColourAndClone) {
    SolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(0x80FF8000));
    EXPECT_EQ(brush.GetBrushType(), Gdiplus::BrushTypeSolidColor);
    EXPECT_EQ(brush.GetSolidFillColor(), 0x80FF8000u);
    ASSERT_TRUE(brush.SetSolidFillColor(0xFF000001));
    EXPECT_EQ(brush.GetSolidFillColor(), 0xFF000001u);

    SolidBrush copy;
    ASSERT_TRUE(brush.CloneBrush(copy));
    EXPECT_NE(copy.GetHandle(), brush.GetHandle());
    EXPECT_EQ(copy.NativeSolidFill(), copy.GetHandle());
    EXPECT_EQ(copy.NativeBrush(), copy.GetHandle());
    EXPECT_EQ(copy.GetSolidFillColor(), 0xFF000001u);

    SolidBrush empty;
    EXPECT_EQ(empty.GetSolidFillColor(), 0u);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

}  // namespace
}  // namespace gdiplus
