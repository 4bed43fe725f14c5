// The caption bar and its text helpers, read back from the bitmaps.
#include <gtest/gtest.h>

#include <thread>

#include "skin/caption_text.h"
#include "skin/module.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::Alpha;
using fixtures::ChannelDistance;
using fixtures::PumpMessages;
using fixtures::TestWindow;
using gdiplus::Argb;

// The smallest box holding every pixel with some alpha; empty (width 0)
// when there is none.
AreaRecord InkBox(const gdiplus::Bitmap& image, int fromX = 0, int toX = -1) {
    const int w = toX < 0 ? image.GetImageWidth() : toX, h = image.GetImageHeight();
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = fromX; x < w; ++x) {
            if (Alpha(image.BitmapGetPixel(x, y)) > 0) {
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? AreaRecord{} : AreaRecord{left, top, right - left + 1, bottom - top + 1};
}

TEST(TitleRect, PlacesTheTitleBesideTheIcon) {
    const struct {
        AreaRecord box;
        bool icon;
        AreaRecord expected;
    } cases[] = {
        {{0, 0, 60, 16}, true, {28, 7, 63, 16}},
        {{0, 0, 60, 16}, false, {10, 7, 63, 16}},
        {{0, 0, 100, 17}, true, {28, 6, 106, 17}},  // 15 - 8.5 = 6.5, truncated
        {{0, 0, 300, 16}, true, {28, 7, 318, 16}},   // no limit given: never cut
    };
    for (const auto& c : cases) {
        AreaRecord r = TitleRect(c.box, c.icon);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.width, c.expected.width);
        EXPECT_EQ(r.height, c.expected.height);
    }
}

// A title wider than the room left of the caption buttons is cut at them.
TEST(TitleRect, StopsAtTheButtons) {
    const struct {
        AreaRecord box;
        int rightLimit;
        int expectedWidth;
    } cases[] = {
        {{0, 0, 230, 16}, 216, 188},  // 28 + 243 would run under the buttons
        {{0, 0, 60, 16}, 216, 63},    // fits: untouched
        {{0, 0, 60, 16}, 20, 0},      // no room at all
    };
    for (const auto& c : cases) {
        AreaRecord r = TitleRect(c.box, true, c.rightLimit);
        EXPECT_EQ(r.x, 28);
        EXPECT_EQ(r.width, c.expectedWidth);
    }
}

// The long program title is shortened by whole characters and ends in "...".
TEST(FitTitle, ShortensByWholeCharactersToTheLimit) {
    TextOptions bold;
    bold.bold = true;
    const TextValue title = "Varocel文件夹加密大师byQuessel";
    const int limit = 216;  // the 326-wide window's buttons start at 220
    const TextValue fitted = FitTitle(title, bold, true, limit).text;
    ASSERT_GE(fitted.size(), 4u);
    EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
    const TextValue kept = fitted.substr(0, fitted.size() - 3);
    EXPECT_EQ(title.compare(0, kept.size(), kept), 0);
    // Whole characters only: the kept part never ends in a lead byte.
    std::size_t i = 0;
    while (i < kept.size()) i += IsDBCSLeadByte(static_cast<BYTE>(kept[i])) ? 2 : 1;
    EXPECT_EQ(i, kept.size());
    const AreaRecord rect = TitleRect(MeasureText(fitted, bold), true);
    EXPECT_LE(rect.x + rect.width, limit);
    // And the longest such beginning: one character more no longer fits.
    ASSERT_LT(kept.size(), title.size());
    const std::size_t next = kept.size() + (IsDBCSLeadByte(static_cast<BYTE>(title[kept.size()])) ? 2 : 1);
    const AreaRecord longer = TitleRect(MeasureText(title.substr(0, next) + "...", bold), true);
    EXPECT_GT(longer.x + longer.width, limit);
    EXPECT_EQ(FitTitle("dotlock", bold, true, limit).text, "dotlock");  // fits: untouched
}

TEST(MeasureText, SizesBelowTenCountAsTwelve) {
    const TextValue text = "Varocel 文件夹";
    auto measure = [&](int size) {
        TextOptions options;
        options.size = size;
        return MeasureText(text, options);
    };
    const AreaRecord twelve = measure(12), nine = measure(9), ten = measure(10);
    ASSERT_GT(twelve.width, 0);
    EXPECT_EQ(nine.width, twelve.width);
    EXPECT_EQ(nine.height, twelve.height);
    EXPECT_LT(ten.width, twelve.width);
    // Line limit lets text wrap, but a box without limits never needs to.
    TextOptions limited;
    limited.lineLimit = true;
    EXPECT_EQ(MeasureText(text, limited).width, twelve.width);
    EXPECT_EQ(MeasureText("").width, 0);
}

