// The caption bar: the window's icon and its glowing title, and the text
// helpers behind them.
#include <algorithm>
#include <vector>

#include "gdiplus/font.h"
#include "gdiplus/font_family.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/matrix.h"
#include "gdiplus/pen.h"
#include "gdiplus/solid_brush.h"
#include "gdiplus/string_format.h"
#include "skin/caption_text.h"
#include "skin/module.h"

namespace skin {
namespace {

constexpr int kCaptionHeight = 30;
constexpr int kGlossBandHeight = 15;
constexpr float kIconX = 8, kIconY = 7, kIconSize = 16;

float FontSize(const TextOptions& options) { return static_cast<float>(options.size < 10 ? 12 : options.size); }
int FontStyle(const TextOptions& options) { return options.bold ? 1 : 0; }

void CreateFormat(gdiplus::StringFormat& format, const TextOptions& options) {
    format.CreateStringFormat();
    format.SetStringFormatLineAlign(options.lineAlignment);
    format.SetStringFormatAlign(options.alignment);
    using namespace Gdiplus;
    format.SetStringFormatFlags((options.lineLimit ? StringFormatFlagsLineLimit : StringFormatFlagsNoWrap) +
                                (options.vertical ? StringFormatFlagsDirectionVertical : 0) +
                                (options.rightToLeft ? StringFormatFlagsDirectionRightToLeft : 0));
}

// At most 254 bytes, as the caption has always read it.
TextValue WindowTitle(HWND window) {
    char buffer[255] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

AreaRecord TitleRect(const AreaRecord& box, bool hasIcon, int rightLimit) {
    AreaRecord rect{hasIcon ? 28 : 10, static_cast<int>(15 - box.height / 2.0), static_cast<int>(box.width * 1.06),
                    box.height};
    if (rect.x + rect.width > rightLimit) rect.width = std::max(0, rightLimit - rect.x);
    return rect;
}

FittedTitle FitTitle(const TextValue& title, const TextOptions& options, bool hasIcon, int rightLimit) {
    auto fits = [&](const TextValue& text, FittedTitle& fitted) {
        fitted = {text, MeasureText(text, options)};
        const AreaRecord rect = TitleRect(fitted.box, hasIcon);
        return rect.x + rect.width <= rightLimit;
    };
    FittedTitle fitted;
    if (fits(title, fitted)) return fitted;
    // Character starts, so a double-byte character is never split.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < title.size(); i += IsDBCSLeadByte(static_cast<BYTE>(title[i])) ? 2 : 1) {
        starts.push_back(i);
    }
    // A longer beginning never measures narrower: search for the longest
    // that fits, a handful of measurements instead of one per character.
    FittedTitle best;
    bool found = false;
    for (std::size_t low = 0, high = starts.size(); low < high;) {
        const std::size_t middle = (low + high) / 2;
        if (fits(title.substr(0, starts[middle]) + "...", fitted)) {
            best = fitted;
            found = true;
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (found) return best;
    fits("...", fitted);
    return fitted;
}

AreaRecord MeasureText(const TextValue& text, const TextOptions& options) {
    gdiplus::Font font;
    font.CreateFontFromName(CurrentTheme().fontName, FontSize(options), FontStyle(options));
    gdiplus::StringFormat format;
    CreateFormat(format, options);
    HDC dc = GetDC(nullptr);
    gdiplus::Graphics graphics;
    graphics.CreateFromHDC(dc);
    graphics.SetTextRenderingHint(CurrentTheme().fontName == "宋体" ? Gdiplus::TextRenderingHintClearTypeGridFit
                                                                   : Gdiplus::TextRenderingHintAntiAlias);
    gdiplus::RectF box;
    graphics.MeasureString(text, font, box, gdiplus::RectF{}, &format);
    format.DeleteStringFormat();
    graphics.DeleteGraphics();
    font.DeleteFont();
    ReleaseDC(nullptr, dc);
    return {static_cast<int>(box.x), static_cast<int>(box.y), static_cast<int>(box.width),
            static_cast<int>(box.height)};
}

void DrawGlowText(gdiplus::Bitmap& target, const AreaRecord& rect, const TextValue& text, Colour textColour,
                  Colour glowColour, const TextOptions& options, bool clipTop) {
    if (text.empty()) {
        return;
    }
    const float size = FontSize(options);
    const int tw = static_cast<int>(rect.width + rect.width * 0.05), th = rect.height;
    const float w = static_cast<float>(tw), h = static_cast<float>(th);
    gdiplus::Bitmap layer;
    layer.CreateBitmap(tw, th);
    gdiplus::Graphics g;
    g.GetImageGraphicsContext(layer);
    const TextValue& fontName = CurrentTheme().fontName;
    gdiplus::Font font;
    font.CreateFontFromName(fontName, size, FontStyle(options));
    gdiplus::StringFormat format;
    CreateFormat(format, options);

    // The glow: the text's outline, widened and then blurred into a halo.
    {
        gdiplus::GraphicsPath path;
        path.CreatePath();
        gdiplus::FontFamily family;
        family.CreateFontFamilyFromName(fontName);  // no collection: the installed system fonts
        gdiplus::Matrix identity;
        identity.CreateMatrix();
        gdiplus::Pen pen;
        pen.CreatePen1(ToArgb(glowColour, 150), 1.0f);
        path.AddPathString(text, family, static_cast<int>(size), MakeRectF(0, 0, w, h), FontStyle(options),
                           &format);
        path.WidenPath(pen, &identity);
        g.DrawPath(pen, path);
        pen.DeletePen();
        family.DeleteFontFamily();
        path.DeletePath();
    }
    SoftBlur(layer, 3);

    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    gdiplus::SolidBrush brush;
    brush.CreateSolidFill(ToArgb(textColour, 230));
    // One pixel right of the glow's layout.
    g.DrawString(text, font, brush, MakeRectF(1, 0, w, h), &format);
    brush.DeleteBrush();
    g.DeleteGraphics();

    gdiplus::Graphics onTarget;
    onTarget.GetImageGraphicsContext(target);
    if (clipTop) {
        onTarget.SetClipRect(0, kCaptionHeight, static_cast<float>(target.GetImageWidth()),
                             static_cast<float>(target.GetImageHeight() - kCaptionHeight));
    }
    onTarget.DrawImage(layer, static_cast<float>(rect.x), static_cast<float>(rect.y));
    onTarget.DeleteGraphics();
    font.DeleteFont();
    format.DeleteStringFormat();
    layer.DisposeImage();
}

void SoftBlur(gdiplus::Bitmap& image, int factor) {
    gdiplus::Graphics g;
    g.GetImageGraphicsContext(image);
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    g.SetCompositingQuality(Gdiplus::CompositingQualityAssumeLinear);
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
    const int w = image.GetImageWidth(), h = image.GetImageHeight();
    gdiplus::Bitmap small;
    small.CreateBitmap(static_cast<int>(w / static_cast<double>(factor) / 1.5),
                       static_cast<int>(h / static_cast<double>(factor) / 1.5), image.GetImagePixelFormat());
    const float sw = static_cast<float>(small.GetImageWidth()), sh = static_cast<float>(small.GetImageHeight());
    gdiplus::Graphics gs;
    gs.GetImageGraphicsContext(small);
    gs.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    gs.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    gs.DrawImageScaled(image, 0, 0, sw, sh);
    g.GraphicsClear(0);
    g.DrawImageScaled(small, 0, 0, static_cast<float>(w), static_cast<float>(h));
    gs.DeleteGraphics();
    small.DisposeImage();
    g.DeleteGraphics();
}

void SkinEngine::BuildCaption() {
    const TextValue windowTitle = WindowTitle(window);
    if (windowTitle.empty() || captionHidden) {
        return;
    }
    // Like the frame, a hidden window's caption waits for its first composition.
    if (!IsWindowVisible(window)) {
        captionPending = true;
        return;
    }
    captionPending = false;
    const Theme& theme = CurrentTheme();
    captionImage.DisposeImage();
    const int stripWidth = CurrentScreenSize().width + kScreenMargin;
    captionImage.CreateBitmap(stripWidth, kCaptionHeight);
    gdiplus::Graphics g;
    g.GetImageGraphicsContext(captionImage);
    if (!plainCaption) {
        const Colour c = Lighten(theme.baseColour, 1);
        const float w = static_cast<float>(stripWidth), band = kGlossBandHeight;
        FillGradient(g, MakeRectF(0, 0, 1, band), ToArgb(c, 40), ToArgb(c, 80), kVertical, MakeRectF(0, 0, w, band));
        FillGradient(g, MakeRectF(0, -1, 1, band), ToArgb(c, 80), ToArgb(c, 140), kVertical,
                     MakeRectF(0, band, w, band));
    }
    // Measured as it is drawn, in bold: a box measured in the regular face
    // cuts the end off a longer bold title.
    TextOptions options;
    options.bold = true;
    options.lineAlignment = 1;  // centre
    // A title longer than the room left of the caption buttons ends in "..."
    // instead of running under them.
    // Attaching builds the caption before the first WM_SIZE tells the width;
    // the window's own rectangle is the width the frame will have.
    RECT outer{};
    const int windowWidth = width > 0 ? width : (GetWindowRect(window, &outer) ? outer.right - outer.left : 0);
    const int leftmost = (maximizeBox || minimizeBox) ? kMinimizeButton : kCloseButton;
    const int buttonsLeft = windowWidth - kButtonTileLeft[leftmost];
    const int rightLimit = showButtons && windowWidth > 0 ? buttonsLeft - 4 : INT_MAX;
    const FittedTitle fitted = FitTitle(windowTitle, options, !iconData.empty(), rightLimit);
    const TextValue& title = fitted.text;
    const AreaRecord& box = fitted.box;

    gdiplus::Bitmap icon;
    if (iconData == ByteBlock{0}) {
        // The window keeps its icon: it is only read here.
        HICON handle = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 1));
        if (handle == nullptr) {
            MessageBoxA(window, "无法获取实例窗口的窗口句柄.", "自界面引擎的错误", MB_ICONERROR);
        }
        icon.CreateBitmapFromHICON(handle);
    } else if (!iconData.empty()) {
        icon.CreateBitmapFromBytes(iconData);
    }
    g.DrawImageScaled(icon, kIconX, kIconY, kIconSize, kIconSize);
    icon.DisposeImage();
    g.DeleteGraphics();

    DrawGlowText(captionImage, TitleRect(box, !iconData.empty(), rightLimit), title, theme.textColour,
                 theme.glowColour, options);
}

}  // namespace skin
