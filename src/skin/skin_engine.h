// SkinEngine: takes over the frame of one top-level window. It subclasses the
// window, removes the system frame so the whole window is client area, and
// draws its own frame (theme background, caption bar, rounded border, caption
// buttons, size grip) into a back buffer that reaches the screen in one copy.
// It answers hit tests so the window drags by any free spot and, when
// resizable, sizes by its edges, and clips the window to a rounded rectangle.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>

#include "gdiplus/bitmap.h"
#include "gdiplus/graphics.h"
#include "skin/caption_logic.h"
#include "skin/thunk.h"
#include "skin/theme.h"

namespace skin {

// A routine the engine calls with ten 32-bit arguments, callee cleans up;
// arguments the engine has nothing for are 0.
using EngineCallback = void(__stdcall*)(std::uintptr_t, std::uintptr_t, std::uintptr_t, std::uintptr_t,
                                        std::uintptr_t, std::uintptr_t, std::uintptr_t, std::uintptr_t,
                                        std::uintptr_t, std::uintptr_t);

// x, y, width, height.
struct AreaRecord {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// Strictly inside: the edges themselves are outside.

// Caption buttons: hotButton values (fade index is one less).
// Button kinds (sprite tiles) and visual states of DrawCaptionButton.
enum ButtonKind { kMinimizeKind = 30, kCloseKind = 48, kMaximizeKind = 29, kRestoreKind = 31, kCloseAloneKind = 12345 };
enum ButtonState { kNormalState = 1, kHoverState = 2, kPressedState = 3, kDisabledState = 4 };

// Memory for a top-down 32-bit picture in a DIB section, selected into a
// drawing context of its own: GDI+ draws into the memory and GDI copies it
// to a window in one BitBlt.
class PixelSurface {
public:
    PixelSurface() = default;
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;
    ~PixelSurface() { Free(); }

    // The first pixel, or null when the system gives no such memory.
    void* Create(int width, int height);
    void Free();
    HDC dc() const { return dc_; }
    // Rows of width x 4 bytes, top row first; null when there are none.
    void* pixels() const { return pixels_; }

private:
    void* pixels_ = nullptr;
    HBITMAP dib_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

class SkinEngine {
public:
    // Builds the two thunks; every other field starts at 0 or empty.
    SkinEngine();
    // Detaches, then releases what the engine owns.
    ~SkinEngine();
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // "" on success, else the reason. An omitted iconData is not checked;
    // the block {0x00} means the window's own small icon.
    TextValue Attach(HWND window, const std::optional<ByteBlock>& iconData = std::nullopt, bool resizable = true,
                     bool showButtons = true, bool maximizeBox = true, bool minimizeBox = true);
    void Detach();

    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Setters take effect at the next caption build, composition or mouse leave.
    void SetPlainCaption(bool flag) { plainCaption = flag; }
    void SetCaptionHidden(bool flag) { captionHidden = flag; }
    void SetPaintCallback(EngineCallback callback) { paintCallback = callback; }
    void SetMouseLeaveCallback(EngineCallback callback) { mouseLeaveCallback = callback; }
    void SetTitle(const TextValue& text);
    void Refresh() { ComposeFrame(false); }
    // The stored record stays where it is: the caller may change it later.
    AreaRecord& AddClientArea(const AreaRecord& area);

    void ApplyFrameStyle();
    void ApplyRegion();

    // release: drop the drawing context (nothing is drawn); else compose.
    void ComposeFrame(bool release, int reserved = 0);
    // immediate: compose and copy to the window now; else the WM_PAINT handler.
    void Paint(bool immediate, int reserved = 0);
    void PaintToDC(HDC dc, const RECT& rect, bool clip);
    // The window's part of the theme background into the back buffer, as
    // pixels; false when they cannot be reached (then it is drawn instead).
    bool CopyBackground();

    // Caption bar: icon and title into captionImage.
    void BuildCaption();

    // Caption buttons.
    int HitTest(int x, int y, bool isClient);
    int PressButtonAt(int x, int y);
    // The sheet tile a caption button shows now: close alone or beside the
    // others, maximise or restore.
    int KindOf(int button) const;
    void DrawCaptionButton(gdiplus::Graphics& graphics, gdiplus::Point& point, int kind, int state,
                           std::optional<int> opacity = std::nullopt);
    // Starts the 40 ms animation timer and the button strip.
    void StartAnimation();
    // One animation step; runs on the window's thread (the timer only posts).
    void OnTimerTick();

    // Private message the timer posts so the tick runs on the window's thread.
    static UINT AnimationTickMessage();

    // --- fields
    WNDPROC previousWndProc = nullptr;
    LONG savedStyle = 0;
    LONG savedExStyle = 0;
    MethodThunk wndProcThunk;
    HWND window = nullptr;
    ByteBlock iconData;
    bool resizable = false;
    // The back buffer's pixels, when the system had the memory: copying them
    // to the window with GDI+ cost ~5 ms a paint under Wine, a BitBlt well
    // under one. Declared first so that it outlives the bitmap over it.
    PixelSurface backPixels;
    gdiplus::Bitmap backBuffer;
    gdiplus::Bitmap captionImage;
    bool showButtons = false;
    UINT timerId = 0;
    MethodThunk timerThunk;
    bool maximizeBox = false;
    bool minimizeBox = false;
    gdiplus::Bitmap buttonStrip;
    bool animationSuspended = false;  // nothing sets it
    std::array<int, 3> buttonFade{};
    int hotButton = kNoButton;
    bool restyling = false;
    bool composePending = false;  // a composition put off while the window was hidden
    bool captionPending = false;  // likewise the caption strip
    bool titleSet = false;  // nothing reads it
    bool buttonPressed = false;
    bool backBufferReady = false;
    gdiplus::Graphics backGraphics;
    int width = 0;
    int height = 0;
    EngineCallback paintCallback = nullptr;
    bool captionHidden = false;
    bool plainCaption = false;
    EngineCallback mouseLeaveCallback = nullptr;
    std::deque<AreaRecord> clientAreas;

    // The embedded pictures, each decoded at its first use and kept: decoding
    // a PNG on every frame and every tick cost more than drawing it.
    enum EnginePicture { kFrameTemplatePicture, kSizeGripPicture, kButtonSheetPicture, kCloseOnlySheetPicture };
    gdiplus::Bitmap& Picture(EnginePicture which);
    // Shared with the timer's thread: where to post the tick, and whether
    // one is already waiting there.
    std::atomic<HWND> tickTarget{nullptr};
    std::atomic<bool> tickPending{false};

private:
    std::array<gdiplus::Bitmap, 4> decodedPictures;
    // The tick timer runs only while a fade is under way: an idle window costs nothing.
    void EnsureTicking();
    static LRESULT __stdcall WindowProcEntry(SkinEngine*& self, HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    static void __stdcall TimerEntry(SkinEngine*& self, UINT id, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                                     DWORD_PTR reserved2);
    // Makes `button` hot and fades it in, fading out the one that was hot.
    void MakeHot(int button);
    void ReleaseHot();
    void DrawFramePieces();
    void DrawRestingButtons();
    // Draws the image straight onto the window at (x, 0).
    void CopyToWindow(const gdiplus::Image& image, float x, int partWidth, int partHeight);
};

}  // namespace skin
