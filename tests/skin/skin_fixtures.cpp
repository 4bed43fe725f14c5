#include "skin_fixtures.h"

#include <cstdlib>

#include "skin/theme.h"

namespace skin::fixtures {
namespace {

constexpr char kClassName[] = "dotlock-skin-test-window";

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == THEME_CHANGED_CAPTION || message == THEME_CHANGED_FRAME) {
        TestWindow::ThemeMessages().push_back({window, message});
        return 0;
    }
    if (message == WM_DESTROY) {
        AtDestroy& seen = TestWindow::LastDestroy();
        seen.wndProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
        seen.style = GetWindowLongA(window, GWL_STYLE);
        seen.exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = OwnProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) {
        std::abort();
    }
}

}  // namespace

TestWindow::TestWindow(int width, int height, int x, int y) {
    RegisterOnce();
    window_ = CreateWindowExA(0, kClassName, "skin test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // The caption bar shows the window's own small icon; without one it
    // would stop at a message box.
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_APPLICATION)));
    PumpMessages();
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    PumpMessages();
}

WNDPROC TestWindow::OwnProcedure() { return OwnProc; }

std::vector<Seen>& TestWindow::ThemeMessages() {
    static std::vector<Seen> seen;
    return seen;
}

AtDestroy& TestWindow::LastDestroy() {
    static AtDestroy seen;
    return seen;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

gdiplus::ByteBlock TwoHalvesPicture(gdiplus::Argb left, gdiplus::Argb right, int width, int height) {
    gdiplus::Bitmap bitmap;
    bitmap.CreateBitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.BitmapSetPixel(x, y, x < width / 2 ? left : right);
        }
    }
    return bitmap.SaveImageToBytes(kPng);
}

gdiplus::ByteBlock SolidPicture(gdiplus::Argb colour, int width, int height) {
    return TwoHalvesPicture(colour, colour, width, height);
}

int ChannelDistance(gdiplus::Argb a, gdiplus::Argb b) {
    int most = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        most = d > most ? d : most;
    }
    return most;
}

}  // namespace skin::fixtures
