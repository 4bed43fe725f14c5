// Caption buttons: hit zones, hot-button fades, the tiles drawn from the
// sprite sheets, and the animation tick, checked by state and by pixels.
#include <gtest/gtest.h>

#include <array>

#include "gdiplus/graphics.h"
#include "skin/module.h"
#include "skin/pictures.h"
#include "skin/skin_engine.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::Alpha;
using fixtures::ChannelDistance;
using fixtures::PumpMessages;
using fixtures::TestWindow;
using gdiplus::Argb;

// Source-over of an opaque-or-not tile pixel at `opacity` percent onto an
// opaque ground.
Argb Over(Argb ground, Argb tile, int opacity) {
    const double a = (tile >> 24) / 255.0 * opacity / 100.0;
    Argb out = 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8) {
        const double g = (ground >> shift) & 0xFF, t = (tile >> shift) & 0xFF;
        out |= static_cast<Argb>(g + (t - g) * a + 0.5) << shift;
    }
    return out;
}

TEST(HitTest, ZonesOfAResizableWindow) {
    TestWindow window(300, 200);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window, std::nullopt, true), "");
    PumpMessages();
    ASSERT_EQ(engine.width, 300);
    const struct {
        int x, y, code;
    } cases[] = {
        {4, 4, HTTOPLEFT},        {4, 196, HTBOTTOMLEFT}, {296, 196, HTBOTTOMRIGHT}, {4, 100, HTLEFT},
        {296, 100, HTRIGHT},      {150, 4, HTTOP},        {150, 196, HTBOTTOM},
        {285, 185, HTBOTTOMRIGHT} /* the size grip */,    {150, 100, HTCAPTION},
        {0, 100, HTCAPTION} /* strict: the outermost column is no zone */,
        {296, 4, HTCLIENT} /* the close button comes before the corner */,
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine.HitTest(c.x, c.y, true), c.code) << c.x << "," << c.y;
    }
    // Screen coordinates land on the same zones.
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(engine.HitTest(r.left + 285, r.top + 185, false), HTBOTTOMRIGHT);
}

// Moving over the buttons, step by step: who is hot and how each fade starts.
TEST(HitTest, EnteringAndLeavingButtonsStartsFades) {
    const struct {
        const char* what;
        int x, y;
        int hot;
        std::array<int, 3> fades;
    } path[] = {
        {"onto close", 300, 10, kCloseButton, {100, 0, 0}},
        {"still on close: nothing restarts", 310, 12, kCloseButton, {100, 0, 0}},
        {"close to maximise", 260, 10, kMaximizeButton, {-100, 100, 0}},
        {"maximise to minimise", 230, 10, kMinimizeButton, {-100, -100, 100}},
        {"off every button", 150, 100, kNoButton, {-100, -100, -100}},
    };
    TestWindow window(326, 257);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window, gdiplus::ByteBlock{0}, false), "");
    PumpMessages();
    for (const auto& step : path) {
        EXPECT_EQ(engine.HitTest(step.x, step.y, true), step.hot == kNoButton ? HTCAPTION : HTCLIENT) << step.what;
        EXPECT_EQ(engine.hotButton, step.hot) << step.what;
        EXPECT_EQ(engine.buttonFade, step.fades) << step.what;
    }
}

TEST(HitTest, DisabledButtonIsNeverHotAndAPressThereLeavesFadesAlone) {
    TestWindow window(326, 257);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window, gdiplus::ByteBlock{0}, false, true, false, true), "");
    PumpMessages();
    EXPECT_EQ(engine.HitTest(260, 10, true), HTCAPTION);
    EXPECT_EQ(engine.hotButton, kNoButton);
    // A client area over the disabled button makes it client, still not hot.
    engine.AddClientArea({240, 0, 40, 30});
    EXPECT_EQ(engine.HitTest(260, 10, true), HTCLIENT);
    EXPECT_EQ(engine.hotButton, kNoButton);
    EXPECT_EQ(engine.PressButtonAt(260, 10), 0);
    EXPECT_EQ(engine.buttonFade, (std::array<int, 3>{0, 0, 0}));
    // A press on a hot button fades its pressed image in again.
    EXPECT_EQ(engine.HitTest(300, 10, true), HTCLIENT);
    engine.buttonFade[0] = 20;
    EXPECT_EQ(engine.PressButtonAt(300, 10), 0);
    EXPECT_EQ(engine.buttonFade[0], 100);
    EXPECT_EQ(engine.PressButtonAt(150, 100), -1);
}

