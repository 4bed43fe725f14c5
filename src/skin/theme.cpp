#include "skin/theme.h"

#include "gdiplus/cached_bitmap.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/linear_gradient_brush.h"
#include "skin/module.h"

namespace skin {
namespace {

// GDI+ mode numbers used here.
constexpr int kInterpolationHighQualityBicubic = 7;
// Width of the faded right and bottom edges of the picture background.
constexpr float kFade = 50;

ScreenSize SystemScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

ScreenSizeSource screenSizeSource = SystemScreenSize;

// A fresh (screen + margin) bitmap in the theme's background; returns the
// screen size it was made for.
ScreenSize RecreateBackground(Theme& theme) {
    ScreenSize screen = CurrentScreenSize();
    theme.background.DisposeImage();
    theme.background.CreateBitmap(screen.width + kScreenMargin, screen.height + kScreenMargin);
    return screen;
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
    theme.textColour = ContrastColour(colour);
    theme.glowColour = InvertColour(theme.textColour);
}

void DeriveColours(const ByteBlock& picture) { DeriveColours(AverageColour(picture)); }

Colour AverageColour(const ByteBlock& picture) {
    gdiplus::Bitmap pixel;
    pixel.CreateBitmap(1, 1);
    gdiplus::Image image;
    image.LoadImageFromBytes(picture);
    gdiplus::Graphics graphics;
    graphics.GetImageGraphicsContext(pixel);
    graphics.SetInterpolationMode(kInterpolationHighQualityBicubic);
    graphics.DrawImageScaled(image, 0, 0, 1, 1);
    Colour average = FromArgb(pixel.BitmapGetPixel(0, 0)).colour;
    graphics.DeleteGraphics();
    pixel.DisposeImage();
    image.DisposeImage();
    return average;
}

void SetThemeColour(Colour colour) {
    DeriveColours(colour);
    RenderGradientBackground(colour, true);
    NotifySkinnedWindows();
}

void SetThemeBackground(const ByteBlock& picture) {
    Theme& theme = CurrentTheme();
    theme.backgroundPicture = picture;
    DeriveColours(theme.backgroundPicture);
    theme.pictureAverage = theme.baseColour;
    RenderPictureBackground(true);
    NotifySkinnedWindows();
}

void RenderGradientBackground(Colour colour, bool force) {
    Theme& theme = CurrentTheme();
    if (theme.gradientScreenWidth >= CurrentScreenSize().width && !force) {
        return;
    }
    ScreenSize screen = RecreateBackground(theme);
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
    if (theme.pictureScreenWidth >= CurrentScreenSize().width && !force) {
        return;
    }
    theme.pictureScreenWidth = RecreateBackground(theme).width;
    theme.gradientPending = false;
    gdiplus::Graphics graphics;
    graphics.GetImageGraphicsContext(theme.background);

    gdiplus::Bitmap picture;
    picture.CreateBitmapFromBytes(theme.backgroundPicture);
    float pw = static_cast<float>(picture.GetImageWidth());
    float ph = static_cast<float>(picture.GetImageHeight());
    const Colour average = theme.pictureAverage;

    graphics.GraphicsClear(ToArgb(average));
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

    picture.DisposeImage();
    graphics.DeleteGraphics();
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
