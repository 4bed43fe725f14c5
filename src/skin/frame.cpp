// Composition of the frame into the back buffer, and its way to the screen.
#include <algorithm>
#include <cstring>

#include "skin/module.h"
#include "skin/pictures.h"
#include "skin/skin_engine.h"

namespace skin {

void SkinEngine::ComposeFrame(bool release, int) {
    if (release) {
        backGraphics.DeleteGraphics();
        backBufferReady = false;
        return;
    }
    // A hidden window is composed when it is first painted: during start-up
    // the theme changes before anything is shown.
    if (!IsWindowVisible(window)) {
        composePending = true;
        return;
    }
    composePending = false;
    EnsureThemeBackground();
    if (captionPending) {
        BuildCaption();
    }
    if (!backBufferReady) {
        backBufferReady = true;
        ScreenSize screen = CurrentScreenSize();
        const int bw = screen.width + kScreenMargin, bh = screen.height + kScreenMargin;
        backBuffer.DisposeImage();
        if (void* pixels = backPixels.Create(bw, bh)) {
            backBuffer.CreateBitmapFromScan0(bw, bh, bw * 4, PixelFormat32bppARGB, pixels);
        } else {
            backBuffer.CreateBitmap(bw, bh);
        }
        backGraphics.GetImageGraphicsContext(backBuffer);
    }
    float w = static_cast<float>(width), h = static_cast<float>(height);
    backGraphics.SetClipRect(0, 0, w, h);
    // Speed over quality, and nearest neighbour so the stretched edges stay one pixel thick.
    backGraphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    backGraphics.SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
    backGraphics.SetCompositingQuality(Gdiplus::CompositingQualityHighSpeed);

    // The background covers the whole window, so it is never cleared first.
    // Only the window's part of the screen-sized pictures is drawn: drawing
    // all of them through the clip cost twice as much.
    if (!CopyBackground()) {
        backGraphics.DrawImagePointRect(CurrentTheme().background, 0, 0, 0, 0, w, h);
    }
    backGraphics.DrawImagePointRect(captionImage, 0, 0, 0, 0, w, static_cast<float>(captionImage.GetImageHeight()));
    if (paintCallback != nullptr) {
        paintCallback(reinterpret_cast<std::uintptr_t>(backGraphics.NativeGraphics()),
                      reinterpret_cast<std::uintptr_t>(backBuffer.NativeBitmap()), 0, 0, 0, 0, 0, 0, 0, 0);
    }
    DrawFramePieces();
    if (showButtons) {
        DrawRestingButtons();
    }
    if (resizable) {
        gdiplus::Bitmap& grip = Picture(kSizeGripPicture);
        float gw = static_cast<float>(grip.GetImageWidth()), gh = static_cast<float>(grip.GetImageHeight());
        backGraphics.DrawImageScaled(grip, w - gw - 6, h - gh - 6, gw, gh);
    }
}

// Every background the theme makes is opaque, so drawing it over the back
// buffer comes to copying its pixels: row by row that costs a fraction of a
// GDI+ draw. False when either side's pixels cannot be reached.
bool SkinEngine::CopyBackground() {
    gdiplus::Bitmap& background = CurrentTheme().background;
    auto* target = static_cast<unsigned char*>(backPixels.pixels());
    if (target == nullptr || background.GetHandle() == nullptr) return false;
    const int targetWidth = static_cast<int>(backBuffer.GetImageWidth());
    const int targetHeight = static_cast<int>(backBuffer.GetImageHeight());
    const gdiplus::Rect part{0, 0,
                             std::min({width, targetWidth, static_cast<int>(background.GetImageWidth())}),
                             std::min({height, targetHeight, static_cast<int>(background.GetImageHeight())})};
    if (part.width <= 0 || part.height <= 0) return true;
    gdiplus::BitmapData source;
    if (!background.BitmapLockBits(part, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, source)) return false;
    const auto* from = static_cast<const unsigned char*>(source.scan0);
    for (int y = 0; y < part.height; ++y, from += source.stride, target += targetWidth * 4) {
        std::memcpy(target, from, static_cast<std::size_t>(part.width) * 4);
    }
    background.BitmapUnlockBits(source);
    return true;
}

// The 17 x 16 template in nine pieces: corners drawn whole through a clip,
// edges stretched from one column or row. The clips stop short of the
// template's magenta guide lines.
void SkinEngine::DrawFramePieces() {
    gdiplus::Bitmap& t = Picture(kFrameTemplatePicture);
    float tw = static_cast<float>(t.GetImageWidth()), th = static_cast<float>(t.GetImageHeight());
    float w = static_cast<float>(width), h = static_cast<float>(height);
    gdiplus::Graphics& g = backGraphics;

    auto corner = [&](float clipX, float clipY, float x, float y) {
        g.SetClipRect(clipX, clipY, 7, 6);
        g.DrawImage(t, x, y);
        g.ResetClip();
    };
    auto stretch = [&](float x, float y, float sw, float sh, float srcX, float srcY, float srcW, float srcH) {
        g.DrawImageRectRect(t, x, y, sw, sh, srcX, srcY, srcW, srcH, gdiplus::kUnitPixel);
    };

    corner(0, 0, 0, 0);
    stretch(7, 0, w - 12, 6, 8, 0, 0.01f, 6);
    corner(w - 6, 0, w - tw, 0);
    stretch(0, 6, 2, h - 12, 0, 7, 2, 0.1f);
    corner(0, h - 6, 0, h - th);
    stretch(w - 6, 6, 7, h - 12, 11, 7, 7, 0.1f);
    stretch(7, h - 6, w - 12, 6, 8, th - 6, 0.01f, 6);
    corner(w - 6, h - 6, w - tw, h - th);
}

gdiplus::Bitmap& SkinEngine::Picture(EnginePicture which) {
    gdiplus::Bitmap& picture = decodedPictures[which];
    if (picture.GetHandle() == nullptr) {
        static const gdiplus::ByteBlock& (*const sources[])() = {FrameTemplatePicture, SizeGripPicture,
                                                                  ButtonSheetPicture, CloseOnlySheetPicture};
        picture.CreateBitmapFromBytes(sources[which]());
    }
    return picture;
}

void SkinEngine::DrawRestingButtons() {
    gdiplus::Point close{width - kButtonTileLeft[kCloseButton], 0};
    DrawCaptionButton(backGraphics, close, KindOf(kCloseButton), kNormalState, 100);
    if (!maximizeBox && !minimizeBox) {
        return;
    }
    gdiplus::Point minimize{width - kButtonTileLeft[kMinimizeButton], 0};
    DrawCaptionButton(backGraphics, minimize, KindOf(kMinimizeButton), minimizeBox ? kNormalState : kDisabledState,
                      100);
    gdiplus::Point maximize{width - kButtonTileLeft[kMaximizeButton], 0};
    DrawCaptionButton(backGraphics, maximize, KindOf(kMaximizeButton), maximizeBox ? kNormalState : kDisabledState,
                      100);
}

void SkinEngine::Paint(bool immediate, int) {
    if (restyling) {
        return;
    }
    if (immediate) {
        ComposeFrame(false);
        HDC dc = GetDC(window);
        PaintToDC(dc, RECT{0, 0, width, height}, false);
        ReleaseDC(window, dc);
        return;
    }
    if (composePending) {
        ComposeFrame(false);
    }
    PAINTSTRUCT ps{};
    BeginPaint(window, &ps);
    PaintToDC(ps.hdc, ps.rcPaint, true);
    EndPaint(window, &ps);
}

void* PixelSurface::Create(int width, int height) {
    Free();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as GDI+ lays rows out
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    dib_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    dc_ = dib_ != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    if (dc_ == nullptr) {
        Free();
        return nullptr;
    }
    previous_ = SelectObject(dc_, dib_);
    pixels_ = pixels;
    return pixels;
}

void PixelSurface::Free() {
    if (dc_ != nullptr) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (dib_ != nullptr) DeleteObject(dib_);
    dib_ = nullptr;
    dc_ = nullptr;
    previous_ = nullptr;
    pixels_ = nullptr;
}

// Only the part of `image` that the window shows is copied: drawing all of a
// larger image cost several times the window's part.
void SkinEngine::CopyToWindow(const gdiplus::Image& image, float x, int partWidth, int partHeight) {
    HDC dc = GetDC(window);
    gdiplus::Graphics screen;
    screen.CreateFromHDC(dc);
    screen.DrawImagePointRect(image, x, 0, 0, 0, static_cast<float>(partWidth), static_cast<float>(partHeight));
    screen.DeleteGraphics();
    ReleaseDC(window, dc);
}

void SkinEngine::PaintToDC(HDC dc, const RECT& rect, bool clip) {
    // Exactly the rectangle asked for, so clipped or not comes to the same.
    if (backPixels.dc() != nullptr && backBuffer.GetHandle() != nullptr) {
        BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, backPixels.dc(), rect.left,
               rect.top, SRCCOPY);
        return;
    }
    gdiplus::Graphics graphics;
    graphics.CreateFromHDC(dc);
    if (clip) {
        graphics.SetClipRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
                             static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top));
    }
    // Only the rectangle asked for: the back buffer is screen-sized.
    const float left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
    graphics.DrawImagePointRect(backBuffer, left, top, left, top, static_cast<float>(rect.right - rect.left),
                                static_cast<float>(rect.bottom - rect.top));
    graphics.DeleteGraphics();
}

}  // namespace skin