// Each kind and state: the sheet's tile at the point, inside its clip, and
// nothing outside it.
class ButtonTiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(engine.Attach(window), "");
        PumpMessages();
    }
    // Draws one button at `at` onto a transparent canvas.
    void Draw(gdiplus::Point at, int kind, int state, std::optional<int> opacity = std::nullopt) {
        canvas.DisposeImage();
        canvas.CreateBitmap(kCanvasWidth, kCanvasHeight);
        gdiplus::Graphics g;
        g.GetImageGraphicsContext(canvas);
        engine.DrawCaptionButton(g, at, kind, state, opacity);
        g.DeleteGraphics();
    }
    // Compares the canvas with the sheet's tile at `offset` drawn at (x, y)
    // and clipped to (clipX, y, clipWidth, 22); counts the mismatches.
    int Mismatches(const gdiplus::ByteBlock& sheetBytes, int offset, int x, int y, int clipX, int clipWidth) {
        gdiplus::Bitmap sheet;
        sheet.CreateBitmapFromBytes(sheetBytes);
        int wrong = 0;
        for (int cy = 0; cy < kCanvasHeight; ++cy) {
            for (int cx = 0; cx < kCanvasWidth; ++cx) {
                const bool inside = cx >= clipX && cx < clipX + clipWidth && cy >= y && cy < y + 22;
                const int sx = cx - x + offset, sy = cy - y;
                Argb expected = 0;
                if (inside && sx >= 0 && sx < sheet.GetImageWidth() && sy < sheet.GetImageHeight()) {
                    expected = sheet.BitmapGetPixel(sx, sy);
                }
                const Argb got = canvas.BitmapGetPixel(cx, cy);
                // Colour is compared where there is enough alpha to carry it.
                const bool same = std::abs(Alpha(got) - Alpha(expected)) <= 2 &&
                                  (Alpha(expected) < 64 || ChannelDistance(got | 0xFF000000, expected | 0xFF000000) <= 4);
                if (!same && ++wrong <= 3) {
                    ADD_FAILURE() << "at " << cx << "," << cy << " got " << std::hex << got << " expected " << expected;
                }
            }
        }
        sheet.DisposeImage();
        return wrong;
    }

    static constexpr int kCanvasWidth = 160, kCanvasHeight = 40;
    TestWindow window{326, 257};
    SkinEngine engine;
    gdiplus::Bitmap canvas;
};

