#include "skin/skin_engine.h"

#include <gtest/gtest.h>

#include "skin/module.h"
#include "skin_fixtures.h"

namespace skin {
namespace {

using fixtures::PumpMessages;
using fixtures::TestWindow;

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

TEST(Attach, ErrorsInTheirOrder) {
    TestWindow target, other;
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);

    {
        SkinEngine engine;
        EXPECT_EQ(engine.Attach(gone), "无效窗口句柄");
        EXPECT_EQ(engine.window, nullptr);
        // The handle is checked before the icon data.
        EXPECT_EQ(engine.Attach(gone, gdiplus::ByteBlock{}), "无效窗口句柄");
        EXPECT_EQ(engine.Attach(target, gdiplus::ByteBlock{}), "请传递一个有效的图标文件");
        EXPECT_EQ(engine.window, nullptr);
        EXPECT_EQ(GetWindowLongPtrA(target, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(TestWindow::OwnProcedure()));

        ASSERT_EQ(engine.Attach(target), "") << "omitted icon data is not checked";
        const LONG otherStyle = GetWindowLongA(other, GWL_STYLE);
        EXPECT_EQ(engine.Attach(other, gdiplus::ByteBlock{}), "窗口已经创建,不能重复创建")
            << "attached comes first";
        EXPECT_EQ(engine.Attach(gone), "窗口已经创建,不能重复创建");
        EXPECT_EQ(engine.window, target.handle());
        EXPECT_EQ(GetWindowLongPtrA(other, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(TestWindow::OwnProcedure()));
        EXPECT_EQ(GetWindowLongA(other, GWL_STYLE), otherStyle);
    }
    {
        // Another process's window cannot be subclassed; the engine keeps
        // the handle, so the next Attach is refused as a repeat.
        SkinEngine engine;
        HWND desktop = GetDesktopWindow();
        const LONG desktopStyle = GetWindowLongA(desktop, GWL_STYLE);
        EXPECT_EQ(engine.Attach(desktop), "无法子类化指定创建句柄");
        EXPECT_EQ(engine.window, desktop);
        EXPECT_EQ(engine.Attach(other), "窗口已经创建,不能重复创建");
        engine.Detach();
        EXPECT_EQ(GetWindowLongA(desktop, GWL_STYLE), desktopStyle) << "nothing to restore after a failed subclass";
        EXPECT_EQ(engine.window, nullptr);
        EXPECT_EQ(engine.Attach(other), "");
    }
}

TEST(Attach, WholeWindowIsClientAreaWithRoundedRegion) {
    TestWindow window(326, 257);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window, std::nullopt, false), "");
    PumpMessages();

    RECT outer = WindowRect(window), client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, outer.left);
    EXPECT_EQ(origin.y, outer.top);
    EXPECT_EQ(client.right, 326);
    EXPECT_EQ(client.bottom, 257);
    EXPECT_EQ(engine.width, 326);
    EXPECT_EQ(engine.height, 257);

    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = {10, 20, 336, 277};
    EXPECT_EQ(SendMessageA(window, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params)), 1);
    EXPECT_EQ(params.rgrc[0].left, 10);
    EXPECT_EQ(params.rgrc[0].bottom, 277);

    const struct {
        int width, height;
    } sizes[] = {{326, 257}, {300, 200}};
    for (const auto& size : sizes) {
        SetWindowPos(window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(window, region), ERROR);
        HRGN expected = CreateRoundRectRgn(0, 0, size.width + 1, size.height + 1, 6, 6);
        // Same area; the stored form may split it into other rectangles.
        HRGN difference = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(difference, region, expected, RGN_XOR), NULLREGION)
            << size.width << " x " << size.height;
        DeleteObject(difference);
        // The extra pixel of the call makes the region cover the whole window.
        RECT box{};
        GetRgnBox(region, &box);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.top, 0);
        EXPECT_EQ(box.right, size.width);
        EXPECT_EQ(box.bottom, size.height);
        DeleteObject(expected);
        DeleteObject(region);
    }
}

// The frame styles, with the window's own visibility kept: a hidden window
// (one still being created, say) is not shown by attaching.
TEST(Attach, FrameStyleKeepsTheWindowsVisibility) {
    const struct {
        bool visible, resizable;
        LONG style;
    } cases[] = {
        {true, false, 0x16CA0000}, {true, true, 0x16CF0000}, {false, false, 0x06CA0000}, {false, true, 0x06CF0000},
    };
    for (const auto& c : cases) {
        TestWindow window;
        if (!c.visible) {
            ShowWindow(window, SW_HIDE);
        }
        SkinEngine engine;
        ASSERT_EQ(engine.Attach(window, std::nullopt, c.resizable), "");
        PumpMessages();
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE), c.style) << c.visible << c.resizable;
        EXPECT_EQ(IsWindowVisible(window) != FALSE, c.visible);
    }
}

TEST(Attach, SkinnedWindowJoinsTheThemeList) {
    TestWindow window;
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window), "");
    const std::vector<HWND>& list = CurrentTheme().skinnedWindows;
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.back(), window.handle());
}

TEST(Detach, DestroyRestoresTheWindowAndTheEngineAttachesAgain) {
    TestWindow window;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    SkinEngine engine;
    ASSERT_EQ(engine.Attach(window), "");
    ASSERT_NE(GetWindowLongA(window, GWL_STYLE), style);

    // The window's own procedure sees WM_DESTROY after the engine let go.
    SendMessageA(window, WM_DESTROY, 0, 0);
    EXPECT_EQ(engine.window, nullptr);
    EXPECT_EQ(TestWindow::LastDestroy().wndProc, reinterpret_cast<LONG_PTR>(TestWindow::OwnProcedure()));
    EXPECT_EQ(TestWindow::LastDestroy().style, style);
    EXPECT_EQ(TestWindow::LastDestroy().exStyle, exStyle);
    EXPECT_FALSE(engine.backBufferReady);
    EXPECT_EQ(engine.backBuffer.GetHandle(), nullptr);

    // Detaching from a window that lives on gives back its whole shape too.
    TestWindow kept;
    ASSERT_EQ(engine.Attach(kept), "");
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(kept, region), ERROR) << "the skin clips to rounded corners";
    engine.Detach();
    EXPECT_EQ(GetWindowRgn(kept, region), ERROR);
    DeleteObject(region);

    TestWindow again;
    EXPECT_EQ(engine.Attach(again), "");
    EXPECT_EQ(engine.window, again.handle());
    // A real destruction goes the same way.
    DestroyWindow(again);
    EXPECT_EQ(engine.window, nullptr);
}

}  // namespace
}  // namespace skin
