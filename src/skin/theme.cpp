#include "skin/theme.h"

#include <algorithm>
#include <cstdint>

#include "gdiplus/cached_bitmap.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/linear_gradient_brush.h"
#include "skin/module.h"

namespace skin {
namespace {

// Width of the faded right and bottom edges of the picture background.
constexpr float kFade = 50;

ScreenSize SystemScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

ScreenSizeSource screenSizeSource = SystemScreenSize;

// `bitmap` made afresh at screen size plus the margin; returns the screen
// size it was made for.
ScreenSize RecreateScreenBitmap(gdiplus::Bitmap& bitmap) {
    ScreenSize screen = CurrentScreenSize();
    bitmap.DisposeImage();
    bitmap.CreateBitmap(screen.width + kScreenMargin, screen.height + kScreenMargin);
    return screen;
}

// Sets every pixel of a 32-bit bitmap to one opaque colour by writing them:
// a GDI+ clear blends each pixel, which cost over 10 ms at screen size.
void FillOpaque(gdiplus::Bitmap& bitmap, gdiplus::Graphics& graphics, gdiplus::Argb colour) {
    const gdiplus::Rect whole{0, 0, static_cast<std::int32_t>(bitmap.GetImageWidth()),
                              static_cast<std::int32_t>(bitmap.GetImageHeight())};
    gdiplus::BitmapData data;
    if (!bitmap.BitmapLockBits(whole, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, data)) {
        graphics.GraphicsClear(colour);
        return;
    }
    auto* row = static_cast<unsigned char*>(data.scan0);
    for (std::uint32_t y = 0; y < data.height; ++y, row += data.stride) {
        std::fill_n(reinterpret_cast<std::uint32_t*>(row), data.width, colour);
    }
    bitmap.BitmapUnlockBits(data);
}

// The picture at its own size over its average colour, its right and bottom
// edges fading into that colour.
void DrawPictureBackground(gdiplus::Bitmap& target, gdiplus::Bitmap& picture, Colour average) {
    gdiplus::Graphics graphics;
    graphics.GetImageGraphicsContext(target);
    const float pw = static_cast<float>(picture.GetImageWidth());
    const float ph = static_cast<float>(picture.GetImageHeight());

    FillOpaque(target, graphics, ToArgb(average));
    graphics.ResetClip();

    // The picture keeps its own size; the margin beyond it is the average colour.
    gdiplus::CachedBitmap cached;
    cached.CreateCachedBitmap(picture, graphics);
    graphics.DrawCachedBitmap(cached, 0, 0);
    cached.DeleteCachedBitmap();

    FillGradient(graphics, MakeRectF(pw - kFade, 0, kFade, ph), ToArgb(average, 20), ToArgb(average, 250),
                 kHorizontal, MakeRectF(pw - kFade + 1, 0, kFade, ph));
    // The corner's alphas are 0 and 1: it stays almost untouched.
    FillGradient(graphics, MakeRectF(pw - kFade, ph - kFade, kFade, kFade), ToArgb(average, 0),
                 ToArgb(average, 1), kForwardDiagonal, MakeRectF(pw - kFade + 1, ph - kFade + 1, kFade, kFade));
    FillGradient(graphics, MakeRectF(0, ph - kFade, pw, kFade), ToArgb(average, 20), ToArgb(average, 250),
                 kVertical, MakeRectF(0, ph - kFade + 1, pw, kFade));
    graphics.DeleteGraphics();
}

// The prepared bitmap becomes the theme's background.
void AdoptPictureBackground(Theme& theme, PictureBackground& prepared) {
    theme.background.DisposeImage();
    theme.background.SetHandle(prepared.background.GetHandle());
    prepared.background.SetHandle(nullptr);
    theme.pictureScreenWidth = prepared.screenWidth;
    theme.gradientPending = false;
}

}  // namespace

void FillGradient(gdiplus::Graphics& graphics, const gdiplus::RectF& brushRect, gdiplus::Argb from,
                  gdiplus::Argb to, int mode, const gdiplus::RectF& fill) {
    gdiplus::LinearGradientBrush brush;
    brush.CreateLineBrushFromRect(brushRect, from, to, mode);
    graphics.FillRectangle(brush, fill.x, fill.y, fill.width, fill.height);
    brush.DeleteBrush();
}

void SetScreenSizeSource(ScreenSizeSource source) {
    screenSizeSource = source != nullptr ? source : SystemScreenSize;
}

ScreenSize CurrentScreenSize() { return screenSizeSource(); }

void ThemeStartup() {
    Theme& theme = CurrentTheme();
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, nothing suppressed
    GDIP_DECLARED(GdiplusStartup, ::Gdiplus::GdiplusStartup)(&theme.gdiplusToken, &input, nullptr);
    theme.fontName = "宋体";
    gdiplus::Font font;
    if (font.CreateFontFromName("微软雅黑", 12.0f)) {
        theme.fontName = "微软雅黑";
    }
    font.DeleteFont();
    // The start-up colour: its gradient waits for the first frame that needs it.
    DeriveColours(0xC06000);
    CurrentTheme().gradientPending = true;
    NotifySkinnedWindows();
}

void EnsureThemeBackground() {
    Theme& theme = CurrentTheme();
    if (theme.gradientPending) RenderGradientBackground(theme.baseColour, true);
}

void DeriveColours(Colour colour) {
    Theme& theme = CurrentTheme();
    theme.baseColour = colour;
    const TextColours text = TextColoursFor(colour);
    theme.textColour = text.text;
    theme.glowColour = text.glow;
}

void DeriveColours(const ByteBlock& picture) { DeriveColours(AverageColour(picture)); }

Colour AverageColour(const ByteBlock& picture) {
    gdiplus::Image image;
    image.LoadImageFromBytes(picture);
    const Colour average = AverageColour(image);
    image.DisposeImage();
    return average;
}

Colour AverageColour(const gdiplus::Image& picture) {
    gdiplus::Bitmap pixel;
    pixel.CreateBitmap(1, 1);
    gdiplus::Graphics graphics;
    graphics.GetImageGraphicsContext(pixel);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    // Nothing is drawn for a picture that did not decode: the pixel stays black.
    graphics.DrawImageScaled(picture, 0, 0, 1, 1);
    Colour average = FromArgb(pixel.BitmapGetPixel(0, 0)).colour;
    graphics.DeleteGraphics();
    pixel.DisposeImage();
    return average;
}

void PreparePictureBackground(const ByteBlock& picture, PictureBackground& prepared) {
    prepared.picture = picture;
    gdiplus::Bitmap decoded;
    decoded.CreateBitmapFromBytes(picture);
    prepared.average = AverageColour(decoded);
    prepared.screenWidth = RecreateScreenBitmap(prepared.background).width;
    DrawPictureBackground(prepared.background, decoded, prepared.average);
    decoded.DisposeImage();
}

void SetThemeColour(Colour colour) {
    // The picture is no longer the theme's: a later display change must not bring it back.
    CurrentTheme().backgroundPicture.clear();
    DeriveColours(colour);
    RenderGradientBackground(colour, true);
    NotifySkinnedWindows();
}

void SetThemeBackground(const ByteBlock& picture) {
    PictureBackground prepared;
    PreparePictureBackground(picture, prepared);
    SetThemeBackground(prepared);
}

void SetThemeBackground(PictureBackground& prepared) {
    Theme& theme = CurrentTheme();
    theme.backgroundPicture = prepared.picture;
    DeriveColours(prepared.average);
    AdoptPictureBackground(theme, prepared);
    NotifySkinnedWindows();
}

void RenderGradientBackground(Colour colour, bool force) {
    Theme& theme = CurrentTheme();
    if (theme.gradientScreenWidth >= CurrentScreenSize().width && !force) {
        return;
    }
    ScreenSize screen = RecreateScreenBitmap(theme.background);
    theme.gradientScreenWidth = screen.width;
    theme.gradientPending = false;
    float w = static_cast<float>(screen.width + kScreenMargin);
    float h = static_cast<float>(screen.height + kScreenMargin);
    gdiplus::Graphics graphics;
    graphics.GetImageGraphicsContext(theme.background);
    FillGradient(graphics, MakeRectF(0, 0, w, h), ToArgb(Lighten(colour)), ToArgb(colour), kBackwardDiagonal,
                 MakeRectF(0, 0, w, h));
    graphics.DeleteGraphics();
}

void RenderPictureBackground(bool force) {
    Theme& theme = CurrentTheme();
    // A colour theme has no picture: its background is the gradient.
    if (theme.backgroundPicture.empty()) {
        RenderGradientBackground(theme.baseColour, force);
        return;
    }
    if (theme.pictureScreenWidth >= CurrentScreenSize().width && !force) {
        return;
    }
    PictureBackground prepared;
    PreparePictureBackground(theme.backgroundPicture, prepared);
    AdoptPictureBackground(theme, prepared);
}

void NotifySkinnedWindows() {
    // A copy: a window's handler may attach another window meanwhile.
    std::vector<HWND> windows = CurrentTheme().skinnedWindows;
    for (HWND window : windows) {
        SendMessageA(window, THEME_CHANGED_CAPTION, 0, 0);
        SendMessageA(window, THEME_CHANGED_FRAME, 0, 0);
    }
}

}  // namespace skin