TEST(DrawGlowText, LightTextOverADarkSoftOutline) {
    gdiplus::Bitmap target;
    target.CreateBitmap(120, 60);
    const AreaRecord rect{10, 35, 80, 20};
    DrawGlowText(target, rect, "Glow 光", kWhite, kBlack);
    int text = 0, glow = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 120; ++x) {
            const Argb p = target.BitmapGetPixel(x, y);
            const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            text += Alpha(p) >= 200 && r > 230 && g > 230 && b > 230;
            glow += Alpha(p) > 0 && Alpha(p) <= 150 && r < 80 && g < 80 && b < 80;
        }
    }
    EXPECT_GT(text, 10) << "white text at alpha 230";
    EXPECT_GT(glow, 10) << "a halo of the glow colour, at most alpha 150";
    // Everything lands in the layer at the rectangle: width + 5 %.
    const AreaRecord ink = InkBox(target);
    EXPECT_GE(ink.x, rect.x);
    EXPECT_GE(ink.y, rect.y);
    EXPECT_LE(ink.x + ink.width, rect.x + 84);
    EXPECT_LE(ink.y + ink.height, rect.y + rect.height);
    target.DisposeImage();
}

TEST(DrawGlowText, ClipTopKeepsTheCaptionRowsFree) {
    for (bool clipTop : {false, true}) {
        gdiplus::Bitmap target;
        target.CreateBitmap(120, 60);
        DrawGlowText(target, {10, 20, 80, 20}, "Glow", kWhite, kBlack, {}, clipTop);
        const AreaRecord ink = InkBox(target);
        ASSERT_GT(ink.height, 0) << clipTop;
        EXPECT_EQ(ink.y >= 30, clipTop) << "first inked row " << ink.y;
        target.DisposeImage();
    }
    gdiplus::Bitmap target;
    target.CreateBitmap(20, 20);
    DrawGlowText(target, {0, 0, 20, 20}, "", kWhite, kBlack);
    EXPECT_EQ(InkBox(target).width, 0) << "an empty text draws nothing";
    target.DisposeImage();
}

class CaptionBar : public ::testing::Test {
protected:
    void SetUp() override { SetThemeColour(0xC06000); }
    void Attach(const std::optional<gdiplus::ByteBlock>& icon, bool plain) {
        engine.SetPlainCaption(plain);
        ASSERT_EQ(engine.Attach(window, icon, false), "");
        PumpMessages();
        ASSERT_EQ(engine.captionImage.GetImageWidth(), CurrentScreenSize().width + 10);
        ASSERT_EQ(engine.captionImage.GetImageHeight(), 30);
    }
    Argb Pixel(int x, int y) const { return engine.captionImage.BitmapGetPixel(x, y); }
    int StripWidth() const { return engine.captionImage.GetImageWidth(); }

    TestWindow window{326, 257};
    SkinEngine engine;
};

TEST_F(CaptionBar, GlossBandsUnlessPlain) {
    Attach(std::nullopt, false);
    // One mix with white of 0xC06000 is 0xDFAF7F. Band 1 runs from alpha 40
    // to 80 over its 15 rows, band 2 from 80 to 140, each brush repeating.
    // Rows 0 and 29 lie exactly on a repeat boundary, where this GDI+ gives
    // the far colour; they are left out.
    const int x = StripWidth() - 3;
    for (int y = 1; y < 29; ++y) {
        const Argb p = Pixel(x, y);
        const double expected = y < 15 ? 40 + 40.0 * y / 15 : 80 + 60.0 * (y - 14) / 15;
        EXPECT_NEAR(Alpha(p), expected, 2) << "row " << y;
        EXPECT_LE(ChannelDistance(p | 0xFF000000, 0xFF7FAFDF), 6) << "row " << y << " " << std::hex << p;
    }
    EXPECT_EQ(Pixel(x, 5), Pixel(300, 5)) << "the bands run the strip's whole width";

    engine.SetPlainCaption(true);
    SendMessageA(window, THEME_CHANGED_CAPTION, 0, 0);
    EXPECT_EQ(Alpha(Pixel(x, 5)), 0);
    EXPECT_EQ(Alpha(Pixel(x, 20)), 0);
}

// Attached to a window that is already showing, the engine learns the
// window's width only after the first caption: a long title must still stop
// short of the buttons once it is known.
TEST_F(CaptionBar, LongTitleOfAShowingWindowStopsShortOfTheButtons) {
    SetWindowTextA(window, "Varocel文件夹加密大师byQuessel");
    Attach(gdiplus::ByteBlock{0}, true);
    const int buttonsLeft = 326 - kButtonTileLeft[kMinimizeButton];
    EXPECT_GT(InkBox(engine.captionImage, 28, buttonsLeft).width, 100) << "the title is drawn";
    EXPECT_EQ(InkBox(engine.captionImage, buttonsLeft, StripWidth()).width, 0);
}

