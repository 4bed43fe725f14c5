// The engine's window procedure, message by message, through real messages.
#include <gtest/gtest.h>

#include <vector>

#include "skin/module.h"
#include "skin/skin_engine.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::PumpMessages;
using fixtures::TestWindow;

LPARAM ScreenPoint(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    return MAKELPARAM(r.left + x, r.top + y);
}

// What the paint callback saw at its last call, and how often it ran.
struct CallbackRecord {
    int calls = 0;
    std::vector<std::uintptr_t> arguments;
    char title[64] = {};
    HWND window = nullptr;
};
CallbackRecord record;

void __stdcall RecordCall(std::uintptr_t a, std::uintptr_t b, std::uintptr_t c, std::uintptr_t d, std::uintptr_t e,
                          std::uintptr_t f, std::uintptr_t g, std::uintptr_t h, std::uintptr_t i, std::uintptr_t j) {
    ++record.calls;
    record.arguments = {a, b, c, d, e, f, g, h, i, j};
    if (record.window != nullptr) {
        GetWindowTextA(record.window, record.title, sizeof record.title);
    }
}

class WindowProcedure : public ::testing::Test {
protected:
    void Attach(bool resizable = false, bool maximize = true, bool minimize = true) {
        ASSERT_EQ(engine.Attach(window, gdiplus::ByteBlock{0}, resizable, true, maximize, minimize), "");
        PumpMessages();
        record = {};
        record.window = window;
    }
    TestWindow window{326, 257};
    SkinEngine engine;
};

TEST_F(WindowProcedure, HitTestCodes) {
    const struct {
        const char* what;
        bool resizable, maximize, minimize;
        int x, y;
        LRESULT code;
        int hot;
    } cases[] = {
        {"close button", false, true, true, 300, 10, HTCLIENT, kCloseButton},
        {"left edge of close is outside (strict)", false, true, true, 278, 10, HTCAPTION, kNoButton},
        {"maximise button", false, true, true, 260, 10, HTCLIENT, kMaximizeButton},
        {"minimise button", false, true, true, 230, 10, HTCLIENT, kMinimizeButton},
        {"disabled maximise is caption", false, false, true, 260, 10, HTCAPTION, kNoButton},
        {"free spot drags", false, true, true, 150, 100, HTCAPTION, kNoButton},
        {"edge of a fixed window drags", false, true, true, 4, 4, HTCAPTION, kNoButton},
        {"top-left corner", true, true, true, 4, 4, HTTOPLEFT, kNoButton},
        {"right edge", true, true, true, 322, 100, HTRIGHT, kNoButton},
        {"size grip", true, true, true, 311, 242, HTBOTTOMRIGHT, kNoButton},
        {"middle of resizable", true, true, true, 150, 100, HTCAPTION, kNoButton},
    };
    for (const auto& c : cases) {
        engine.Detach();
        Attach(c.resizable, c.maximize, c.minimize);
        EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, c.x, c.y)), c.code) << c.what;
        EXPECT_EQ(engine.hotButton, c.hot) << c.what;
    }
}

TEST_F(WindowProcedure, ReleasingTheCloseButtonPostsClose) {
    Attach();
    const struct {
        const char* what;
        int downX, upAfterMovingToX;
        bool closes;
    } cases[] = {
        {"press and release on close", 300, 300, true},
        {"moved off every button before release", 300, 150, false},
        {"press on a free spot", 150, 150, false},
    };
    for (const auto& c : cases) {
        PumpMessages();
        SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, c.downX, 10));
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.downX, 10));
        SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, c.upAfterMovingToX, 10));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(c.upAfterMovingToX, 10));
        MSG msg;
        bool closed = PeekMessageA(&msg, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
        EXPECT_EQ(closed, c.closes) << c.what;
        EXPECT_FALSE(engine.buttonPressed) << c.what;
    }
}

TEST_F(WindowProcedure, MouseLeaveFadesTheHotButtonAndCallsBack) {
    Attach();
    engine.SetMouseLeaveCallback(RecordCall);
    SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, 300, 10));
    ASSERT_EQ(engine.hotButton, kCloseButton);
    engine.buttonPressed = true;
    EXPECT_EQ(SendMessageA(window, WM_MOUSELEAVE, 0, 0), 1);
    EXPECT_EQ(engine.hotButton, kNoButton);
    EXPECT_FALSE(engine.buttonPressed);
    EXPECT_EQ(engine.buttonFade[0], -100);
    EXPECT_EQ(record.calls, 1);
    EXPECT_EQ(record.arguments, std::vector<std::uintptr_t>(10, 0));
}

TEST_F(WindowProcedure, SetTextIsInTheWindowBeforeTheRepaint) {
    Attach();
    engine.SetPaintCallback(RecordCall);
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new title")), 1);
    EXPECT_EQ(record.calls, 1) << "WM_SETTEXT repaints at once";
    EXPECT_STREQ(record.title, "new title");
    engine.SetTitle("by SetTitle");
    EXPECT_EQ(record.calls, 2);
    EXPECT_STREQ(record.title, "by SetTitle");
    EXPECT_TRUE(engine.titleSet);
}

TEST_F(WindowProcedure, ThemeAndDisplayMessages) {
    Attach();
    engine.SetPaintCallback(RecordCall);
    EXPECT_EQ(SendMessageA(window, THEME_CHANGED_CAPTION, 0, 0), 1);
    EXPECT_EQ(record.calls, 0) << "the caption message does not compose";
    EXPECT_EQ(SendMessageA(window, THEME_CHANGED_FRAME, 0, 0), 1);
    EXPECT_EQ(record.calls, 2) << "composed, then composed again by the immediate paint";
    EXPECT_TRUE(engine.backBufferReady);

    // A theme change reaches the back buffer through the notification.
    SetThemeColour(0x2080F0);
    EXPECT_EQ(engine.backBuffer.BitmapGetPixel(150, 100), CurrentTheme().background.BitmapGetPixel(150, 100));
    SetThemeColour(0xC06000);
    EXPECT_EQ(engine.backBuffer.BitmapGetPixel(150, 100), CurrentTheme().background.BitmapGetPixel(150, 100));

    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_FALSE(engine.backBufferReady) << "a display change drops the drawing context";
    engine.Refresh();
    EXPECT_TRUE(engine.backBufferReady);

    for (UINT message : {UINT{WM_NCACTIVATE}, UINT{WM_NCPAINT}, UINT{0xAE}}) {
        EXPECT_EQ(SendMessageA(window, message, 0, 0), 1) << message;
    }
}

// A message the engine does not handle reaches the window's own procedure.
TEST_F(WindowProcedure, OtherMessagesGoToTheEarlierProcedure) {
    Attach();
    TestWindow::ThemeMessages().clear();
    engine.Detach();
    SendMessageA(window, THEME_CHANGED_CAPTION, 0, 0);
    ASSERT_EQ(TestWindow::ThemeMessages().size(), 1u) << "detached: the window's own procedure";
    Attach();
    TestWindow::ThemeMessages().clear();
    SendMessageA(window, THEME_CHANGED_CAPTION, 0, 0);
    EXPECT_TRUE(TestWindow::ThemeMessages().empty()) << "attached: the engine consumes it";
    char text[32] = {};
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
    EXPECT_EQ(SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "abc");
}

}  // namespace
}  // namespace skin
