#include <gtest/gtest.h>

#include <cstring>

#include "drawing_fixtures.h"
#include "gdiplus/font.h"
#include "gdiplus/font_family.h"

namespace gdiplus {
namespace {

const TextValue kFace = "宋体";

// A memory DC with a GDI font of the test prefix selected into it.
struct FontDC {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, kFace.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    ~FontDC() {
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    }
};

TEST(FontCreate, FromNameWithStyleAndUnitOmitted) {
    Font font;
    ASSERT_TRUE(font.CreateFontFromName(kFace, 12.5f));
    EXPECT_EQ(font.NativeFont(), font.GetHandle());
    EXPECT_EQ(font.GetFontStyle(), Gdiplus::FontStyleRegular);
    EXPECT_EQ(font.GetFontUnit(), Gdiplus::UnitWorld);
    EXPECT_EQ(font.GetFontSize(), 12.5f);

    Font bold;
    ASSERT_TRUE(bold.CreateFontFromName(kFace, 9, Gdiplus::FontStyleBold | Gdiplus::FontStyleUnderline,
                                        Gdiplus::UnitPoint));
    EXPECT_EQ(bold.GetFontStyle(), Gdiplus::FontStyleBold | Gdiplus::FontStyleUnderline);
    EXPECT_EQ(bold.GetFontUnit(), Gdiplus::UnitPoint);
}

// The status is that of the font creation (no family), not of the lookup.
TEST(FontCreate, FromAnUnknownNameFailsEmpty) {
    Font font;
    EXPECT_FALSE(font.CreateFontFromName("No Such Family 123", 12));
    EXPECT_EQ(font.GetHandle(), nullptr);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(FontCreate, FromFamily) {
    FontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName(kFace));
    Font font;
    ASSERT_TRUE(font.CreateFont(family, 20, Gdiplus::FontStyleItalic, Gdiplus::UnitPixel));
    EXPECT_EQ(font.GetFontStyle(), Gdiplus::FontStyleItalic);
    EXPECT_EQ(font.GetFontSize(), 20.0f);
    FontFamily back;
    ASSERT_TRUE(font.GetFamily(back));
    EXPECT_EQ(back.GetFamilyName(), family.GetFamilyName());
    back.DeleteFontFamily();
    family.DeleteFontFamily();

    FontFamily none;
    Font failed;
    EXPECT_FALSE(failed.CreateFont(none, 12));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

// Without a font handle or LOGFONTA the DC's selected font is taken; with
// one, that font.
TEST(FontCreate, FromDeviceContextHfontAndLogfont) {
    FontDC dc;
    struct Case {
        const char* name;
        bool (*create)(Font&, const FontDC&);
    };
    const Case selected[] = {
        {"FromDC", [](Font& f, const FontDC& d) { return f.CreateFontFromDC(d.dc); }},
        {"FromHfont 0", [](Font& f, const FontDC& d) { return f.CreateFontFromHfont(d.dc, nullptr); }},
        {"FromLogfontA 0", [](Font& f, const FontDC& d) { return f.CreateFontFromLogfontA(d.dc, nullptr); }},
    };
    float selectedSize = 0;
    for (const Case& c : selected) {
        SCOPED_TRACE(c.name);
        Font font;
        ASSERT_TRUE(c.create(font, dc)) << LastGdiStatus.load();
        EXPECT_EQ(font.GetFontStyle() & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
        if (selectedSize == 0) {
            selectedSize = font.GetFontSize();
        }
        EXPECT_EQ(font.GetFontSize(), selectedSize);
    }
    ASSERT_GT(selectedSize, 0.0f);

    // A 30-pixel italic font: larger than the selected 20-pixel one.
    HFONT other = CreateFontA(-30, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, kFace.c_str());
    Font fromHfont;
    ASSERT_TRUE(fromHfont.CreateFontFromHfont(dc.dc, other));
    EXPECT_NEAR(fromHfont.GetFontSize() / selectedSize, 1.5f, 0.1f);
    EXPECT_EQ(fromHfont.GetFontStyle(), Gdiplus::FontStyleItalic);

    LOGFONTA logFont = {};
    ASSERT_NE(GetObjectA(other, sizeof(logFont), &logFont), 0);
    Font fromLogfont;
    ASSERT_TRUE(fromLogfont.CreateFontFromLogfontA(dc.dc, &logFont));
    EXPECT_EQ(fromLogfont.GetFontSize(), fromHfont.GetFontSize());
    DeleteObject(other);

    // A GDI object that is not a font is not read as one: the DC's font.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    Font notAFont;
    ASSERT_TRUE(notAFont.CreateFontFromHfont(dc.dc, reinterpret_cast<HFONT>(brush)));
    EXPECT_EQ(notAFont.GetFontSize(), selectedSize);
    DeleteObject(brush);
}

TEST(FontCreate, DefaultGuiFont) {
    Font font;
    ASSERT_TRUE(font.CreateDefaultGuiFont()) << LastGdiStatus.load();
    EXPECT_GT(font.GetFontSize(), 0.0f);
}

TEST(FontQueries, CloneHeightAndLogFont) {
    Font font;
    ASSERT_TRUE(font.CreateFontFromName(kFace, 20, Gdiplus::FontStyleBold, Gdiplus::UnitPixel));
    Font clone;
    ASSERT_TRUE(font.CloneFont(clone));
    EXPECT_NE(clone.GetHandle(), font.GetHandle());
    EXPECT_EQ(clone.GetFontSize(), 20.0f);

    float height = font.GetFontHeight();
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
    EXPECT_GT(height, 20.0f);  // the line spacing exceeds the em size
    // In pixels the DPI does not matter.
    EXPECT_FLOAT_EQ(font.GetFontHeightGivenDPI(96), height);
    EXPECT_FLOAT_EQ(font.GetFontHeightGivenDPI(192), height);

    fixtures::Canvas canvas(4, 4);
    EXPECT_FLOAT_EQ(font.GetFontHeight(&canvas.graphics), height);
    LOGFONTA logFont = {};
    ASSERT_TRUE(font.GetLogFontA(canvas.graphics, logFont));
    EXPECT_EQ(logFont.lfHeight, -20);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_GT(std::strlen(logFont.lfFaceName), 0u);
}

TEST(FontQueries, EmptyFont) {
    Font font;
    LastGdiStatus = 99;
    EXPECT_FALSE(font.DeleteFont());
    EXPECT_EQ(LastGdiStatus.load(), 99);  // no call made
    EXPECT_EQ(font.GetFontSize(), 0.0f);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(font.GetFontStyle(), 0);
    Font target;
    EXPECT_FALSE(font.CloneFont(target));
    EXPECT_EQ(target.GetHandle(), nullptr);
}

}  // namespace
}  // namespace gdiplus
