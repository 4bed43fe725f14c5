// Test windows and pictures for the skin tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "gdiplus/bitmap.h"
#include "skin/colour.h"

namespace skin::fixtures {

inline const gdiplus::TextValue kPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// One message as a test window's own procedure saw it.
struct Seen {
    HWND window;
    UINT message;
    bool operator==(const Seen&) const = default;
};

// What the window's own procedure found when WM_DESTROY reached it.
struct AtDestroy {
    LONG_PTR wndProc = 0;
    LONG style = 0;
    LONG exStyle = 0;
};

// A top-level window with a procedure of its own that records the messages
// the tests ask about, and a small icon. Destroyed with the object.
class TestWindow {
public:
    // The window rectangle: the skin makes all of it client area.
    explicit TestWindow(int width = 326, int height = 257, int x = 100, int y = 80);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_; }
    operator HWND() const { return window_; }

    static WNDPROC OwnProcedure();
    // Messages 1025 and 1026 as any test window received them, in order.
    static std::vector<Seen>& ThemeMessages();
    static AtDestroy& LastDestroy();

private:
    HWND window_ = nullptr;
};

// Delivers whatever is queued for this thread.
void PumpMessages();

// A PNG of one colour.
gdiplus::ByteBlock SolidPicture(gdiplus::Argb colour, int width = 8, int height = 6);
// A PNG whose left half is one colour and right half another.
gdiplus::ByteBlock TwoHalvesPicture(gdiplus::Argb left, gdiplus::Argb right, int width, int height);

// Largest channel difference of two ARGB values, alpha included.
int ChannelDistance(gdiplus::Argb a, gdiplus::Argb b);

inline int Alpha(gdiplus::Argb pixel) { return static_cast<int>(pixel >> 24); }

}  // namespace skin::fixtures
