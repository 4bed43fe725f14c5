// Caption buttons: hit testing, pressing, drawing from the sprite sheets and
// the hover fade.
#include "skin/skin_engine.h"

#include <mmsystem.h>

#include "gdiplus/binding.h"
#include "gdiplus/image_attributes.h"
#include "skin/pictures.h"

namespace skin {
namespace {

static_assert(kHitClient == HTCLIENT && kHitCaption == HTCAPTION && kHitLeft == HTLEFT &&
              kHitTopLeft == HTTOPLEFT && kHitBottomRight == HTBOTTOMRIGHT && kHitBottom == HTBOTTOM);

struct SheetLayout {
    int clipWidth[5];  // by state 1..4 (index 0 unused)
    int offset[5];     // -1: nothing to draw
};

SheetLayout LayoutOf(int kind) {
    switch (kind) {
    case kMinimizeKind: return {{0, 30, 31, 31, 30}, {0, 0, 31, 63, 95}};
    case kCloseKind: return {{0, 48, 48, 48, 48}, {0, 126, 175, 224, 273}};
    case kMaximizeKind: return {{0, 29, 29, 29, 29}, {0, 322, 352, 382, 412}};
    case kRestoreKind: return {{0, 29, 29, 29, 29}, {0, 442, 472, 502, 532}};
    case kCloseAloneKind: return {{0, 48, 48, 48, 48}, {0, 2, 50, 99, -1}};
    default: return {{}, {-1, -1, -1, -1, -1}};
    }
}

// A hover fade takes a step every 40 ms.
constexpr UINT kTickMilliseconds = 40;
// The strip holds the three buttons and a little room below them.
constexpr int kStripWidth = 109, kStripHeight = 27;

}  // namespace

void SkinEngine::MakeHot(int button) {
    if (hotButton == button) {
        return;
    }
    if (hotButton != kNoButton) {
        buttonFade[hotButton - 1] = -100;
    }
    buttonFade[button - 1] = 100;
    hotButton = button;
    EnsureTicking();
}

void SkinEngine::ReleaseHot() {
    if (hotButton != kNoButton) {
        buttonFade[hotButton - 1] = -100;
    }
    hotButton = kNoButton;
    buttonPressed = false;
    EnsureTicking();
}

int SkinEngine::HitTest(int x, int y, bool isClient) {
    if (!isClient) {
        RECT rect{};
        GetWindowRect(window, &rect);
        x -= rect.left;
        y -= rect.top;
    }
    if (const int button = ButtonUnder(x, y, width, maximizeBox, minimizeBox); button != kNoButton) {
        MakeHot(button);
        return HTCLIENT;
    }
    for (const AreaRecord& area : clientAreas) {
        if (StrictlyInside(x, y, area.x, area.y, area.width, area.height)) {
            return HTCLIENT;
        }
    }
    ReleaseHot();
    if (!resizable) {
        return HTCAPTION;
    }
    return FrameZone(x, y, width, height);
}

int SkinEngine::KindOf(int button) const {
    switch (button) {
    case kCloseButton: return (maximizeBox || minimizeBox) ? kCloseKind : kCloseAloneKind;
    case kMaximizeButton: return IsZoomed(window) ? kRestoreKind : kMaximizeKind;
    default: return kMinimizeKind;
    }
}

int SkinEngine::PressButtonAt(int x, int y) {
    for (int button : {kCloseButton, kMaximizeButton, kMinimizeButton}) {
        if (OverButton(button, x, y, width)) {
            // A press with no hot button (a client area over a disabled
            // button) leaves the fades alone.
            if (hotButton != kNoButton) {
                buttonFade[hotButton - 1] = 100;
                EnsureTicking();
            }
            return 0;
        }
    }
    return -1;
}

void SkinEngine::DrawCaptionButton(gdiplus::Graphics& graphics, gdiplus::Point& point, int kind, int state,
                                   std::optional<int> opacity) {
    if (IsZoomed(window)) {
        point.y += 5;
        point.x -= 5;
    }
    gdiplus::ColorMatrix matrix;
    for (int i = 0; i < 5; ++i) {
        matrix.m[i][i] = 1.0f;
    }
    if (opacity) {
        matrix.m[3][3] = static_cast<float>(*opacity) * 0.01f;
    }
    gdiplus::ImageAttributes attributes;
    attributes.CreateImageAttributes();
    attributes.SetImageAttributesColorMatrix(matrix);

    gdiplus::Image& sheet = Picture(kind == kCloseAloneKind ? kCloseOnlySheetPicture : kButtonSheetPicture);
    float sw = static_cast<float>(sheet.GetImageWidth()), sh = static_cast<float>(sheet.GetImageHeight());

    SheetLayout layout = LayoutOf(kind);
    if (state >= kNormalState && state <= kDisabledState && layout.offset[state] >= 0) {
        float dx = kind == kCloseAloneKind ? -1.0f : 0.0f;
        float x = static_cast<float>(point.x), y = static_cast<float>(point.y);
        graphics.SetClipRect(x + dx, y, static_cast<float>(layout.clipWidth[state]), kButtonHeight);
        float left = x - static_cast<float>(layout.offset[state]);
        if (state == kHoverState || state == kPressedState) {
            graphics.DrawImageRectRect(sheet, left, y, sw, sh, 0, 0, sw, sh, gdiplus::kUnitPixel, &attributes);
        } else {
            graphics.DrawImageScaled(sheet, left, y, sw, sh);
        }
        graphics.ResetClip();
    }
    attributes.DisposeImageAttributes();
}

void SkinEngine::OnTimerTick() {
    if (animationSuspended || (buttonFade[0] == 0 && buttonFade[1] == 0 && buttonFade[2] == 0)) {
        return;
    }
    gdiplus::Graphics g;
    g.GetImageGraphicsContext(buttonStrip);
    int sw = buttonStrip.GetImageWidth(), sh = buttonStrip.GetImageHeight();
    // The strip starts as the resting buttons from the back buffer.
    g.DrawImagePointRect(backBuffer, 0, 0, static_cast<float>(width - sw), 0, static_cast<float>(sw),
                         static_cast<float>(sh));
    for (int i = 0; i < 3; ++i) {
        int& value = buttonFade[i];
        if (value == 0) {
            continue;
        }
        const FadeStep step = NextFade(value);
        value = step.fade;
        const int opacity = step.opacity;
        gdiplus::Point point{sw - kButtonHitLeft[i + 1], 0};
        DrawCaptionButton(g, point, KindOf(i + 1), buttonPressed ? kPressedState : kHoverState, opacity);
    }
    g.DeleteGraphics();
    if (window != nullptr) {
        CopyToWindow(buttonStrip, static_cast<float>(width - sw), sw, sh);
    }
    if (buttonFade == std::array<int, 3>{0, 0, 0} && timerId != 0) {
        // Every fade is done: the timer rests until the next one.
        LATE_BOUND("winmm.dll", timeKillEvent)(timerId);
        timerId = 0;
    }
}

void SkinEngine::StartAnimation() {
    // The timer's thread reads only these two, never the engine's fields.
    tickTarget.store(window);
    tickPending.store(false);
    buttonStrip.DisposeImage();
    buttonStrip.CreateBitmap(kStripWidth, kStripHeight);
    EnsureTicking();
}

void SkinEngine::EnsureTicking() {
    if (timerId != 0 || tickTarget.load() == nullptr || buttonFade == std::array<int, 3>{0, 0, 0}) {
        return;
    }
    tickPending.store(false);
    // Killing waits for a tick already under way: the engine may free the
    // thunk it runs through right after. A tick only posts, so nothing waits long.
    timerId = LATE_BOUND("winmm.dll", timeSetEvent)(kTickMilliseconds, 0,
                                                    reinterpret_cast<LPTIMECALLBACK>(timerThunk.code()), 0,
                                                    TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
}

}  // namespace skin