TEST_F(ButtonTiles, EachKindAndStateLandsAtItsPointWithItsClip) {
    const struct {
        int kind, state, offset, clipWidth, dx;
    } cases[] = {
        {kMinimizeKind, kNormalState, 0, 30, 0},     {kMinimizeKind, kHoverState, 31, 31, 0},
        {kMinimizeKind, kPressedState, 63, 31, 0},   {kMinimizeKind, kDisabledState, 95, 30, 0},
        {kCloseKind, kNormalState, 126, 48, 0},      {kCloseKind, kHoverState, 175, 48, 0},
        {kCloseKind, kPressedState, 224, 48, 0},     {kCloseKind, kDisabledState, 273, 48, 0},
        {kMaximizeKind, kNormalState, 322, 29, 0},   {kMaximizeKind, kHoverState, 352, 29, 0},
        {kMaximizeKind, kPressedState, 382, 29, 0},  {kMaximizeKind, kDisabledState, 412, 29, 0},
        {kRestoreKind, kNormalState, 442, 29, 0},    {kRestoreKind, kHoverState, 472, 29, 0},
        {kRestoreKind, kPressedState, 502, 29, 0},   {kRestoreKind, kDisabledState, 532, 29, 0},
        {kCloseAloneKind, kNormalState, 2, 48, -1},  {kCloseAloneKind, kHoverState, 50, 48, -1},
        {kCloseAloneKind, kPressedState, 99, 48, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " state " << c.state);
        Draw({50, 5}, c.kind, c.state);
        const gdiplus::ByteBlock& sheet = c.kind == kCloseAloneKind ? CloseOnlySheetPicture() : ButtonSheetPicture();
        EXPECT_EQ(Mismatches(sheet, c.offset, 50, 5, 50 + c.dx, c.clipWidth), 0);
        // The sheets' separator lines stay outside every clip.
        int separator = 0;
        for (int y = 0; y < kCanvasHeight; ++y) {
            for (int x = 0; x < kCanvasWidth; ++x) {
                const Argb p = canvas.BitmapGetPixel(x, y);
                separator += Alpha(p) > 0 && ChannelDistance(p | 0xFF000000, 0xFF7F007F) < 24;
            }
        }
        EXPECT_EQ(separator, 0);
    }
    // A lone close button has no disabled tile: nothing is drawn.
    Draw({50, 5}, kCloseAloneKind, kDisabledState);
    EXPECT_EQ(Mismatches(CloseOnlySheetPicture(), 0, 50, 5, 0, 0), 0);
}

TEST_F(ButtonTiles, MaximisedWindowDrawsFiveLeftAndFiveLower) {
    ShowWindow(window, SW_MAXIMIZE);
    PumpMessages();
    ASSERT_TRUE(IsZoomed(window));
    gdiplus::Point at{50, 5};
    Draw(at, kCloseKind, kNormalState);
    EXPECT_EQ(Mismatches(ButtonSheetPicture(), 126, 45, 10, 45, 48), 0);
    ShowWindow(window, SW_RESTORE);
    PumpMessages();
}

TEST_F(ButtonTiles, HoverAndPressedTilesTakeTheOpacity) {
    // Over an opaque white ground, at half opacity, each pixel lies halfway.
    for (int state : {kHoverState, kPressedState}) {
        canvas.DisposeImage();
        canvas.CreateBitmap(kCanvasWidth, kCanvasHeight);
        gdiplus::Graphics g;
        g.GetImageGraphicsContext(canvas);
        g.GraphicsClear(0xFFFFFFFF);
        gdiplus::Point at{50, 5};
        engine.DrawCaptionButton(g, at, kCloseKind, state, 50);
        g.DeleteGraphics();
        gdiplus::Bitmap sheet;
        sheet.CreateBitmapFromBytes(ButtonSheetPicture());
        const int offset = state == kHoverState ? 175 : 224;
        int checked = 0;
        for (int y = 0; y < 22; ++y) {
            for (int x = 0; x < 48; x += 3) {
                const Argb tile = sheet.BitmapGetPixel(offset + x, y);
                EXPECT_LE(ChannelDistance(canvas.BitmapGetPixel(50 + x, 5 + y), Over(0xFFFFFFFF, tile, 50)), 3)
                    << x << "," << y;
                checked += Alpha(tile) == 255;
            }
        }
        EXPECT_GT(checked, 50) << "the tile is mostly opaque";
        sheet.DisposeImage();
    }
}

