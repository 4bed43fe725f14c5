// The real dotlock.exe as a user sees it: a skinned window read off the
// screen, and the real mouse (through the pointer helper) dragging it and
// pressing its close button.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "automation.h"
#include "program_process.h"
#include "gdiplus/bitmap.h"
#include "skin/module.h"
#include "skin/theme.h"

namespace dotlock {
namespace {

using namespace automation;
using namespace testing;
using gdiplus::Argb;

constexpr int W = kMainWindowWidth, H = kMainWindowHeight;

// The pointer helper with a command and its numbers.
DWORD Pointer(const char* command, std::initializer_list<int> numbers) {
    std::ostringstream line;
    line << command;
    for (int n : numbers) line << ' ' << n;
    ProgramProcess pointer(line.str(), TestsFolder() + "\\pointer.exe");
    const int code = pointer.ExitCode(20000);
    return code < 0 ? 0xFFFE : static_cast<DWORD>(code);
}

// dotlock.exe without arguments, its main window shown and painted.
class SkinnedProgram : public ProgramProcess {
public:
    SkinnedProgram() {
        if (!started()) return;
        window_ = WaitForWindow(nullptr, kMainTitle);
        Sleep(300);  // the first paint
    }

    HWND window() const { return window_; }
    RECT Rect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }

private:
    HWND window_ = nullptr;
};

// The window's rectangle of the screen as 0xFFRRGGBB pixels, window-relative.
class ScreenShot {
public:
    explicit ScreenShot(const RECT& window) : pixels_(static_cast<std::size_t>(W) * H) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, W, H, screen, window.left, window.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        for (std::size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = 0xFF000000 | (p[i] & 0xFFFFFF);
        SelectObject(memory, old);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    Argb operator()(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * W + x]; }

private:
    std::vector<Argb> pixels_;
};

int Distance(Argb a, Argb b) {
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    }
    return most;
}

// GDI+ and the theme in this process too, to read the picture and work out
// the colours the program must derive from it.
class Skinned : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        skin::SetUpSkinModule();
        skin::ThemeStartup();
        picture.CreateBitmapFromBytes(BackgroundPicture());
    }
    static void TearDownTestSuite() {
        picture.DisposeImage();
        skin::CleanUpSkinModule();
    }
    static gdiplus::Bitmap picture;
};
gdiplus::Bitmap Skinned::picture;

TEST_F(Skinned, NoSystemFrameAndTheCaptionInThePicturesColours) {
    ASSERT_EQ(picture.GetImageWidth(), 354);
    ASSERT_EQ(picture.GetImageHeight(), 269);
    SkinnedProgram program;
    ASSERT_TRUE(program.window());
    const RECT r = program.Rect();
    EXPECT_EQ(r.right - r.left, W);
    EXPECT_EQ(r.bottom - r.top, H);
    // The client area is the whole window: no caption or border of the system's.
    RECT client{};
    GetClientRect(program.window(), &client);
    POINT origin{0, 0};
    ClientToScreen(program.window(), &origin);
    EXPECT_EQ(origin.x, r.left);
    EXPECT_EQ(origin.y, r.top);
    EXPECT_EQ(client.right, W);
    EXPECT_EQ(client.bottom, H);

    const ScreenShot shot(r);
    // Free spots, the caption strip's among them, show the picture itself:
    // the plain caption lays no tint of the start-up colour over it.
    const POINT free[] = {{40, 60}, {150, 70}, {290, 100}, {30, 180}, {150, 200}, {250, 27}, {12, 28}};
    for (const POINT& p : free) {
        EXPECT_LE(Distance(shot(p.x, p.y), picture.BitmapGetPixel(p.x, p.y)), 8) << p.x << "," << p.y;
    }
    // The frame's border runs along the top.
    EXPECT_EQ(shot(W / 2, 0), 0xFF436090u);

    // The title is written in the colour the picture calls for, which is
    // not the one the start-up colour would give.
    const skin::Colour text = skin::ContrastColour(skin::AverageColour(BackgroundPicture()));
    ASSERT_NE(text, skin::ContrastColour(0xC06000)) << "the picture must set a colour of its own";
    int titleInk = 0, iconInk = 0;
    for (int y = 8; y < 23; ++y) {
        for (int x = 30; x < 200; ++x) {
            titleInk += Distance(shot(x, y), skin::ToArgb(text)) < 60;
        }
        for (int x = 9; x < 24; ++x) {
            iconInk += Distance(shot(x, y), picture.BitmapGetPixel(x, y)) > 40;
        }
    }
    EXPECT_GT(titleInk, 60) << "title text";
    EXPECT_GT(iconInk, 40) << "the small icon";
    // Three buttons, each leaving its glyph over the picture.
    const struct {
        const char* name;
        int left, width;
    } buttons[] = {{"minimise", W - 106, 30}, {"maximise", W - 76, 29}, {"close", W - 47, 47}};
    for (const auto& b : buttons) {
        int changed = 0;
        for (int y = 1; y < 22; ++y) {
            for (int x = b.left; x < b.left + b.width; ++x) {
                changed += Distance(shot(x, y), picture.BitmapGetPixel(x, y)) > 40;
            }
        }
        EXPECT_GT(changed, 15) << b.name;
    }
    // The labels are written over the picture too.
    int labelInk = 0;
    for (int y = 120; y < 150; ++y) {
        for (int x = 64; x < 220; ++x) {
            labelInk += Distance(shot(x, y), skin::ToArgb(text)) < 60;
        }
    }
    EXPECT_GT(labelInk, 80) << "the drop hint";
}

