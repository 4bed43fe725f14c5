#include "skin/theme.h"

#include <gtest/gtest.h>

#include "skin/module.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::ChannelDistance;
using fixtures::TestWindow;

TEST(AverageColour, OneColourPictureAndNonPictures) {
    const struct {
        const char* what;
        gdiplus::ByteBlock picture;
        Colour want;
    } cases[] = {
        {"one colour", fixtures::SolidPicture(0xFF336699), 0x996633},
        {"white", fixtures::SolidPicture(0xFFFFFFFF, 3, 3), 0xFFFFFF},
        {"bytes that are no picture", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}, 0},
        {"no bytes", {}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AverageColour(c.picture), c.want) << c.what;
    }
}

TEST(ThemeColours, DerivedFromTheBaseColour) {
    SetThemeColour(0xC06000);
    EXPECT_EQ(CurrentTheme().baseColour, 0xC06000u);
    EXPECT_EQ(CurrentTheme().textColour, 0xFFFFFFu);
    EXPECT_EQ(CurrentTheme().glowColour, 0u);
    SetThemeBackground(fixtures::SolidPicture(0xFFE0E0F0));
    EXPECT_EQ(CurrentTheme().baseColour, 0xF0E0E0u);
    EXPECT_EQ(CurrentTheme().textColour, 0u);
    EXPECT_EQ(CurrentTheme().glowColour, 0xFFFFFFu);
}

// Every skinned window hears 1025 then 1026 before the next one hears
// anything, also when the picture cannot be decoded.
TEST(ThemeNotification, EachWindowInOrderEvenForABadPicture) {
    TestWindow first, second;
    std::vector<HWND>& list = CurrentTheme().skinnedWindows;
    const std::vector<HWND> before = list;
    list.push_back(first);
    list.push_back(second);
    TestWindow::ThemeMessages().clear();

    SetThemeBackground({0x00, 0x01, 0x02});

    list = before;
    std::vector<fixtures::Seen> mine;
    for (const fixtures::Seen& seen : TestWindow::ThemeMessages()) {
        if (seen.window == first || seen.window == second) {
            mine.push_back(seen);
        }
    }
    const std::vector<fixtures::Seen> want = {{first, THEME_CHANGED_CAPTION},
                                              {first, THEME_CHANGED_FRAME},
                                              {second, THEME_CHANGED_CAPTION},
                                              {second, THEME_CHANGED_FRAME}};
    EXPECT_EQ(mine, want);
    EXPECT_EQ(CurrentTheme().baseColour, 0u) << "undecodable picture: black";
}

TEST(GradientBackground, LightTopRightBaseColourBottomLeft) {
    SetThemeColour(0xC06000);
    gdiplus::Bitmap& bg = CurrentTheme().background;
    ScreenSize screen = CurrentScreenSize();
    ASSERT_EQ(bg.GetImageWidth(), screen.width + 10);
    ASSERT_EQ(bg.GetImageHeight(), screen.height + 10);
    int w = bg.GetImageWidth(), h = bg.GetImageHeight();
    EXPECT_LE(ChannelDistance(bg.BitmapGetPixel(w - 1, 0), ToArgb(Lighten(0xC06000))), 3);
    EXPECT_LE(ChannelDistance(bg.BitmapGetPixel(0, h - 1), ToArgb(0xC06000)), 3);
    // The other diagonal runs through the middle of the blend.
    EXPECT_GT(ChannelDistance(bg.BitmapGetPixel(0, 0), ToArgb(0xC06000)), 20);
    EXPECT_GT(ChannelDistance(bg.BitmapGetPixel(0, 0), ToArgb(Lighten(0xC06000))), 20);
}