// The tick copies the resting buttons from the back buffer into the strip
// and draws each fading button over them at its opacity.
TEST(AnimationTick, FadesStepByTwentyAndDrawAtTheirOpacity) {
    TestWindow window(326, 257);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window), "");
    PumpMessages();
    ASSERT_EQ(engine.buttonStrip.GetImageWidth(), 109);
    ASSERT_EQ(engine.buttonStrip.GetImageHeight(), 27);
    const int W = engine.width, stripLeft = W - 109;

    // One sample pixel per button where its hover tile is opaque and differs
    // clearly from the resting window below it.
    gdiplus::Bitmap sheet;
    sheet.CreateBitmapFromBytes(ButtonSheetPicture());
    struct Sample {
        int x, y;  // in the strip
        Argb rest, tile;
    };
    const struct {
        int stripX, offset, width;
    } buttons[] = {{109 - 48, 175, 48}, {109 - 77, 352, 29}, {109 - 107, 31, 30}};
    std::array<Sample, 3> samples{};
    for (int i = 0; i < 3; ++i) {
        int best = 0;
        for (int y = 2; y < 20; ++y) {
            for (int x = 2; x < buttons[i].width - 2; ++x) {
                const Argb tile = sheet.BitmapGetPixel(buttons[i].offset + x, y);
                const Argb rest = engine.backBuffer.BitmapGetPixel(stripLeft + buttons[i].stripX + x, y);
                if (Alpha(tile) == 255 && ChannelDistance(tile, rest) > best) {
                    best = ChannelDistance(tile, rest);
                    samples[i] = {buttons[i].stripX + x, y, rest, tile};
                }
            }
        }
        ASSERT_GT(best, 40) << "button " << i;
    }
    sheet.DisposeImage();

    const struct {
        std::array<int, 3> fades;
        std::array<int, 3> opacities;  // 0 where the button is not drawn
    } ticks[] = {
        {{80, -80, 0}, {20, 80, 100}},  {{60, -60, 0}, {40, 60, 0}}, {{40, -40, 0}, {60, 40, 0}},
        {{20, -20, 0}, {80, 20, 0}},    {{0, 0, 0}, {100, 0, 0}},
    };
    engine.buttonFade = {100, -100, 10};
    int n = 0;
    for (const auto& tick : ticks) {
        ++n;
        engine.OnTimerTick();
        EXPECT_EQ(engine.buttonFade, tick.fades) << "tick " << n;
        for (int i = 0; i < 3; ++i) {
            const Sample& s = samples[i];
            EXPECT_LE(ChannelDistance(engine.buttonStrip.BitmapGetPixel(s.x, s.y), Over(s.rest, s.tile, tick.opacities[i])),
                      3)
                << "tick " << n << " button " << i;
        }
    }
    // Settled: a further tick draws nothing, not even the copy.
    engine.buttonStrip.BitmapSetPixel(samples[0].x, samples[0].y, 0xFF123456);
    engine.OnTimerTick();
    EXPECT_EQ(engine.buttonStrip.BitmapGetPixel(samples[0].x, samples[0].y), 0xFF123456u);
}

// The real timer: a hovered button reaches its full hover image through
// ticks delivered to the window's own thread. The timer runs only while a
// fade is under way, so an idle window costs no ticks.
TEST(AnimationTick, TimerTicksArriveAsWindowMessages) {
    TestWindow window(326, 257);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window), "");
    EXPECT_EQ(engine.timerId, 0u);  // nothing fades yet
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(300, 10));
    ASSERT_EQ(engine.buttonFade[0], 100);
    ASSERT_NE(engine.timerId, 0u);
    const DWORD start = GetTickCount();
    while (engine.buttonFade[0] != 0 && GetTickCount() - start < 3000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    EXPECT_EQ(engine.buttonFade[0], 0);
    // Five ticks of 40 ms at least.
    EXPECT_GE(GetTickCount() - start, 150u);
    EXPECT_EQ(engine.timerId, 0u);  // the fade is over: the timer rests

    // Leaving the button fades it out on a timer of its own again.
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(150, 100));
    EXPECT_EQ(engine.buttonFade[0], -100);
    EXPECT_NE(engine.timerId, 0u);
    engine.Detach();
    EXPECT_EQ(engine.timerId, 0u);
}

}  // namespace
}  // namespace skin
