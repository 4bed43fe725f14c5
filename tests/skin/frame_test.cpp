// The composed frame, read back pixel by pixel from the back buffer.
#include <gtest/gtest.h>

#include <vector>

#include "skin/module.h"
#include "skin/skin_engine.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::PumpMessages;
using fixtures::TestWindow;

constexpr gdiplus::Argb kBorder = 0xFF436090;
constexpr gdiplus::Argb kHighlight = 0xFFFFFFFF;
constexpr int W = 326, H = 257;

std::vector<std::uintptr_t> paintArguments;
int paintCalls = 0;
void __stdcall RecordPaint(std::uintptr_t a, std::uintptr_t b, std::uintptr_t c, std::uintptr_t d, std::uintptr_t e,
                           std::uintptr_t f, std::uintptr_t g, std::uintptr_t h, std::uintptr_t i, std::uintptr_t j) {
    ++paintCalls;
    paintArguments = {a, b, c, d, e, f, g, h, i, j};
}

class Composition : public ::testing::Test {
protected:
    void SetUp() override {
        SetThemeColour(0xC06000);
        paintCalls = 0;
    }
    void Attach(bool resizable) {
        // The caption bar has tests of its own; without it the frame lies
        // on the bare background.
        engine.SetCaptionHidden(true);
        ASSERT_EQ(engine.Attach(window, std::nullopt, resizable), "");
        PumpMessages();
        ASSERT_EQ(engine.width, W);
        ASSERT_EQ(engine.height, H);
    }
    gdiplus::Argb Pixel(int x, int y) const { return engine.backBuffer.BitmapGetPixel(x, y); }
    gdiplus::Argb Background(int x, int y) const { return CurrentTheme().background.BitmapGetPixel(x, y); }

    TestWindow window{W, H};
    SkinEngine engine;
};

TEST_F(Composition, BorderHighlightAndRoundedCorners) {
    Attach(false);
    const struct {
        const char* where;
        int x, y;
    } edges[] = {{"top", W / 2, 0}, {"bottom", W / 2, H - 1}, {"left", 0, H / 2}, {"right", W - 1, H / 2}};
    for (const auto& e : edges) {
        EXPECT_EQ(Pixel(e.x, e.y), kBorder) << e.where << " edge";
        int ix = e.x == 0 ? 1 : e.x == W - 1 ? W - 2 : e.x;
        int iy = e.y == 0 ? 1 : e.y == H - 1 ? H - 2 : e.y;
        EXPECT_EQ(Pixel(ix, iy), kHighlight) << e.where << " highlight";
        int jx = e.x == 0 ? 2 : e.x == W - 1 ? W - 3 : e.x;
        int jy = e.y == 0 ? 2 : e.y == H - 1 ? H - 3 : e.y;
        EXPECT_EQ(Pixel(jx, jy), Background(jx, jy)) << e.where << ": inside the highlight the background shows";
    }
    // Outside the rounding the background shows through.
    const int corners[][2] = {{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
    for (const auto& c : corners) {
        EXPECT_EQ(Pixel(c[0], c[1]), Background(c[0], c[1])) << c[0] << "," << c[1];
    }
    EXPECT_EQ(Pixel(W / 2, H / 2), Background(W / 2, H / 2));
}

TEST_F(Composition, NoGuideLineShowsAnywhere) {
    for (bool resizable : {false, true}) {
        engine.Detach();
        Attach(resizable);
        ASSERT_EQ(Pixel(W / 2, 0), kBorder) << "the frame was composed";
        int magenta = 0;
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                gdiplus::Argb p = Pixel(x, y);
                int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                // Magenta, or a blend that leans toward it.
                if (r > 0xC0 && b > 0xC0 && g < r - 0x60 && g < b - 0x60) {
                    ++magenta;
                    ADD_FAILURE() << "magenta-like " << std::hex << p << " at " << std::dec << x << "," << y;
                    if (magenta > 5) {
                        return;
                    }
                }
            }
        }
    }
}

TEST_F(Composition, SizeGripOnlyWhenResizable) {
    constexpr gdiplus::Argb kGripDot = 0xFF93A6BD;
    for (bool resizable : {false, true}) {
        engine.Detach();
        Attach(resizable);
        int dots = 0;
        for (int y = H - 18; y < H - 6; ++y) {
            for (int x = W - 18; x < W - 6; ++x) {
                dots += Pixel(x, y) == kGripDot;
            }
        }
        if (resizable) {
            EXPECT_GT(dots, 3);
        } else {
            EXPECT_EQ(dots, 0);
        }
    }
}

