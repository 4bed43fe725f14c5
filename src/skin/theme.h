// The theme every skinned window shares: a base colour, the caption text and
// glow colours derived from it, the caption font, and one background bitmap
// as large as the screen (plus a margin) that each window draws behind its
// frame. A change is announced to every skinned window with two messages.
#pragma once

#include <windows.h>

#include <vector>

#include "gdiplus/bitmap.h"
#include "gdiplus/graphics.h"
#include "gdiplus/records.h"
#include "skin/colour.h"

namespace skin {

using gdiplus::ByteBlock;
using gdiplus::TextValue;

// Sent to every skinned window, in this order, when the theme changes.
inline constexpr UINT THEME_CHANGED_CAPTION = WM_USER + 1;
inline constexpr UINT THEME_CHANGED_FRAME = WM_USER + 2;

// Margin added to the screen size so a window a little off screen still has
// background under it.
inline constexpr int kScreenMargin = 10;

struct Theme {
    TextValue fontName;
    ULONG_PTR gdiplusToken = 0;  // nothing shuts GDI+ down
    gdiplus::Bitmap background;
    std::vector<HWND> skinnedWindows;  // appended by Attach, never removed
    Colour baseColour = 0;
    Colour textColour = 0;
    Colour glowColour = 0;
    int gradientScreenWidth = 0;
    ByteBlock backgroundPicture;
    int pictureScreenWidth = 0;
    // The start-up colour's gradient is drawn only when a frame first needs a
    // background: the program sets its picture before anything is shown.
    bool gradientPending = false;
};

struct ScreenSize {
    int width = 0, height = 0;
};

// The primary screen's size. A test replaces the source to stage a display
// change; null restores the system's own.
using ScreenSizeSource = ScreenSize (*)();
void SetScreenSizeSource(ScreenSizeSource source);
ScreenSize CurrentScreenSize();

// Draws the background the theme still owes (the start-up gradient).
void EnsureThemeBackground();

// GDI+ linear gradient modes.
enum GradientMode { kHorizontal = 0, kVertical = 1, kForwardDiagonal = 2, kBackwardDiagonal = 3 };

// Fills `fill` with a gradient brush laid on `brushRect` (the brush repeats
// outside it); the brush is gone afterwards.
void FillGradient(gdiplus::Graphics& graphics, const gdiplus::RectF& brushRect, gdiplus::Argb from,
                  gdiplus::Argb to, int mode, const gdiplus::RectF& fill);

inline gdiplus::RectF MakeRectF(float x, float y, float width, float height) { return {x, y, width, height}; }

// Starts GDI+, picks the caption font and sets the start-up colour.
void ThemeStartup();

// Base colour given, or the picture's average; then text and glow colours.
void DeriveColours(Colour colour);
void DeriveColours(const ByteBlock& picture);
// Black for bytes that are no picture.
Colour AverageColour(const ByteBlock& picture);
Colour AverageColour(const gdiplus::Image& picture);

// A picture background made ready away from the theme: the picture decoded
// once, its average colour and the screen-sized background drawn from it.
// Making one touches no theme state, so it may be done on another thread
// while the program starts (GDI+ must be running).
struct PictureBackground {
    ByteBlock picture;
    Colour average = 0;
    gdiplus::Bitmap background;
    int screenWidth = 0;
};
void PreparePictureBackground(const ByteBlock& picture, PictureBackground& prepared);

void SetThemeColour(Colour colour);
void SetThemeBackground(const ByteBlock& picture);
// The same, with the work already done; the theme takes the prepared
// background bitmap over and leaves `prepared` without one.
void SetThemeBackground(PictureBackground& prepared);

// Without force these render only when the screen got wider than at the
// last rendering.
void RenderGradientBackground(Colour colour, bool force);
void RenderPictureBackground(bool force);

void NotifySkinnedWindows();

}  // namespace skin
