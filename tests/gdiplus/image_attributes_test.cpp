#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gdiplus/bitmap.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image_attributes.h"

namespace gdiplus {
namespace {

constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kGreen = 0xFF00FF00;
constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kWhite = 0xFFFFFFFF;

ColorMatrix Identity(float alpha = 1) {
    ColorMatrix matrix;
    for (int i = 0; i < 5; ++i) {
        matrix.m[i][i] = 1;
    }
    matrix.m[3][3] = alpha;
    return matrix;
}

// A red 4 x 4 picture drawn 1:1 onto white with the given attributes; the
// colour of one pixel of the result.
Argb DrawRedOnWhite(const ImageAttributes& attributes) {
    Bitmap source;
    EXPECT_TRUE(source.CreateBitmap(4, 4));
    Graphics sourceGraphics;
    EXPECT_TRUE(sourceGraphics.GetImageGraphicsContext(source));
    EXPECT_TRUE(sourceGraphics.GraphicsClear(kRed));
    Bitmap target;
    EXPECT_TRUE(target.CreateBitmap(4, 4));
    Graphics graphics;
    EXPECT_TRUE(graphics.GetImageGraphicsContext(target));
    EXPECT_TRUE(graphics.GraphicsClear(kWhite));
    EXPECT_TRUE(graphics.DrawImageRectRectI(source, 0, 0, 4, 4, 0, 0, 4, 4, Gdiplus::UnitPixel,
                                            &attributes));
    return target.BitmapGetPixel(1, 1);
}

// Each adjustment changes the drawing, and its Clear method undoes it.
TEST(ImageAttributesDrawing, SetAndClearPairs) {
    const std::vector<ColorMap> redToGreen = {{kRed, kGreen}};
    struct Case {
        const char* name;
        std::function<void(ImageAttributes&)> adjust;
        Argb expected;
    } cases[] = {
        {"no adjustment", [](ImageAttributes&) {}, kRed},
        {"colour key", [](ImageAttributes& a) { EXPECT_TRUE(a.SetImageAttributesColorKeys(kRed, kRed)); },
         kWhite},
        {"colour key cleared", [](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesColorKeys(kRed, kRed));
             EXPECT_TRUE(a.ClearImageAttributesColorKeys());
         }, kRed},
        {"remap", [&](ImageAttributes& a) { EXPECT_TRUE(a.SetImageAttributesRemapTable(redToGreen)); },
         kGreen},
        {"remap cleared", [&](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesRemapTable(redToGreen));
             EXPECT_TRUE(a.ClearImageAttributesRemapTable());
         }, kRed},
        {"remap with no-op", [&](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesRemapTable(redToGreen));
             EXPECT_TRUE(a.SetImageAttributesNoOp());
         }, kRed},
        {"no-op cleared", [&](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesRemapTable(redToGreen));
             EXPECT_TRUE(a.SetImageAttributesNoOp());
             EXPECT_TRUE(a.ClearImageAttributesNoOp());
         }, kGreen},
        {"matrix cleared", [](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesColorMatrix(Identity(0)));
             EXPECT_TRUE(a.ClearImageAttributesColorMatrix());
         }, kRed},
        {"reset", [&](ImageAttributes& a) {
             EXPECT_TRUE(a.SetImageAttributesRemapTable(redToGreen));
             EXPECT_TRUE(a.ResetImageAttributes());
         }, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.CreateImageAttributes());
        c.adjust(attributes);
        EXPECT_EQ(DrawRedOnWhite(attributes), c.expected);
    }
}

// The skin draws its caption buttons at an opacity through the alpha factor
// of a colour matrix: red at 40 % over white.
TEST(ImageAttributesDrawing, AlphaFactorDrawsAtThatOpacity) {
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    ASSERT_TRUE(attributes.SetImageAttributesColorMatrix(Identity(0.4f)));
    Argb pixel = DrawRedOnWhite(attributes);
    int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_EQ(red, 255);
    // 255 * (1 - 0.4) = 153 for the channels red does not have.
    EXPECT_NEAR(green, 153, 2);
    EXPECT_NEAR(blue, 153, 2);
}

// A never-created wrapper reaches GDI+ as "no attributes".
TEST(ImageAttributesDrawing, EmptyWrapperMeansNoAttributes) {
    ImageAttributes none;
    EXPECT_EQ(DrawRedOnWhite(none), kRed);
}