TEST(PictureBackground, UnscaledAtOriginWithFadedEdges) {
    constexpr int pw = 160, ph = 120;
    constexpr gdiplus::Argb kRed = 0xFFFF0000, kBlue = 0xFF0000FF;
    SetThemeBackground(fixtures::TwoHalvesPicture(kRed, kBlue, pw, ph));
    gdiplus::Argb average = ToArgb(CurrentTheme().baseColour);
    gdiplus::Bitmap& bg = CurrentTheme().background;
    ASSERT_EQ(bg.GetImageWidth(), CurrentScreenSize().width + 10);

    // The picture itself, away from the faded edges, pixel for pixel.
    EXPECT_EQ(bg.BitmapGetPixel(5, 5), kRed);
    EXPECT_EQ(bg.BitmapGetPixel(pw / 2 - 1, ph / 2), kRed);
    EXPECT_EQ(bg.BitmapGetPixel(pw / 2, ph / 2), kBlue);
    EXPECT_EQ(bg.BitmapGetPixel(pw - 55, 5), kBlue);
    // Beyond the picture: the average colour; so the picture was not stretched.
    EXPECT_LE(ChannelDistance(bg.BitmapGetPixel(pw + 20, ph + 20), average), 1);
    EXPECT_LE(ChannelDistance(bg.BitmapGetPixel(pw + 200, 5), average), 1);
    // The right and bottom edges fade toward the average.
    ASSERT_GT(ChannelDistance(kBlue, average), 100) << "the right half must differ from the average";
    gdiplus::Argb right = bg.BitmapGetPixel(pw - 2, 20);
    EXPECT_LT(ChannelDistance(right, average), ChannelDistance(kBlue, average) / 4) << std::hex << right;
    // GDI+ decides what the one-pixel reduction yields (Wine's is close to
    // one half's colour): look at the bottom under the half that differs more.
    bool redFar = ChannelDistance(kRed, average) > ChannelDistance(kBlue, average);
    gdiplus::Argb under = redFar ? kRed : kBlue;
    gdiplus::Argb bottom = bg.BitmapGetPixel(redFar ? 20 : pw - 60, ph - 2);
    EXPECT_LT(ChannelDistance(bottom, average), ChannelDistance(under, average) / 4) << std::hex << bottom;
    // Where the fades begin the picture still shows nearly unchanged.
    EXPECT_GT(ChannelDistance(bg.BitmapGetPixel(pw - 48, 20), average), ChannelDistance(kBlue, average) / 2);
}

struct PreparationJob {
    const gdiplus::ByteBlock* picture;
    PictureBackground* prepared;
};

DWORD WINAPI PrepareElsewhere(void* parameter) {
    auto* job = static_cast<PreparationJob*>(parameter);
    PreparePictureBackground(*job->picture, *job->prepared);
    return 0;
}

// The program prepares its picture background on a second thread while the
// window is created: what it makes there must be what this thread makes,
// for a JPEG (the embedded picture's kind) as for a PNG, and setting it
// hands the bitmap over to the theme.
TEST(PictureBackground, PreparedOnAnotherThreadAsOnThisOne) {
    const gdiplus::TextValue kJpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";  // the format
    const gdiplus::ByteBlock png = fixtures::TwoHalvesPicture(0xFF204080, 0xFFC0A060, 120, 90);
    gdiplus::Bitmap decoded;
    decoded.CreateBitmapFromBytes(png);
    const struct {
        const char* what;
        gdiplus::ByteBlock picture;
    } kinds[] = {{"png", png}, {"jpeg", decoded.SaveImageToBytes(kJpeg)}};
    decoded.DisposeImage();

    for (const auto& kind : kinds) {
        ASSERT_FALSE(kind.picture.empty()) << kind.what;
        PictureBackground here, there;
        PreparePictureBackground(kind.picture, here);
        PreparationJob job{&kind.picture, &there};
        HANDLE thread = CreateThread(nullptr, 0, PrepareElsewhere, &job, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);

        EXPECT_NE(there.average, 0u) << kind.what << ": the picture was not decoded there";
        EXPECT_EQ(there.average, here.average) << kind.what;
        EXPECT_EQ(there.screenWidth, here.screenWidth) << kind.what;
        ASSERT_EQ(there.background.GetImageWidth(), here.background.GetImageWidth()) << kind.what;
        for (const POINT p : {POINT{10, 10}, POINT{100, 45}, POINT{118, 88}, POINT{300, 200}}) {
            EXPECT_EQ(there.background.BitmapGetPixel(p.x, p.y), here.background.BitmapGetPixel(p.x, p.y))
                << kind.what << " at " << p.x << "," << p.y;
        }

        void* const handle = there.background.GetHandle();
        SetThemeBackground(there);
        EXPECT_EQ(CurrentTheme().background.GetHandle(), handle) << kind.what;
        EXPECT_EQ(there.background.GetHandle(), nullptr) << kind.what;
        EXPECT_EQ(CurrentTheme().baseColour, here.average) << kind.what;
        EXPECT_EQ(CurrentTheme().backgroundPicture, kind.picture) << kind.what;
    }
}