TEST_F(Composition, PaintCallbackGetsTheNativeHandles) {
    engine.SetPaintCallback(RecordPaint);
    Attach(false);
    ASSERT_GT(paintCalls, 0);
    ASSERT_EQ(paintArguments.size(), 10u);
    EXPECT_EQ(paintArguments[0], reinterpret_cast<std::uintptr_t>(engine.backGraphics.NativeGraphics()));
    EXPECT_EQ(paintArguments[1], reinterpret_cast<std::uintptr_t>(engine.backBuffer.NativeBitmap()));
    EXPECT_NE(paintArguments[0], 0u);
    EXPECT_NE(paintArguments[1], 0u);
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(paintArguments[i], 0u) << i;
    }
    // The buffer is the screen plus the margin, whatever the window's size.
    EXPECT_EQ(engine.backBuffer.GetImageWidth(), CurrentScreenSize().width + 10);
    EXPECT_EQ(engine.backBuffer.GetImageHeight(), CurrentScreenSize().height + 10);
}

// While the frame style is being applied nothing is painted: neither the
// immediate paint (which would compose) nor WM_PAINT (which would validate).
TEST_F(Composition, PaintingSkippedWhileRestyling) {
    engine.SetPaintCallback(RecordPaint);
    Attach(false);
    for (bool restyling : {true, false}) {
        engine.restyling = restyling;
        paintCalls = 0;
        engine.Paint(true);
        EXPECT_EQ(paintCalls, restyling ? 0 : 1) << restyling;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        EXPECT_EQ(GetUpdateRect(window, nullptr, FALSE) != FALSE, restyling) << restyling;
        EXPECT_EQ(paintCalls, restyling ? 0 : 1) << "WM_PAINT never composes";
    }
    engine.restyling = false;
    PumpMessages();
}

// The window on the screen shows the back buffer.
TEST_F(Composition, ScreenShowsTheFrame) {
    Attach(false);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    COLORREF top = GetPixel(screen, r.left + W / 2, r.top);
    COLORREF inside = GetPixel(screen, r.left + W / 2, r.top + 1);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(top, RGB(0x43, 0x60, 0x90));
    EXPECT_EQ(inside, RGB(0xFF, 0xFF, 0xFF));
}

// Attaching to a window that is already showing its system caption: once
// the messages are handled, the screen shows the composed frame everywhere,
// with nothing of the old caption or border left where the client area now
// reaches, and no repaint asked for by the test.
TEST_F(Composition, NoStaleSystemCaptionAfterAttachingToAShowingWindow) {
    ASSERT_TRUE(IsWindowVisible(window));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Attach(false);
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    int wrong = 0;
    for (int y = 0; y < 30; y += 3) {
        for (int x = 8; x < W - 120; x += 7) {
            COLORREF shown = GetPixel(screen, r.left + x, r.top + y);
            gdiplus::Argb composed = Pixel(x, y);
            COLORREF expected = RGB((composed >> 16) & 0xFF, (composed >> 8) & 0xFF, composed & 0xFF);
            if (fixtures::ChannelDistance(shown, expected) > 8 && ++wrong <= 3) {
                ADD_FAILURE() << "at " << x << "," << y << " the screen shows " << std::hex << shown
                              << " instead of " << expected;
            }
        }
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// A hidden window's frame and caption are made at its first paint, not at
// every theme change before it shows; the start-up gradient is drawn only
// when a frame needs it.
TEST(DeferredComposition, HiddenWindowComposesWhenFirstShown) {
    TestWindow window{W, H};
    ShowWindow(window, SW_HIDE);
    PumpMessages();
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window, std::nullopt, false), "");
    PumpMessages();
    EXPECT_TRUE(engine.composePending);
    EXPECT_EQ(engine.backBuffer.GetHandle(), nullptr);
    EXPECT_TRUE(engine.captionPending);
    EXPECT_EQ(engine.captionImage.GetHandle(), nullptr);

    // The theme still owes its start-up gradient.
    CurrentTheme().gradientPending = true;
    CurrentTheme().baseColour = 0x2080F0;
    CurrentTheme().background.BitmapSetPixel(0, CurrentTheme().background.GetImageHeight() - 1, 0xFF000000);

    ShowWindow(window, SW_SHOWNA);
    UpdateWindow(window);
    PumpMessages();
    EXPECT_FALSE(engine.composePending);
    EXPECT_FALSE(engine.captionPending);
    EXPECT_NE(engine.captionImage.GetHandle(), nullptr);
    ASSERT_NE(engine.backBuffer.GetHandle(), nullptr);
    EXPECT_EQ(engine.backBuffer.BitmapGetPixel(W / 2, 0), kBorder);
    EXPECT_FALSE(CurrentTheme().gradientPending);
    // The gradient's bottom-left corner is the base colour owed.
    EXPECT_EQ(CurrentTheme().background.BitmapGetPixel(0, CurrentTheme().background.GetImageHeight() - 1) & 0xFFFFFF,
              0xF08020u);
    engine.Detach();
    SetThemeColour(0xC06000);
}

}  // namespace
}  // namespace skin
