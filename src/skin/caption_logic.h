// The arithmetic of the caption buttons: which button or frame zone a point
// is over, and one step of a hover fade. Values in, values out, free of the
// platform headers so the same tables run natively under the sanitizers.
#pragma once

namespace skin {

// Inside with every edge excluded.
constexpr bool StrictlyInside(int px, int py, int x, int y, int width, int height) {
    return x < px && px < x + width && y < py && py < y + height;
}

enum CaptionButton { kNoButton = 0, kCloseButton = 1, kMaximizeButton = 2, kMinimizeButton = 3 };

// The system's hit-test codes this skin answers with.
enum HitCode {
    kHitClient = 1,
    kHitCaption = 2,
    kHitLeft = 10,
    kHitRight = 11,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
};

inline constexpr int kButtonHeight = 22;

// Where each button's resting tile is drawn, counted from the window's right
// edge, by button number.
inline constexpr int kButtonTileLeft[] = {0, 47, 76, 106};
// Each button's hit rectangle, one pixel left of its tile; the animation
// strip draws the fading tiles at the same points.
inline constexpr int kButtonHitLeft[] = {0, 48, 77, 107};
inline constexpr int kButtonHitWidth[] = {0, 48, 29, 30};

// Whether (x, y) of a window `width` wide is over `button`.
constexpr bool OverButton(int button, int x, int y, int width) {
    if (button < kCloseButton || button > kMinimizeButton) return false;
    return StrictlyInside(x, y, width - kButtonHitLeft[button], 0, kButtonHitWidth[button], kButtonHeight);
}

// The enabled button under (x, y), checked close, maximise, minimise.
constexpr int ButtonUnder(int x, int y, int width, bool maximizeEnabled, bool minimizeEnabled) {
    const bool enabled[] = {false, true, maximizeEnabled, minimizeEnabled};
    for (int button = kCloseButton; button <= kMinimizeButton; ++button) {
        if (enabled[button] && OverButton(button, x, y, width)) return button;
    }
    return kNoButton;
}

// The resize zone of a resizable window under (x, y), or the caption: 8-pixel
// edges and corners, and the 12 x 12 size grip 6 pixels in from the corner.
constexpr int FrameZone(int x, int y, int w, int h) {
    const struct {
        int x, y, width, height, code;
    } zones[] = {
        {0, 0, 8, 8, kHitTopLeft},          {w - 8, 0, 8, 8, kHitTopRight},
        {0, h - 8, 8, 8, kHitBottomLeft},   {w - 8, h - 8, 8, 8, kHitBottomRight},
        {0, 8, 8, h - 16, kHitLeft},        {w - 8, 8, 8, h - 16, kHitRight},
        {8, 0, w - 16, 8, kHitTop},         {8, h - 8, w - 16, 8, kHitBottom},
        {w - 18, h - 18, 12, 12, kHitBottomRight},
    };
    for (const auto& zone : zones) {
        if (StrictlyInside(x, y, zone.x, zone.y, zone.width, zone.height)) return zone.code;
    }
    return kHitCaption;
}

// Hover fades move 20 toward 0 every tick: a positive fade (fading in)
// draws at 100 minus what is left, a negative one (fading out) at what is left.
inline constexpr int kFadeStep = 20;

struct FadeStep {
    int fade;
    int opacity;
};

constexpr FadeStep NextFade(int fade) {
    if (fade > 0) {
        const int left = fade - kFadeStep < 0 ? 0 : fade - kFadeStep;
        return {left, 100 - left};
    }
    const int left = fade + kFadeStep > 0 ? 0 : fade + kFadeStep;
    return {left, -left};
}

}  // namespace skin