// Only dragging is possible: from a free spot or from an edge alike, the
// window moves and keeps its size.
TEST_F(Skinned, EdgesDoNotResizeAndAFreeSpotDrags) {
    SkinnedProgram program;
    ASSERT_TRUE(program.window());
    const RECT r = program.Rect();
    const POINT edges[] = {{1, 100}, {W - 2, 100}, {150, 1}, {150, H - 2}, {W - 2, H - 2}, {W - 12, H - 12}};
    for (const POINT& e : edges) {
        EXPECT_EQ(SendMessageA(program.window(), WM_NCHITTEST, 0, MAKELPARAM(r.left + e.x, r.top + e.y)), HTCAPTION)
            << e.x << "," << e.y;
    }
    const struct {
        const char* what;
        int x, y, dx, dy;
    } drags[] = {{"free spot", 150, 100, 40, 30}, {"right edge", W - 2, 100, 30, 0}, {"bottom-right corner", W - 3, H - 3, -20, -25}};
    for (const auto& d : drags) {
        const RECT before = program.Rect();
        ASSERT_EQ(Pointer("drag", {d.x, d.y, d.dx, d.dy}), 0u);
        const RECT after = program.Rect();
        EXPECT_EQ(after.left - before.left, d.dx) << d.what;
        EXPECT_EQ(after.top - before.top, d.dy) << d.what;
        EXPECT_EQ(after.right - after.left, W) << d.what;
        EXPECT_EQ(after.bottom - after.top, H) << d.what;
    }
}

// Hovering the close button fades its red tile in; releasing the mouse on
// it closes the program.
TEST_F(Skinned, HoverThenReleaseOnCloseCloses) {
    SkinnedProgram program;
    ASSERT_TRUE(program.window());
    const RECT r = program.Rect();
    auto reddish = [&] {
        const ScreenShot shot(r);
        int n = 0;
        for (int y = 3; y < 20; ++y) {
            for (int x = W - 44; x < W - 4; ++x) {
                const Argb p = shot(x, y);
                const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
                n += red > 150 && red > green + 60 && red > blue + 60;
            }
        }
        return n;
    };
    EXPECT_LT(reddish(), 10) << "at rest";
    ASSERT_EQ(Pointer("hover", {W - 24, 10}), 0u);
    Sleep(400);  // five ticks of 40 ms and then some
    EXPECT_GT(reddish(), 200) << "hovered";
    EXPECT_EQ(program.ExitCode(0), -1) << "hovering alone does not close";
    ASSERT_EQ(Pointer("click", {W - 24, 10}), 0u);
    EXPECT_EQ(program.ExitCode(15000), 0);
}

}  // namespace
}  // namespace dotlock