// The title sits at x 28 beside an icon place, at x 10 when there is no
// icon data; so left of 26 only the icon can leave ink when there is data.
TEST_F(CaptionBar, IconFromTheWindowFromPictureBytesOrNone) {
    const Argb green = 0xFF00C000;
    const struct {
        const char* what;
        std::optional<gdiplus::ByteBlock> icon;
        bool iconInk;
        std::optional<Argb> colour;
    } cases[] = {
        {"the window's small icon", gdiplus::ByteBlock{0}, true, std::nullopt},
        {"picture bytes", fixtures::SolidPicture(green, 32, 32), true, green},
        {"bytes that are no picture", gdiplus::ByteBlock{1, 2, 3}, false, std::nullopt},
    };
    for (const auto& c : cases) {
        engine.Detach();
        Attach(c.icon, true);
        const AreaRecord ink = InkBox(engine.captionImage, 0, 26);
        if (!c.iconInk) {
            EXPECT_EQ(ink.width, 0) << c.what;
            continue;
        }
        EXPECT_GT(ink.width, 4) << c.what;
        EXPECT_GE(ink.x, 8) << c.what;
        EXPECT_GE(ink.y, 7) << c.what;
        EXPECT_LE(ink.x + ink.width, 24) << c.what;
        EXPECT_LE(ink.y + ink.height, 23) << c.what;
        if (c.colour) {
            EXPECT_EQ(Pixel(16, 15), *c.colour) << c.what;
        }
    }
    engine.Detach();
    Attach(std::nullopt, true);
    const AreaRecord ink = InkBox(engine.captionImage);
    EXPECT_GE(ink.x, 10) << "no icon data: the title moves left";
    EXPECT_LT(ink.x, 20);
}

TEST_F(CaptionBar, TitleInItsRectangleWhereverTheIconIs) {
    for (bool icon : {true, false}) {
        engine.Detach();
        Attach(icon ? std::optional<gdiplus::ByteBlock>(fixtures::SolidPicture(0xFF00C000, 16, 16)) : std::nullopt,
               true);
        SetWindowTextA(window, "Title 标题");
        TextOptions bold;
        bold.bold = true;
        const AreaRecord rect = TitleRect(MeasureText("Title 标题", bold), icon);
        const AreaRecord ink = InkBox(engine.captionImage, icon ? 25 : 0);
        ASSERT_GT(ink.width, 20) << icon;
        EXPECT_GE(ink.x, rect.x) << icon;
        EXPECT_LE(ink.x + ink.width, rect.x + rect.width * 105 / 100 + 1) << icon;
        EXPECT_GE(ink.y, rect.y) << icon;
        EXPECT_LE(ink.y + ink.height, rect.y + rect.height) << icon;
        // The title is not cut: it reaches well past its first half.
        EXPECT_GT(ink.x + ink.width, rect.x + rect.width * 3 / 4) << icon;
    }
}

TEST_F(CaptionBar, EmptyTitleOrHiddenCaptionKeepsTheStrip) {
    Attach(std::nullopt, true);
    auto titleInk = [&] { return InkBox(engine.captionImage).width; };
    SetWindowTextA(window, "a rather long title");
    const int longTitle = titleInk();
    SetWindowTextA(window, "");
    EXPECT_EQ(titleInk(), longTitle) << "an empty title keeps the strip";
    SetWindowTextA(window, "short");
    const int shortTitle = titleInk();
    EXPECT_LT(shortTitle, longTitle - 20) << "a title rebuilds it";
    engine.SetCaptionHidden(true);
    SetWindowTextA(window, "a rather long title");
    EXPECT_EQ(titleInk(), shortTitle) << "a hidden caption keeps the strip";
}

// A window without a small icon: the message box comes once per build, and
// the caption is built all the same, without an icon.
TEST_F(CaptionBar, MissingIconIsReportedAndTheTitleStillDrawn) {
    SendMessageA(window, WM_SETICON, ICON_SMALL, 0);
    std::wstring text;
    int boxes = 0;
    std::thread answer([&] {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 10000) {
            HWND box = FindWindowW(L"#32770", L"自界面引擎的错误");
            if (box != nullptr) {
                ++boxes;
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    wchar_t buffer[128] = {};
                    GetWindowTextW(child, buffer, 128);
                    if (buffer[0] != 0 && GetDlgCtrlID(child) != IDOK) text = buffer;
                }
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(30);
        }
    });
    engine.SetPlainCaption(true);
    const TextValue result = engine.Attach(window, gdiplus::ByteBlock{0}, false);
    answer.join();
    EXPECT_EQ(result, "");
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, L"无法获取实例窗口的窗口句柄.");
    EXPECT_EQ(InkBox(engine.captionImage, 0, 26).width, 0) << "no icon";
    EXPECT_GT(InkBox(engine.captionImage, 26).width, 10) << "the title";
}

}  // namespace
}  // namespace skin
