#include "skin/skin_engine.h"

#include <mmsystem.h>

#include "gdiplus/binding.h"
#include "skin/module.h"

namespace skin {
namespace {

// Frame styles while attached: the system frame's pieces stay set so the
// window keeps its system menu, minimise and (when resizable) maximise and
// sizing behaviour, but the engine draws everything.
constexpr LONG kResizableStyle = 0x16CF0000;  // visible, clip siblings/children, overlapped window
constexpr LONG kFixedStyle = 0x16CA0000;      // visible, clip siblings/children, caption, system menu, minimise box

constexpr int kRegionCorner = 6;

// The signed halves of lParam: screen coordinates left of or above the
// primary monitor are negative.
int LowWord(LPARAM value) { return static_cast<std::int16_t>(value & 0xFFFF); }
int HighWord(LPARAM value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }

}  // namespace

SkinEngine::SkinEngine() {
    wndProcThunk = MakeMethodThunk(this, &SkinEngine::WindowProcEntry);
    timerThunk = MakeMethodThunk(this, &SkinEngine::TimerEntry);
}

SkinEngine::~SkinEngine() {
    Detach();
    buttonStrip.DisposeImage();
}

LRESULT __stdcall SkinEngine::WindowProcEntry(SkinEngine*& self, HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    return self->WindowProc(window, message, wParam, lParam);
}

void __stdcall SkinEngine::TimerEntry(SkinEngine*& self, UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
    // The timer's own thread must not draw: hand the tick to the window's
    // thread. One tick waits in the queue at most, so a late timer catching
    // up cannot flood it. A tick may still arrive after Detach; with no
    // window it goes nowhere.
    HWND target = self->tickTarget.load();
    if (target != nullptr && !self->tickPending.exchange(true)) {
        PostMessageA(target, AnimationTickMessage(), 0, 0);
    }
}

UINT SkinEngine::AnimationTickMessage() {
    static const UINT message = RegisterWindowMessageA("dotlock.skin.animation-tick");
    return message;
}

TextValue SkinEngine::Attach(HWND target, const std::optional<ByteBlock>& icon, bool isResizable, bool buttons,
                             bool maximize, bool minimize) {
    if (window != nullptr) {
        return "窗口已经创建,不能重复创建";
    }
    if (!IsWindow(target)) {
        return "无效窗口句柄";
    }
    if (icon && icon->empty()) {
        return "请传递一个有效的图标文件";
    }
    window = target;
    iconData = icon.value_or(ByteBlock());
    resizable = isResizable;
    showButtons = buttons;
    maximizeBox = maximize;
    minimizeBox = minimize;
    BuildCaption();
    previousWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(wndProcThunk.code())));
    if (previousWndProc == nullptr) {
        return "无法子类化指定创建句柄";
    }
    ApplyFrameStyle();
    CurrentTheme().skinnedWindows.push_back(window);
    if (showButtons) {
        StartAnimation();
    }
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    return "";
}

void SkinEngine::Detach() {
    tickTarget.store(nullptr);
    if (timerId != 0) {
        LATE_BOUND("winmm.dll", timeKillEvent)(timerId);
        // A stale id could name someone else's timer later.
        timerId = 0;
    }
    // Only a window that was subclassed gets its old procedure and styles
    // back: after a failed subclass there is nothing to restore.
    if (window != nullptr && previousWndProc != nullptr) {
        SetWindowLongA(window, GWL_STYLE, savedStyle);
        SetWindowLongA(window, GWL_EXSTYLE, savedExStyle);
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(previousWndProc));
        // Nor does it stay clipped to the skin's rounded corners.
        SetWindowRgn(window, nullptr, TRUE);
    }
    previousWndProc = nullptr;
    // The drawing context goes before the bitmap it draws into.
    ComposeFrame(true);
    backBuffer.DisposeImage();
    backPixels.Free();
    captionImage.DisposeImage();
    window = nullptr;
}

void SkinEngine::SetTitle(const TextValue& text) {
    titleSet = true;
    SetWindowTextA(window, text.c_str());
}

