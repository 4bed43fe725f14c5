#include "app/main_window.h"

#include <shellapi.h>

#include <array>
#include <memory>
#include <string>

#include "app/drop_target.h"
#include "app/folder_lock.h"
#include "app/folder_verb.h"
#include "app/resources.h"
#include "gdiplus/binding.h"
#include "gdiplus/graphics.h"
#include "skin/caption_text.h"
#include "skin/module.h"
#include "skin/skin_engine.h"

// Generated at build time from assets/background.jpg.
namespace embedded {
extern const unsigned char kBackgroundJpeg[];
extern const std::size_t kBackgroundJpegSize;
}  // namespace embedded

namespace dotlock {
namespace {

// A drop is handled after the drag source has been released, so that the
// password prompts never keep the shell's drag loop waiting.
constexpr UINT kHandleDropMessage = WM_APP + 1;

struct Label {
    int x, y, width, height;
    bool hintFont;
};
constexpr Label kHintLabel{64, 120, 192, 40, true};
constexpr Label kCreditLabel{8, 224, 176, 32, false};
constexpr Label kMakerLabel{192, 224, 128, 32, false};

struct LabelText {
    const Label& label;
    std::string text;
};

// The three labels in form order 2, 3, 1, whichever way they are drawn.
const std::array<LabelText, 3>& LabelTexts() {
    static const std::array<LabelText, 3> labels{{
        {kHintLabel, kDropHintText},
        {kCreditLabel, std::string(kCreditPrefix) + kCreditAccountNumber},
        {kMakerLabel, std::string(kMakerPrefix) + kMakerAddressShown},
    }};
    return labels;
}

FileDropTarget* g_dropTarget = nullptr;

HFONT HintFont() {
    static HFONT font = [] {
        LOGFONTA lf{};
        lf.lfHeight = -12;  // 9 point
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = GB2312_CHARSET;
        lstrcpyA(lf.lfFaceName, "宋体");
        return CreateFontIndirectA(&lf);
    }();
    return font;
}

void DrawLabel(HDC dc, const Label& label, const std::string& text) {
    HGDIOBJ old = SelectObject(dc, label.hintFont ? HintFont() : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{label.x, label.y, label.x + label.width, label.y + label.height};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

// The block that tells the engine to show the window's own small icon.
const gdiplus::ByteBlock kSkinIconBlock{0x00};

// The three labels as the skin shows them: glowing text in the theme's
// colours, drawn once into a layer of their own and laid over the picture
// at every composition. The layer is redrawn only when the colours change.
struct LabelLayer {
    gdiplus::Bitmap image;
    skin::Colour textColour = 0, glowColour = 0;
};
LabelLayer g_labels;

void DrawLabelLayer(skin::Colour textColour, skin::Colour glowColour) {
    g_labels.image.DisposeImage();
    g_labels.image.CreateBitmap(kMainWindowWidth, kMainWindowHeight);
    for (const LabelText& l : LabelTexts()) {
        skin::TextOptions options;
        options.size = l.label.hintFont ? 12 : 10;
        options.lineLimit = true;  // wrap inside the label, as the plain window does
        // A line break is LF alone here: some GDI+ builds draw the CR as a box.
        std::string text = l.text;
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
            text.erase(at, 1);
        }
        skin::DrawGlowText(g_labels.image, {l.label.x, l.label.y, l.label.width, l.label.height}, text,
                           textColour, glowColour, options);
    }
    g_labels.textColour = textColour;
    g_labels.glowColour = glowColour;
}

// The picture background and the label layer are most of the skinned
// start-up's work and need nothing from the window: a second thread makes
// them while the window is being created. The background is wanted when the
// window is skinned, the labels only at its first paint.
struct SkinPreparation {
    HANDLE thread = nullptr;
    HANDLE backgroundReady = nullptr;
    skin::PictureBackground background;
};
SkinPreparation g_preparation;

DWORD WINAPI PrepareSkin(void*) {
    skin::PreparePictureBackground(BackgroundPicture(), g_preparation.background);
    SetEvent(g_preparation.backgroundReady);
    const skin::TextColours colours = skin::TextColoursFor(g_preparation.background.average);
    DrawLabelLayer(colours.text, colours.glow);
    return 0;
}

// The prepared background, made here if no thread made it (or the theme
// already took it over).
skin::PictureBackground& PreparedBackground() {
    if (g_preparation.thread != nullptr) WaitForSingleObject(g_preparation.backgroundReady, INFINITE);
    if (g_preparation.background.background.GetHandle() == nullptr) {
        WaitForMainWindowSkin();  // the thread must be done with it first
        skin::PreparePictureBackground(BackgroundPicture(), g_preparation.background);
    }
    return g_preparation.background;
}

// The engine's paint callback: the back buffer's drawing context comes first.
void __stdcall DrawLabelsOverSkin(std::uintptr_t graphics, std::uintptr_t, std::uintptr_t, std::uintptr_t,
                                  std::uintptr_t, std::uintptr_t, std::uintptr_t, std::uintptr_t, std::uintptr_t,
                                  std::uintptr_t) {
    // The layer is the preparing thread's until it is done.
    WaitForMainWindowSkin();
    const skin::Theme& theme = skin::CurrentTheme();
    if (g_labels.image.GetHandle() == nullptr || g_labels.textColour != theme.textColour ||
        g_labels.glowColour != theme.glowColour) {
        DrawLabelLayer(theme.textColour, theme.glowColour);
    }
    // The context belongs to the engine: borrowed for one draw, never deleted.
    gdiplus::Graphics backBuffer;
    backBuffer.SetHandle(reinterpret_cast<void*>(graphics));
    backBuffer.DrawImage(g_labels.image, 0, 0);
    backBuffer.SetHandle(nullptr);
}

void SkinMainWindow(HWND window) {
    skin::SkinEngine& engine = skin::TheSkinEngine();
    // A failed attach leaves the plain window usable; its reason is not shown.
    engine.Attach(window, kSkinIconBlock, false, true, true, true);
    engine.SetPlainCaption(true);
    engine.SetPaintCallback(DrawLabelsOverSkin);
    skin::SetThemeBackground(PreparedBackground());
}

void OnMainWindowCreated(HWND window) {
    // The caption bar shows the window's small icon, which only an explicit
    // WM_SETICON gives a window.
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 GetClassLongPtrA(window, GCLP_HICONSM));
    SkinMainWindow(window);
    g_dropTarget = RegisterFileDropTarget(window, [window](const std::string& text) {
        auto posted = std::make_unique<std::string>(text);
        // The message owns the text once it is in the queue.
        if (PostMessageA(window, kHandleDropMessage, 0, reinterpret_cast<LPARAM>(posted.get()))) posted.release();
    });
    HandleCommandLine();
}

void OnMainWindowDestroying() {
    LATE_BOUND("shell32.dll", ShellExecuteA)(nullptr, "open", kMakerPageUrl, nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        OnMainWindowCreated(window);
        return 0;
    case kHandleDropMessage: {
        std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(lp));
        // One drop at a time: the prompts are modal but the window is not owned by them.
        if (g_dropTarget) g_dropTarget->SetAccepting(false);
        HandleDroppedFolder(*text);
        if (g_dropTarget) g_dropTarget->SetAccepting(true);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        DrawMainWindowLabels(dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        OnMainWindowDestroying();
        RevokeDragDrop(window);
        if (g_dropTarget) {
            g_dropTarget->Release();
            g_dropTarget = nullptr;
        }
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, msg, wp, lp);
    }
}

}  // namespace

const gdiplus::ByteBlock& BackgroundPicture() {
    static const gdiplus::ByteBlock bytes(embedded::kBackgroundJpeg,
                                          embedded::kBackgroundJpeg + embedded::kBackgroundJpegSize);
    return bytes;
}

void StartPreparingMainWindowSkin() {
    if (g_preparation.thread != nullptr) return;
    g_preparation.backgroundReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (g_preparation.backgroundReady == nullptr) return;
    g_preparation.thread = CreateThread(nullptr, 0, PrepareSkin, nullptr, 0, nullptr);
    if (g_preparation.thread == nullptr) {
        CloseHandle(g_preparation.backgroundReady);
        g_preparation.backgroundReady = nullptr;
    }
}

void WaitForMainWindowSkin() {
    if (g_preparation.thread == nullptr) return;
    WaitForSingleObject(g_preparation.thread, INFINITE);
    CloseHandle(g_preparation.thread);
    CloseHandle(g_preparation.backgroundReady);
    g_preparation.thread = g_preparation.backgroundReady = nullptr;
}

POINT CentredOrigin(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

void DrawMainWindowLabels(HDC dc) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    for (const LabelText& l : LabelTexts()) DrawLabel(dc, l.label, l.text);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_DOTLOCK), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_DOTLOCK), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_DOTLOCK_POINTER));
    if (!wc.hCursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExA(&wc);

    const POINT origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       kMainWindowWidth, kMainWindowHeight);
    // The skin makes the whole 326 x 257 window its drawing area: the labels
    // are laid out for that.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, style, origin.x, origin.y,
                                  kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace dotlock