TEST(ImageAttributesLifecycle, DisposeCallsGdiplusEvenWithoutAnObject) {
    {
        ImageAttributes never;
        LastGdiStatus = 77;
    }  // destruction: one dispose call with the null handle
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);

    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    EXPECT_EQ(attributes.NativeImageAttributes(), attributes.GetHandle());
    EXPECT_TRUE(attributes.DisposeImageAttributes());
    EXPECT_EQ(attributes.GetHandle(), nullptr);
    EXPECT_EQ(attributes.NativeImageAttributes(), nullptr);
    LastGdiStatus = 77;
    EXPECT_FALSE(attributes.DisposeImageAttributes());
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(ImageAttributesLifecycle, CloneCarriesTheAdjustments) {
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    ASSERT_TRUE(attributes.SetImageAttributesRemapTable({{kRed, kBlue}}));
    ImageAttributes copy;
    ASSERT_TRUE(attributes.CloneImageAttributes(copy));
    EXPECT_NE(copy.GetHandle(), attributes.GetHandle());
    ASSERT_TRUE(attributes.DisposeImageAttributes());
    EXPECT_EQ(DrawRedOnWhite(copy), kBlue);
}

TEST(ImageAttributesPalette, AdjustedInPlace) {
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    ASSERT_TRUE(attributes.SetImageAttributesRemapTable({{kRed, kGreen}}, Gdiplus::ColorAdjustTypeBitmap));
    ColorPalette palette;
    palette.flags = Gdiplus::PaletteFlagsHasAlpha;
    palette.count = 3;
    palette.entries = {kBlue, kRed, kWhite};
    ASSERT_TRUE(attributes.GetImageAttributesAdjustedPalette(palette, Gdiplus::ColorAdjustTypeBitmap));
    EXPECT_EQ(palette.count, 3u);
    EXPECT_EQ(palette.entries, (std::vector<Argb>{kBlue, kGreen, kWhite}));
}

// A palette that claims more entries than it holds never reaches GDI+,
// which would read and write past the entries.
TEST(ImageAttributesPalette, CountBeyondEntriesIsRefused) {
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    ColorPalette palette;
    palette.count = 5;
    palette.entries = {kRed};
    EXPECT_FALSE(attributes.GetImageAttributesAdjustedPalette(palette));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(palette.entries, (std::vector<Argb>{kRed}));
}

// Adjustments whose effect the drawing tests do not show: GDI+ accepts the
// argument order we pass. Wine answers NotImplemented for the threshold,
// output channel and identity calls; the status passes through.
TEST(ImageAttributesSettings, StatusesPassThrough) {
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.CreateImageAttributes());
    struct Case {
        const char* name;
        std::function<bool()> call;
        int wineStatus;
    } cases[] = {
        {"gamma", [&] { return attributes.SetImageAttributesGamma(2.2f); }, Gdiplus::Ok},
        {"gamma cleared", [&] { return attributes.ClearImageAttributesGamma(); }, Gdiplus::Ok},
        {"wrap mode", [&] { return attributes.SetImageAttributesWrapMode(Gdiplus::WrapModeTileFlipX); }, Gdiplus::Ok},
        {"gray matrix", [&] {
             ColorMatrix gray = Identity();
             return attributes.SetImageAttributesColorMatrix(Identity(), &gray,
                                                             Gdiplus::ColorMatrixFlagsAltGray,
                                                             Gdiplus::ColorAdjustTypeBrush);
         }, Gdiplus::Ok},
        {"threshold", [&] { return attributes.SetImageAttributesThreshold(0.5f); }, Gdiplus::NotImplemented},
        {"threshold cleared", [&] { return attributes.ClearImageAttributesThreshold(); }, Gdiplus::NotImplemented},
        {"output channel", [&] { return attributes.SetImageAttributesOutputChannel(Gdiplus::ColorChannelFlagsC); },
         Gdiplus::NotImplemented},
        {"output channel cleared", [&] { return attributes.ClearImageAttributesOutputChannel(); },
         Gdiplus::NotImplemented},
        {"identity", [&] { return attributes.SetImageAttributesToIdentity(Gdiplus::ColorAdjustTypeBitmap); },
         Gdiplus::NotImplemented},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(), c.wineStatus == Gdiplus::Ok);
        EXPECT_EQ(LastGdiStatus.load(), c.wineStatus);
    }
}

}  // namespace
}  // namespace gdiplus