AreaRecord& SkinEngine::AddClientArea(const AreaRecord& area) {
    clientAreas.push_back(area);
    return clientAreas.back();
}

void SkinEngine::ApplyFrameStyle() {
    restyling = true;
    savedStyle = GetWindowLongA(window, GWL_STYLE);
    savedExStyle = GetWindowLongA(window, GWL_EXSTYLE);
    // Visibility stays the window's own: a style that switched a hidden
    // window visible would show it half made (during its creation, say),
    // without the messages a real showing sends.
    const LONG style = resizable ? kResizableStyle : kFixedStyle;
    SetWindowLongA(window, GWL_STYLE, (style & ~WS_VISIBLE) | (savedStyle & WS_VISIBLE));
    SetWindowLongA(window, GWL_EXSTYLE, 0);
    // A size change makes the system recompute the frame through the new
    // window procedure; then the real size comes back with a repaint.
    RECT rect{};
    GetWindowRect(window, &rect);
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    MoveWindow(window, rect.left, rect.top, w + 1, h, FALSE);
    restyling = false;
    MoveWindow(window, rect.left, rect.top, w, h, TRUE);
    // The moves repaint only what they uncover: on a window that was already
    // showing, the old system caption and border would stay on screen where
    // the client area now reaches. The whole look changed, so all of it goes.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void SkinEngine::ApplyRegion() {
    // The window owns the region from here on.
    HRGN region = CreateRoundRectRgn(0, 0, width + 1, height + 1, kRegionCorner, kRegionCorner);
    SetWindowRgn(window, region, TRUE);
}

LRESULT SkinEngine::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int x = LowWord(lParam), y = HighWord(lParam);
    switch (message) {
    case WM_NCCALCSIZE:
        if (wParam == 1) {
            return 1;  // the proposed rectangle stays: the client area is the whole window
        }
        break;
    case WM_NCACTIVATE:
    case WM_NCPAINT:
    case 0xAE:  // the themed non-client repaint
        return 1;
    case WM_PAINT:
        Paint(false);
        return 1;
    case WM_SIZE:
        width = x;
        height = y;
        ComposeFrame(false);
        ApplyRegion();
        break;
    case WM_SETTEXT:
        // The new title is in the window before the caption reads it.
        CallWindowProcA(previousWndProc, hwnd, message, wParam, lParam);
        BuildCaption();
        Paint(true);
        return 1;
    case THEME_CHANGED_FRAME:
        ComposeFrame(true, 1);
        ComposeFrame(false);
        Paint(true, 1);
        return 1;
    case THEME_CHANGED_CAPTION:
        BuildCaption();
        return 1;
    case WM_NCHITTEST:
        return HitTest(x, y, false);
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        return HitTest(x, y, true);
    }
    case WM_DISPLAYCHANGE:
        RenderPictureBackground(false);
        ComposeFrame(true, 1);
        break;
    case WM_DESTROY: {
        // Detach forgets the earlier procedure; the rest of the destruction is its.
        WNDPROC previous = previousWndProc;
        Detach();
        return CallWindowProcA(previous, hwnd, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
        if (PressButtonAt(x, y) == 0) {
            buttonPressed = true;
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (buttonPressed) {
            switch (hotButton) {
            case kCloseButton:
                PostMessageA(hwnd, WM_CLOSE, 0, 0);
                break;
            case kMaximizeButton:
                ShowWindowAsync(hwnd, IsZoomed(hwnd) ? SW_SHOWNORMAL : SW_MAXIMIZE);
                break;
            case kMinimizeButton:
                ShowWindowAsync(hwnd, SW_SHOWMINIMIZED);
                break;
            }
        }
        buttonPressed = false;
        break;
    case WM_MOUSELEAVE:
        if (hotButton != kNoButton) {
            ReleaseHot();
        }
        if (mouseLeaveCallback != nullptr) {
            mouseLeaveCallback(0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        }
        return 1;
    default:
        if (message == AnimationTickMessage()) {
            tickPending.store(false);
            OnTimerTick();
            return 0;
        }
        break;
    }
    return CallWindowProcA(previousWndProc, hwnd, message, wParam, lParam);
}

}  // namespace skin
