#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drawing_fixtures.h"
#include "gdiplus/font.h"
#include "gdiplus/region.h"
#include "gdiplus/solid_brush.h"
#include "gdiplus/string_format.h"

namespace gdiplus {
namespace {

using namespace fixtures;

// The caption face of the program; the test prefix substitutes it.
const TextValue kFace = "宋体";

struct TextCanvas : Canvas {
    Font font;
    SolidBrush black;
    TextCanvas() : Canvas(120, 40) {
        EXPECT_TRUE(font.CreateFontFromName(kFace, 16, 0, Gdiplus::UnitPixel));
        EXPECT_TRUE(black.CreateSolidFill(0xFF000000));
    }
    // The bounds of every pixel that is not white; width 0 when none.
    Rect Ink() const {
        int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                if (At(x, y) != kWhite) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return right < 0 ? Rect{} : Rect{left, top, right - left + 1, bottom - top + 1};
    }
};

TEST(GraphicsText, MeasureAgainstTheOmittedLayout) {
    TextCanvas canvas;
    RectF omitted, zero, wide;
    ASSERT_TRUE(canvas.graphics.MeasureString("Hello", canvas.font, omitted));
    ASSERT_TRUE(canvas.graphics.MeasureString("Hello", canvas.font, zero, RectF{0, 0, 0, 0}));
    ASSERT_TRUE(canvas.graphics.MeasureString("Hello", canvas.font, wide, RectF{0, 0, 1000, 1000}));
    EXPECT_GT(omitted.width, 10.0f);
    EXPECT_GT(omitted.height, 10.0f);
    EXPECT_EQ(omitted.x, 0.0f);
    EXPECT_EQ(omitted.width, zero.width);
    EXPECT_EQ(omitted.height, zero.height);
    // No limit: the same as in a rectangle far larger than the text.
    EXPECT_EQ(omitted.width, wide.width);

    // A longer text measures wider; a narrow layout wraps it into more lines.
    RectF longer, narrow;
    ASSERT_TRUE(canvas.graphics.MeasureString("Hello Hello", canvas.font, longer));
    EXPECT_GT(longer.width, omitted.width);
    ASSERT_TRUE(canvas.graphics.MeasureString("Hello Hello", canvas.font, narrow, RectF{0, 0, omitted.width + 2, 0}));
    EXPECT_GT(narrow.height, omitted.height * 1.5f);
}

TEST(GraphicsText, DrawStringInksInsideTheMeasuredBox) {
    TextCanvas canvas;
    const RectF layout{10, 5, 0, 0};
    RectF box;
    ASSERT_TRUE(canvas.graphics.MeasureString("Wg", canvas.font, box, layout));
    ASSERT_TRUE(canvas.graphics.DrawString("Wg", canvas.font, canvas.black, layout));
    Rect ink = canvas.Ink();
    ASSERT_GT(ink.width, 0) << "no ink";
    EXPECT_GE(ink.x, static_cast<int>(box.x));
    EXPECT_GE(ink.y, static_cast<int>(box.y));
    EXPECT_LE(ink.x + ink.width, static_cast<int>(box.x + box.width) + 1);
    EXPECT_LE(ink.y + ink.height, static_cast<int>(box.y + box.height) + 1);
}

TEST(GraphicsText, EmptyFontOrBrushDrawsNothing) {
    TextCanvas canvas;
    Font noFont;
    SolidBrush noBrush;
    EXPECT_FALSE(canvas.graphics.DrawString("A", noFont, canvas.black));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(canvas.graphics.DrawString("A", canvas.font, noBrush));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(canvas.Ink().width, 0);
}

TEST(GraphicsText, MeasureCharacterRangesFillsOneRegionPerRange) {
    TextCanvas canvas;
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges({{0, 2}, {4, 3}}));
    std::vector<Region> regions(5);  // replaced by exactly two
    ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges("ABCDEFG", canvas.font, 2, regions, RectF{0, 0, 200, 40},
                                                       &format));
    ASSERT_EQ(regions.size(), 2u);
    RectF first = regions[0].GetRegionBounds(canvas.graphics);
    RectF second = regions[1].GetRegionBounds(canvas.graphics);
    EXPECT_GT(first.width, 0.0f);
    EXPECT_GT(second.width, first.width);  // three characters against two
    EXPECT_GT(second.x, first.x + first.width);  // "C D" lie between them
    EXPECT_NE(regions[0].GetHandle(), regions[1].GetHandle());
}

// Every counted range gets a region of its own, also past the format's ranges.
TEST(GraphicsText, MeasureCharacterRangesMakesARegionPerCount) {
    TextCanvas canvas;
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges({{0, 1}}));
    std::vector<Region> regions;
    bool ok = canvas.graphics.MeasureCharacterRanges("AB", canvas.font, 3, regions, RectF{0, 0, 100, 40}, &format);
    EXPECT_EQ(ok, LastGdiStatus.load() == Gdiplus::Ok);
    ASSERT_EQ(regions.size(), 3u);
    for (const Region& region : regions) {
        EXPECT_NE(region.GetHandle(), nullptr);
    }
    EXPECT_NE(regions[0].GetHandle(), regions[2].GetHandle());

    std::vector<Region> none(2);
    ok = canvas.graphics.MeasureCharacterRanges("AB", canvas.font, 0, none);
    EXPECT_EQ(ok, LastGdiStatus.load() == Gdiplus::Ok);
    EXPECT_TRUE(none.empty());
}

TEST(GraphicsText, DriverStringNeedsAPositionPerCharacter) {
    TextCanvas canvas;
    // Flags omitted: character-map lookup, one position per character.
    ASSERT_TRUE(canvas.graphics.DrawDriverString("AB", canvas.font, canvas.black, {{10, 25}, {30, 25}}));
    Rect ink = canvas.Ink();
    ASSERT_GT(ink.width, 0);
    EXPECT_GE(ink.x, 9);
    EXPECT_GT(ink.x + ink.width, 31);  // the second character starts at 30

    // Too few positions would make GDI+ read past the array.
    TextCanvas other;
    LastGdiStatus = -1;
    EXPECT_FALSE(other.graphics.DrawDriverString("ABC", other.font, other.black, {{10, 25}}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(other.Ink().width, 0);
    // With realized advance one starting position is enough.
    EXPECT_TRUE(other.graphics.DrawDriverString(
        "ABC", other.font, other.black, {{10, 25}},
        Gdiplus::DriverStringOptionsCmapLookup | Gdiplus::DriverStringOptionsRealizedAdvance));
    EXPECT_GT(other.Ink().width, 0);
}

}  // namespace
}  // namespace gdiplus