ScreenSize fakeScreen;
ScreenSize FakeScreen() { return fakeScreen; }

// A display change re-renders only for a wider screen than the last rendering.
TEST(BackgroundOnDisplayChange, OnlyAWiderScreenRendersAgain) {
    const struct {
        const char* what;
        void (*render)(bool force);
        void (*set)();
    } kinds[] = {
        {"gradient", [](bool force) { RenderGradientBackground(0x336699, force); },
         [] { SetThemeColour(0x336699); }},
        {"picture", [](bool force) { RenderPictureBackground(force); },
         [] { SetThemeBackground(fixtures::SolidPicture(0xFF808040)); }},
    };
    const struct {
        int width, height;
        bool rendersAgain;
    } screens[] = {{800, 600, false}, {640, 480, false}, {800, 700, false}, {1000, 500, true}};

    for (const auto& kind : kinds) {
        fakeScreen = {800, 600};
        SetScreenSizeSource(FakeScreen);
        kind.set();
        for (const auto& screen : screens) {
            // A mark that only a new rendering removes.
            constexpr gdiplus::Argb kMark = 0x12345678;
            CurrentTheme().background.BitmapSetPixel(0, 0, kMark);
            fakeScreen = {screen.width, screen.height};
            kind.render(false);
            bool rendered = CurrentTheme().background.BitmapGetPixel(0, 0) != kMark;
            EXPECT_EQ(rendered, screen.rendersAgain) << kind.what << " " << screen.width;
            if (rendered) {
                EXPECT_EQ(CurrentTheme().background.GetImageWidth(), screen.width + 10) << kind.what;
                EXPECT_EQ(CurrentTheme().background.GetImageHeight(), screen.height + 10) << kind.what;
            }
        }
    }
    SetScreenSizeSource(nullptr);
    SetThemeColour(0xC06000);
}

// The engine answers a display change with the picture rendering; after a
// colour was set instead of a picture, that must give the colour's gradient,
// not an old picture nor the black of no picture.
TEST(BackgroundOnDisplayChange, AColourThemeStaysItsGradient) {
    fakeScreen = {640, 480};
    SetScreenSizeSource(FakeScreen);
    SetThemeBackground(fixtures::SolidPicture(0xFF808040));
    SetThemeColour(0x336699);
    fakeScreen = {800, 600};
    RenderPictureBackground(false);
    const gdiplus::Argb shown = CurrentTheme().background.BitmapGetPixel(400, 300);
    EXPECT_EQ(CurrentTheme().background.GetImageWidth(), 810);
    RenderGradientBackground(0x336699, true);
    EXPECT_EQ(shown, CurrentTheme().background.BitmapGetPixel(400, 300)) << std::hex << shown;
    SetScreenSizeSource(nullptr);
    SetThemeColour(0xC06000);
}

}  // namespace
}  // namespace skin
